// What a screen reader finds, in every language: every control a user can
// act on has a name, and every menu item an access key of its own in its menu.
#include "MainFrameTestSupport.h"
#include "StandaloneDialogs.h"

#include "ui/AccessKeys.h"
#include "ui/device/CommDialog.h"
#include "ui/device/ScreenParaDialog.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/PasswordDialog.h"
#include "ui/dialogs/PictureImportDialog.h"
#include "ui/dialogs/SoftwareOptionDialog.h"
#include "ui/preview/LedViewWidget.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/CharSpacingDialog.h"
#include "ui/property/InsertImageDialog.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/YOffsetDialog.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextEdit>

namespace tessel::test {
namespace {

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::ProgressBar:
        return true;
    default:
        return false;
    }
}

// Qt names a drop-down list on Linux by its current item and gives its
// name through the label tied to it; anything else names itself.
bool hasName(QAccessibleInterface& control)
{
    if (control.role() == QAccessible::ComboBox) {
        for (const auto& [label, relation] : control.relations(QAccessible::Label))
            if (!label->text(QAccessible::Name).trimmed().isEmpty())
                return true;
        return false;
    }
    return !control.text(QAccessible::Name).trimmed().isEmpty();
}

QString describe(QAccessibleInterface& control)
{
    QString path;
    for (QObject* object = control.object(); object; object = object->parent())
        path.prepend(QString::fromLatin1(object->metaObject()->className()) + u'/');
    return path + QStringLiteral(" role 0x%1").arg(int(control.role()), 0, 16);
}

// The shown interactive controls below an interface that have no name. The
// rows of lists and trees are named by what they show.
void collectUnnamed(QAccessibleInterface& node, QStringList& unnamed)
{
    if (node.state().invisible)
        return;
    const QAccessible::Role role = node.role();
    if (isInteractive(role) && !hasName(node))
        unnamed << describe(node);
    if (role == QAccessible::ComboBox || role == QAccessible::Tree || role == QAccessible::List
        || role == QAccessible::Table)
        return;
    for (int i = 0; i < node.childCount(); ++i)
        if (QAccessibleInterface* child = node.child(i))
            collectUnnamed(*child, unnamed);
}

std::string unnamedIn(QWidget& window)
{
    QStringList unnamed;
    collectUnnamed(*QAccessible::queryAccessibleInterface(&window), unnamed);
    return unnamed.join(u'\n').toStdString();
}

// Items without an access key, and keys two items of the menu share.
void checkAccessKeys(const QMenu& menu, QStringList& faults)
{
    QString keys;
    for (const QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        const QChar key = accessKey(item->text());
        if (key.isNull())
            faults << QStringLiteral("no key: ") + item->text();
        else if (keys.contains(key))
            faults << QStringLiteral("key taken twice: ") + item->text();
        keys += key;
        if (item->menu())
            checkAccessKeys(*item->menu(), faults);
    }
}

class AccessibleNamesTest : public MainFrameTest, public testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(MainFrameTest::SetUp());
        // The shipped icon library, for the insert-icon window.
        for (const QString size : { QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16") }) {
            const QDir shipped(QStringLiteral(TESSEL_BIN_DIR "/image/") + size);
            const QString folder = exeDir + QStringLiteral("image/") + size + u'/';
            QDir().mkpath(folder);
            for (const QString& name : shipped.entryList(QDir::Files))
                QFile::copy(shipped.filePath(name), folder + name);
        }
        writeSettings();
        start();
        ASSERT_TRUE(frame);
        frame->OnLanguageCommand(GetParam());
        frame->show();
        QCoreApplication::processEvents();
    }
};

TEST_P(AccessibleNamesTest, TheMainWindowWithEachKindOfProgram)
{
    EXPECT_EQ(unnamedIn(*frame), std::string()) << "no program";
    for (int addCommand : { 1101, 1102 }) {
        frame->OnCommand(addCommand);
        QCoreApplication::processEvents();
        EXPECT_EQ(unnamedIn(*frame), std::string()) << "kind " << addCommand;
    }
    // The names come from the language in force.
    EXPECT_EQ(frame->treePane()->accessibleName(), text(u"programList"));
    EXPECT_FALSE(text(u"programList").isEmpty());
    frame->OnCommand(1101);
    EXPECT_EQ(frame->propertyPane()->visibleEditor()->accessibleName(), text(u"programText"));
}

TEST_P(AccessibleNamesTest, EveryDialog)
{
    data.commType = 1; // the serial port's list is shown
    frame->OnCommand(1101);
    PropertyForm& pane = *frame->propertyPane();
    const auto dialogs = standaloneDialogs(data, texts, *link, *frame);
    std::vector<QWidget*> windows { pane.insertIconDialog(), pane.charSpacingDialog(), pane.yOffsetDialog() };
    for (const auto& dialog : dialogs)
        windows.push_back(dialog.get());
    for (QWidget* window : windows) {
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(unnamedIn(*window), std::string()) << window->metaObject()->className();
        window->hide();
    }
}

TEST_P(AccessibleNamesTest, EveryMenuItemHasAnAccessKeyOfItsOwn)
{
    // A recent file with an "&" in its name shows it as it is.
    script.savePath = exeDir + QStringLiteral("R&D.led");
    frame->OnCommand(1101);
    frame->OnCommand(703);
    QStringList faults;
    QMenu bar;
    for (QAction* title : frame->menuBar()->actions())
        bar.addAction(title);
    checkAccessKeys(bar, faults);
    checkAccessKeys(*frame->brightnessPopup(), faults);
    checkAccessKeys(*frame->chargeIconPopup(), faults);
    EXPECT_EQ(
        withoutAccessKey(frame->recentMenu()->actions().constFirst()->text()), QStringLiteral("1 R&D.led"));

    // The tree's two pop-ups, as the program list shows them.
    ProgramView& list = tree();
    list.setPopupRunner([&](QMenu& popup, const QPoint&) {
        checkAccessKeys(popup, faults);
        return nullptr;
    });
    for (QTreeWidgetItem* node : { list.rootNode(), list.rootNode()->child(0) }) {
        list.setCurrentItem(node);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
    }
    EXPECT_EQ(faults.join(u'\n').toStdString(), std::string());
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, AccessibleNamesTest, testing::Range(771, 779),
    [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param); });

TEST_F(StartedMainFrameTest, TheLedViewDescribesTheProgramAndTheScreen)
{
    LedViewWidget& view = *frame->previewPane()->previewDialog()->ledView();
    EXPECT_EQ(view.accessibleName(), text(u"previewTitle"));
    EXPECT_EQ(view.accessibleDescription(), QStringLiteral("No program. Screen of 48 × 12 LEDs."));
    frame->OnCommand(1101);
    QTextEdit& editor = *frame->propertyPane()->visibleEditor();
    editor.selectAll();
    editor.insertPlainText(QStringLiteral("Hello"));
    EXPECT_EQ(view.accessibleDescription(),
        data.programs.front()->name + QStringLiteral(": Hello. Screen of 48 × 12 LEDs."));
    frame->OnLanguageCommand(775); // German
    EXPECT_TRUE(
        view.accessibleDescription().startsWith(data.programs.front()->name + QStringLiteral(": Hello.")));
    EXPECT_TRUE(view.accessibleDescription().contains(QStringLiteral("Anzeige")));
}

} // namespace
} // namespace tessel::test
