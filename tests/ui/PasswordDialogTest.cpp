// The access prompt: which entries open the screen parameters, where Enter
// counts, and what the field accepts and shows.
#include "ui/dialogs/PasswordDialog.h"

#include "device/BadgeSimulator.h"
#include "device/PolledLink.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/CMainFrame.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/device/ScreenParaDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

static void initPasswordResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tessel::testing {
namespace {

void pressKey(QWidget* widget, int key, const QString& text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void type(QWidget* widget, const QString& text)
{
    for (QChar c : text)
        pressKey(widget, c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A, QString(c));
}

class PasswordDialogTest : public ::testing::Test {
protected:
    PasswordDialogTest()
    {
        initPasswordResources();
        texts.load(QStringLiteral(TESSEL_BIN_DIR "/"), 1033);
        dialog = std::make_unique<PasswordDialog>(texts);
        dialog->show();
    }

    void reopen()
    {
        dialog->codeEdit()->clear();
        dialog->setResult(0);
        dialog->show();
    }

    // The result after the code was entered and the "ok" button pressed.
    int okWith(const QString& code)
    {
        type(dialog->codeEdit(), code);
        dialog->okButton()->click();
        return dialog->result();
    }

    LanguageTable texts;
    std::unique_ptr<PasswordDialog> dialog;
};

TEST_F(PasswordDialogTest, OnlyTheExactCodeIsRight)
{
    EXPECT_EQ(okWith(QString()), PasswordDialog::CodeWrong);
    reopen();
    EXPECT_EQ(okWith(u"738"_qs), PasswordDialog::CodeWrong);
    reopen();
    EXPECT_EQ(okWith(u"739 "_qs), PasswordDialog::CodeWrong);
    reopen();
    EXPECT_EQ(okWith(u"739"_qs), PasswordDialog::CodeRight);
}

TEST_F(PasswordDialogTest, EnterActsFromTheFieldOnly)
{
    type(dialog->codeEdit(), u"739"_qs);
    pressKey(dialog->cancelButton(), Qt::Key_Return);
    pressKey(dialog->okButton(), Qt::Key_Enter);
    pressKey(dialog.get(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);

    pressKey(dialog->codeEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), PasswordDialog::CodeRight);
}

TEST_F(PasswordDialogTest, TheFieldTakesSixteenCharactersShownAsStars)
{
    type(dialog->codeEdit(), u"12345678901234567"_qs);
    EXPECT_EQ(dialog->codeEdit()->text(), u"1234567890123456"_qs);
    EXPECT_EQ(dialog->codeEdit()->displayText(), QString(16, QLatin1Char('*')));
}

TEST_F(PasswordDialogTest, CancelEscapeAndClosingAllCancel)
{
    type(dialog->codeEdit(), u"739"_qs);
    dialog->cancelButton()->click();
    EXPECT_EQ(dialog->result(), PasswordDialog::Cancelled);
    reopen();
    pressKey(dialog->codeEdit(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), PasswordDialog::Cancelled);
    reopen();
    dialog->close();
    EXPECT_EQ(dialog->result(), PasswordDialog::Cancelled);
}

// The screen parameters command of the Tools menu, with the user's entry
// made into the access prompt as it opens.
class AccessPromptTest : public ::testing::Test {
protected:
    AccessPromptTest()
    {
        initPasswordResources();
        data.paths = PortablePaths(folder.path());
        data.paths.dataDir = QStringLiteral(TESSEL_BIN_DIR "/");
        texts.load(data.paths.dataDir, data.lanID);
    }

    // Runs the command with `entry` typed and the "ok" button pressed; true
    // when the screen-parameter dialog opened (it is closed at once).
    bool screenParametersOpenAfter(const QString& entry)
    {
        CMainFrame frame(data, texts, link);
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* prompt = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget());
            if (prompt == nullptr)
                return;
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<ScreenParaDialog*>(QApplication::activeModalWidget())) {
                    opened = true;
                    dialog->reject();
                }
            });
            type(prompt->codeEdit(), entry);
            prompt->okButton()->click();
        });
        frame.OnCommand(ToolsScreenParaCommand);
        return opened;
    }

    QTemporaryDir folder;
    AppData data;
    LanguageTable texts;
    BadgeSimulator badge;
    PolledLink link { badge };
};

TEST_F(AccessPromptTest, OnlyTheRightCodeOpensTheScreenParameters)
{
    EXPECT_FALSE(screenParametersOpenAfter(u"739 "_qs));
    EXPECT_FALSE(screenParametersOpenAfter(QString()));
    EXPECT_TRUE(screenParametersOpenAfter(u"739"_qs));
    EXPECT_EQ(badge.openCount(), 0);
}

} // namespace
} // namespace tessel::testing
