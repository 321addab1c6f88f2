// The editor driven by the keyboard alone: out of the text editor with Tab,
// programs moved and their pop-ups opened from the tree, icons chosen with
// the arrows, and Escape closing every dialog.
#include "MainFrameTestSupport.h"
#include "StandaloneDialogs.h"

#include "ui/device/CommDialog.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/dialogs/PictureImportDialog.h"
#include "ui/dialogs/SoftwareOptionDialog.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/property/CharSpacingDialog.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/property/InsertImageDialogPage.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"
#include "ui/property/YOffsetDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace tessel::test {
namespace {

class KeyboardTest : public MainFrameTest {
protected:
    // A shown, active window with the shipped icon library and `count` text
    // programs named Text1, Text2, ...
    void startShown(int count)
    {
        const QDir shipped(QStringLiteral(TESSEL_BIN_DIR "/image/12"));
        QDir().mkpath(exeDir + QStringLiteral("image/12"));
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), exeDir + QStringLiteral("image/12/") + name);
        writeSettings();
        start(count > 0 ? exeDir + writeProgramList(QStringLiteral("list.led"), count) : QString());
        ASSERT_TRUE(frame);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    // A key for the control that has the focus in a window of its own (the
    // test platform does not always activate a second window).
    static void pressIn(QWidget& window, int key)
    {
        QWidget* focus = window.focusWidget();
        QTest::keyClick(focus ? focus : &window, static_cast<Qt::Key>(key));
    }

    QTextEdit& editor() const { return *frame->propertyPane()->visibleEditor(); }

    QStringList names() const
    {
        QStringList result;
        for (const auto& program : data.programs)
            result << program->name;
        return result;
    }

    // Records into `texts` the items of the pop-up the tree opens next; the
    // item with the key is chosen.
    void recordPopup(QStringList& texts, const QString& chosenKey = QString())
    {
        tree().setPopupRunner([this, &texts, chosenKey](QMenu& popup, const QPoint&) -> QAction* {
            QAction* chosen = nullptr;
            for (QAction* item : popup.actions()) {
                texts << item->text();
                if (!chosenKey.isEmpty() && item->text() == text(chosenKey))
                    chosen = item;
            }
            return chosen;
        });
    }
};

TEST_F(KeyboardTest, TabLeavesTheTextEditorAndCtrlTabTypesATab)
{
    startShown(0);
    frame->OnCommand(ToolbarAddText);
    editor().setFocus();
    ASSERT_TRUE(editor().hasFocus());
    editor().moveCursor(QTextCursor::End);
    const QString typed = editor().toPlainText();

    press(Qt::Key_Tab);
    EXPECT_FALSE(editor().hasFocus());
    EXPECT_EQ(editor().toPlainText(), typed);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(editor().hasFocus());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(editor().hasFocus());
    EXPECT_EQ(editor().toPlainText(), typed);

    editor().setFocus();
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(editor().hasFocus());
    EXPECT_EQ(editor().toPlainText(), typed + u'\t');
}

TEST_F(KeyboardTest, AltUpAndDownMoveTheSelectedProgramUndoably)
{
    startShown(3);
    tree().setFocus();
    tree().setCurrentItem(tree().rootNode()->child(1));
    data.modified = 0;

    press(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(names(), (QStringList { u"Text2"_qs, u"Text1"_qs, u"Text3"_qs }));
    EXPECT_EQ(tree().SelectedProgram()->name, u"Text2");
    EXPECT_EQ(data.modified, 1);
    // At the top it stays.
    press(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(names(), (QStringList { u"Text2"_qs, u"Text1"_qs, u"Text3"_qs }));
    press(Qt::Key_Down, Qt::AltModifier);
    press(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(names(), (QStringList { u"Text1"_qs, u"Text3"_qs, u"Text2"_qs }));
    frame->OnCommand(EditUndoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text1"_qs, u"Text2"_qs, u"Text3"_qs }));
    // Without Alt the arrows move the selection only.
    press(Qt::Key_Down);
    EXPECT_EQ(names(), (QStringList { u"Text1"_qs, u"Text2"_qs, u"Text3"_qs }));
}

TEST_F(KeyboardTest, ShiftF10AndTheMenuKeyOpenThePopupOfTheSelectedNode)
{
    startShown(2);
    tree().setFocus();
    tree().setCurrentItem(tree().rootNode());
    QStringList shown;
    recordPopup(shown);
    press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(shown.size(), 6) << "the root's pop-up";
    EXPECT_EQ(shown.value(1), text(u"addText"));

    tree().setCurrentItem(tree().rootNode()->child(0));
    QStringList chosen;
    recordPopup(chosen, u"moveDown"_qs);
    press(Qt::Key_Menu);
    EXPECT_EQ(chosen, (QStringList { text(u"del"), text(u"moveUp"), text(u"moveDown") }));
    EXPECT_EQ(names(), (QStringList { u"Text2"_qs, u"Text1"_qs }));
    EXPECT_EQ(tree().SelectedProgram()->name, u"Text1");
}

TEST_F(KeyboardTest, TheIconGridIsReachedWithTabAndChosenWithTheArrows)
{
    startShown(0);
    frame->OnCommand(ToolbarAddText);
    editor().setFocus();
    editor().selectAll();
    QTest::keyClicks(&editor(), QStringLiteral("Hi"));
    // Shift+Tab walks back from the editor over the formatting buttons to
    // the insert-icon button, which Space presses.
    for (int step = 0; step < 3; ++step)
        press(Qt::Key_Backtab, Qt::ShiftModifier);
    QAction* insertIcon = frame->propertyPane()->formatAction(InsertIconCommand);
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    ASSERT_TRUE(button);
    ASSERT_EQ(button->actions().value(0), insertIcon);
    press(Qt::Key_Space);

    InsertImageDialog& icons = *frame->propertyPane()->insertIconDialog();
    ASSERT_TRUE(icons.isVisible());
    InsertImageDialogPage& page = *icons.page(0);
    EXPECT_EQ(icons.focusWidget(), page.iconAt(0));
    pressIn(icons, Qt::Key_Right);
    pressIn(icons, Qt::Key_Down);
    EXPECT_EQ(page.currentPosition(), 11);
    EXPECT_EQ(icons.focusWidget(), page.iconAt(11));
    pressIn(icons, Qt::Key_Return);
    pressIn(icons, Qt::Key_Left);
    pressIn(icons, Qt::Key_Space);
    EXPECT_EQ(editor().toPlainText(), u"Hi[A011][A010]"_qs);
    EXPECT_TRUE(icons.isVisible()) << "the window stays open for more icons";
    pressIn(icons, Qt::Key_Up);
    EXPECT_EQ(page.currentPosition(), 0);
    pressIn(icons, Qt::Key_Up);
    EXPECT_EQ(page.currentPosition(), 0);

    pressIn(icons, Qt::Key_Escape);
    EXPECT_FALSE(icons.isVisible());
}

TEST_F(KeyboardTest, AnAccessKeyOpensItsMenuAlsoFromTheTextEditor)
{
    startShown(1);
    editor().setFocus();
    const QString typed = editor().toPlainText();
    QTest::keyClick(&editor(), Qt::Key_E, Qt::AltModifier);
    QMenu* edit = frame->menuBar()->actions().at(1)->menu();
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(editor().toPlainText(), typed);
    edit->hide();
}

TEST_F(KeyboardTest, EscapeClosesEveryDialog)
{
    startShown(1);
    const auto dialogs = standaloneDialogs(data, texts, *link, *frame);
    for (const auto& dialog : dialogs) {
        dialog->open();
        QCoreApplication::processEvents();
        pressIn(*dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog->isVisible()) << dialog->metaObject()->className();
        EXPECT_EQ(dialog->result(), dialog.get() == dialogs[2].get() ? int(PasswordDialog::Cancelled) : 0);
    }
    PropertyForm& pane = *frame->propertyPane();
    for (int command : { CharSpacingCommand, YOffsetCommand }) {
        pane.OnFormatCommand(command);
        QWidget* popup = command == CharSpacingCommand ? static_cast<QWidget*>(pane.charSpacingDialog())
                                                       : static_cast<QWidget*>(pane.yOffsetDialog());
        ASSERT_TRUE(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Escape);
        EXPECT_FALSE(popup->isVisible());
    }
}

} // namespace
} // namespace tessel::test
