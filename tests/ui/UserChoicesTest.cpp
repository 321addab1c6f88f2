// The editor keeps what the user chose: ticks as stored and as clicked,
// typing after Add Text, messages that can be read, the title, undo.
#include "MainFrameTestSupport.h"

#include "files/FileCommands.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace tessel::test {
namespace {

class UserChoicesTest : public MainFrameTest {
protected:
    // "list.led" with three text programs, the second unticked.
    QString writeListWithUntickedProgram()
    {
        AppData list;
        list.paths = PortablePaths(exeDir);
        for (int i = 0; i < 3; ++i)
            list.addProgram(ItemKind::Text, QStringLiteral("Text"));
        list.programs[1]->check = 0;
        EXPECT_TRUE(writeProgramFile(list, exeDir + QStringLiteral("list.led")));
        return exeDir + QStringLiteral("list.led");
    }

    void startShown(const QString& file = QString())
    {
        writeSettings();
        start(file);
        ASSERT_TRUE(frame);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    QByteArray fileBytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::vector<int32_t> checks() const
    {
        std::vector<int32_t> result;
        for (const auto& program : data.programs)
            result.push_back(program->check);
        return result;
    }

    Qt::CheckState boxOf(int index) const { return tree().rootNode()->child(index)->checkState(0); }

    // Clicks a node's check box with the mouse, as the user does.
    void clickBox(QTreeWidgetItem* node)
    {
        ProgramView& view = tree();
        QStyleOptionViewItem option;
        option.initFrom(view.viewport());
        option.rect = view.visualItemRect(node);
        option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay
            | QStyleOptionViewItem::HasDecoration;
        option.decorationSize = view.iconSize();
        option.text = node->text(0);
        option.icon = node->icon(0);
        const QRect box = view.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, box.center());
    }

    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(UserChoicesTest, AFileOpensWithItsTicksUnmodifiedAndSavesTheSameBytes)
{
    const QString path = writeListWithUntickedProgram();
    const QByteArray stored = fileBytes(path);
    startShown(path);

    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 1 }));
    EXPECT_EQ(boxOf(1), Qt::Unchecked);
    EXPECT_EQ(boxOf(0), Qt::Checked);
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("list.led[*] \u2014 K9057R V1.16"));
    EXPECT_FALSE(frame->isWindowModified());

    // A change of language relabels every node and changes no tick.
    frame->OnCommand(FirstLanguageCommand + 5);
    frame->OnCommand(FirstLanguageCommand + 3);
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 1 }));
    EXPECT_EQ(data.modified, 0);

    // Closing asks nothing; a save keeps every tick.
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(script.questions.empty());
    frame->OnCommand(SaveCommand);
    const QByteArray saved = fileBytes(path);
    EXPECT_EQ(saved.count("check=\"0\""), 1);
    EXPECT_EQ(saved.count("check=\"1\""), 2);
    EXPECT_EQ(saved.left(saved.indexOf("<save")), stored.left(stored.indexOf("<save")));
}

TEST_F(UserChoicesTest, TicksSurviveAddingDeletingMovingAndRenaming)
{
    const QString path = writeListWithUntickedProgram();
    startShown(path);

    clickBox(tree().rootNode()->child(2));
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 0 }));
    EXPECT_EQ(data.modified, 1);
    EXPECT_TRUE(frame->isWindowModified());

    QTest::mouseClick(frame->toolButton(ToolbarAddText), Qt::LeftButton);
    ASSERT_EQ(data.programs.size(), 4u);
    tree().setCurrentItem(tree().rootNode()->child(2));
    tree().RunPopupCommand(ProgramMoveUpCommand);
    tree().setCurrentItem(tree().rootNode()->child(3));
    tree().RunPopupCommand(ProgramDeleteCommand);
    tree().setCurrentItem(tree().rootNode()->child(1));
    auto* name = qobject_cast<QLineEdit*>(frame->propertyPane()->control(NameEdit));
    ASSERT_TRUE(name);
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Renamed"));

    // Text1 (ticked), Text3 renamed (unticked by the click), Text2
    // (unticked in the file); the new program is gone.
    ASSERT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(data.programs[1]->name, QStringLiteral("Renamed"));
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 0 }));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(boxOf(i) == Qt::Checked, data.programs[static_cast<size_t>(i)]->check != 0) << i;

    script.savePath = path;
    frame->OnCommand(SaveCommand);
    AppData reread;
    reread.paths = PortablePaths(exeDir);
    readProgramFile(reread, path);
    ASSERT_EQ(reread.programs.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reread.programs[i]->check, data.programs[i]->check) << i;
        EXPECT_EQ(reread.programs[i]->name, data.programs[i]->name) << i;
    }
}

TEST_F(UserChoicesTest, TheRootsBoxTicksEveryProgramOnlyWhenClicked)
{
    startShown(writeListWithUntickedProgram());
    clickBox(tree().rootNode());
    EXPECT_EQ(checks(), (std::vector<int32_t> { 0, 0, 0 }));
    clickBox(tree().rootNode()->child(0));
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 0 }));
    EXPECT_EQ(tree().rootNode()->checkState(0), Qt::Unchecked);
    // Adding a program relabels the root: the ticks stay.
    frame->OnCommand(ToolbarAddText);
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 0, 1 }));
    clickBox(tree().rootNode());
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 1, 1, 1 }));
}

TEST_F(UserChoicesTest, TypingAfterAddTextReplacesTheDefaultText)
{
    startShown();
    tree().setFocus();
    QTest::mouseClick(frame->toolButton(ToolbarAddText), Qt::LeftButton);
    ASSERT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), frame->propertyPane()->visibleEditor());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kx9 w"));
    frame->storePendingEdits();
    EXPECT_EQ(data.programs[0]->summary, QStringLiteral("Kx9 w"));
    EXPECT_EQ(data.programs[0]->check, 1);

    // Ctrl+Z in the editor takes back typing, not the added program.
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(data.programs.size(), 1u);
    EXPECT_NE(frame->propertyPane()->visibleEditor()->toPlainText(), QStringLiteral("Kx9 w"));

    // The same from the Edit menu and the root's pop-up.
    frame->OnCommand(EditAddTextCommand);
    EXPECT_EQ(QApplication::focusWidget(), frame->propertyPane()->visibleEditor());
    tree().setFocus();
    tree().setCurrentItem(tree().rootNode());
    tree().RunPopupCommand(RootAddTextCommand);
    EXPECT_EQ(QApplication::focusWidget(), frame->propertyPane()->visibleEditor());
    // Moving through the tree with the keyboard keeps the focus there.
    tree().setFocus();
    press(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), &tree());
}

TEST_F(UserChoicesTest, AFailedSendIsShownWholeUntilTheNextCommand)
{
    writeSettings([](AppData& settings) {
        settings.lan = 5;
        settings.lanID = 1031;
    });
    start();
    ASSERT_TRUE(frame);
    frame->show();
    frame->resize(frame->minimumSize());
    QCoreApplication::processEvents();
    badge.setAttachment(Attachment::Absent);
    frame->OnCommand(ToolbarSend);
    EXPECT_EQ(frame->statusText(), texts.tip(18));
    EXPECT_EQ(frame->messageLineText(), texts.tip(18));
    // Still there after the two seconds a success stays.
    EXPECT_FALSE(waitUntil([&] { return frame->statusText().isEmpty(); }, 2500));
    // The next command's text replaces it.
    badge.setAttachment(Attachment::Attached);
    frame->OnCommand(ToolbarSearch);
    EXPECT_NE(frame->statusText(), texts.tip(18));
}

TEST_F(UserChoicesTest, TheSerialInterfaceIsNamedInsteadOfSilence)
{
    writeSettings([](AppData& settings) { settings.commType = 1; });
    start();
    ASSERT_TRUE(frame);
    for (int command : { ToolbarSend, ToolbarSearch, ToolbarClear }) {
        frame->OnCommand(command);
        EXPECT_EQ(frame->statusText(), text(u"serialChosen")) << command;
        EXPECT_TRUE(frame->mainToolBar()->isEnabled());
    }
    EXPECT_EQ(badge.openCount(), 0);
}

TEST_F(UserChoicesTest, CloseAndAnEmptyListLeaveADarkPreview)
{
    startShown(writeListWithUntickedProgram());
    PreviewDialog& preview = *frame->previewPane()->previewDialog();
    const auto dark = [&] {
        const QImage picture = preview.picture();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qGray(picture.pixel(x, y)) != 0)
                    return false;
        return !picture.isNull();
    };
    EXPECT_FALSE(dark());
    frame->OnCommand(CloseCommand);
    EXPECT_TRUE(dark());
    EXPECT_EQ(preview.picture().size(), QSize(48, 12));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("K9057R V1.16"));

    frame->OnCommand(ToolbarAddText);
    EXPECT_FALSE(dark());
    tree().setCurrentItem(tree().rootNode());
    frame->OnCommand(ToolbarDelete);
    EXPECT_TRUE(waitUntil(dark, 1000));
}

TEST_F(UserChoicesTest, UndoBringsBackADeletedListAndRedoDeletesItAgain)
{
    const QString path = writeListWithUntickedProgram();
    startShown(path);
    tree().setFocus();
    tree().setCurrentItem(tree().rootNode());
    press(Qt::Key_Delete);
    EXPECT_TRUE(data.programs.empty());

    frame->setFocus();
    QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(data.programs.size(), 3u);
    EXPECT_EQ(checks(), (std::vector<int32_t> { 1, 0, 1 }));
    EXPECT_EQ(data.programs[2]->name, QStringLiteral("Text3"));
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(3));

    QTest::keyClick(frame.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(data.programs.empty());
    QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(data.programs.size(), 3u);

    // Each kind of change goes back one step at a time.
    tree().setCurrentItem(tree().rootNode()->child(0));
    frame->OnCommand(ToolbarAddText);
    tree().setCurrentItem(tree().rootNode()->child(0));
    tree().RunPopupCommand(ProgramMoveDownCommand);
    clickBox(tree().rootNode()->child(0));
    tree().setCurrentItem(tree().rootNode()->child(2));
    tree().RunPopupCommand(ProgramDeleteCommand);
    const auto names = [&] {
        QStringList list;
        for (const auto& program : data.programs)
            list << program->name + QString::number(program->check);
        return list;
    };
    EXPECT_EQ(names(), (QStringList { u"Text21"_qs, u"Text11"_qs, u"Text41"_qs }));
    frame->OnCommand(EditUndoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text21"_qs, u"Text11"_qs, u"Text31"_qs, u"Text41"_qs }));
    frame->OnCommand(EditUndoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text20"_qs, u"Text11"_qs, u"Text31"_qs, u"Text41"_qs }));
    frame->OnCommand(EditUndoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text11"_qs, u"Text20"_qs, u"Text31"_qs, u"Text41"_qs }));
    frame->OnCommand(EditUndoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text11"_qs, u"Text20"_qs, u"Text31"_qs }));
    frame->OnCommand(EditRedoCommand);
    EXPECT_EQ(names(), (QStringList { u"Text11"_qs, u"Text20"_qs, u"Text31"_qs, u"Text41"_qs }));

    // Another file starts with nothing to undo.
    script.answers.push_back(SaveAnswer::No);
    frame->OnCommand(CloseCommand);
    EXPECT_FALSE(frame->action(EditUndoCommand)->isEnabled());
}

TEST_F(UserChoicesTest, AutoFollowsTheLocaleAtEveryStart)
{
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
    writeSettings([](AppData& settings) {
        settings.lan = 0;
        settings.lanID = 1041;
    });
    start();
    EXPECT_EQ(data.lanID, 1031);
    frame.reset();
    // A language chosen by name wins over the locale.
    writeSettings([](AppData& settings) {
        settings.lan = 6;
        settings.lanID = 1041;
    });
    data = AppData();
    start();
    EXPECT_EQ(data.lanID, 1041);
    if (saved.isNull())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", saved);
}

} // namespace
} // namespace tessel::test
