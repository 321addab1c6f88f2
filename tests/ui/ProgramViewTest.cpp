#include "MainFrameTestSupport.h"

#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleOptionViewItem>

namespace tessel::test {
namespace {

class ProgramViewTest : public StartedMainFrameTest {
protected:
    void addTexts(int count)
    {
        for (int i = 0; i < count; ++i)
            frame->OnCommand(1101);
    }

    QTreeWidgetItem* node(int index) const { return tree().rootNode()->child(index); }
    Program& program(int index) const { return *data.programs.at(index); }

    QStringList names() const
    {
        QStringList list;
        for (const auto& p : data.programs)
            list << p->name;
        return list;
    }

    // Right-clicks the node and chooses the pop-up item with this command
    // (none: the pop-up is closed); the pop-up's items are recorded.
    void rightClick(QTreeWidgetItem* target, int command)
    {
        popupItems.clear();
        tree().setPopupRunner([this, command](QMenu& popup, const QPoint&) -> QAction* {
            QAction* chosen = nullptr;
            for (QAction* item : popup.actions()) {
                popupItems.push_back({ item->data().toInt(), item->isEnabled() });
                if (item->data().toInt() == command)
                    chosen = item;
            }
            return chosen;
        });
        const QPoint at = tree().visualItemRect(target).center();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), QPointF(tree().viewport()->mapToGlobal(at)),
            Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree().viewport(), &press);
    }

    std::vector<std::pair<int, bool>> popupItems;
};

TEST_F(ProgramViewTest, TheRootPopupOffersDeleteAndTheAddItemsOfTheOfferedKinds)
{
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(0));
    rightClick(tree().rootNode(), 0);
    EXPECT_EQ(popupItems,
        (std::vector<std::pair<int, bool>> {
            { 600, true }, { 601, true }, { 602, true }, { 603, false }, { 604, false }, { 605, false } }));
    rightClick(tree().rootNode(), 602);
    ASSERT_EQ(data.programs.size(), 1u);
    EXPECT_EQ(program(0).type, static_cast<uint8_t>(ItemKind::Image));
}

TEST_F(ProgramViewTest, AnAddedTextProgramIsLabelledTickedAndSelected)
{
    addTexts(1);
    ASSERT_EQ(tree().rootNode()->childCount(), 1);
    EXPECT_EQ(node(0)->text(0), text(u"text") + QStringLiteral("1(Welcome)"));
    EXPECT_EQ(node(0)->checkState(0), Qt::Checked);
    EXPECT_FALSE(node(0)->icon(0).isNull());
    EXPECT_EQ(tree().currentItem(), node(0));
    EXPECT_EQ(tree().SelectedProgram(), &program(0));
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(1));
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(frame->propertyPane()->shownKind(), static_cast<uint8_t>(ItemKind::Text));
}

TEST_F(ProgramViewTest, AThirteenthProgramIsNotAdded)
{
    addTexts(12);
    data.modified = 0;
    frame->OnCommand(1102);
    EXPECT_EQ(data.programs.size(), 12u);
    EXPECT_EQ(tree().rootNode()->childCount(), 12);
    EXPECT_EQ(data.modified, 1);
}

TEST_F(ProgramViewTest, DeletingTheMiddleProgramSelectsTheNextOne)
{
    addTexts(3);
    const QString last = program(2).name;
    tree().setCurrentItem(node(1));
    frame->OnCommand(1106);
    ASSERT_EQ(data.programs.size(), 2u);
    EXPECT_EQ(tree().SelectedProgram()->name, last);
    EXPECT_EQ(tree().currentItem(), node(1));
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(2));
}

TEST_F(ProgramViewTest, DeletingTheOnlyProgramSelectsTheRootAndHidesThePane)
{
    addTexts(1);
    frame->OnCommand(720);
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(tree().currentItem(), tree().rootNode());
    EXPECT_EQ(frame->propertyPane()->shownKind(), NoKindShown);
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(0));
}

TEST_F(ProgramViewTest, DeletingTheRootDeletesEveryProgram)
{
    addTexts(3);
    rightClick(tree().rootNode(), 600);
    EXPECT_TRUE(data.programs.empty());
    EXPECT_EQ(data.programCount, 0);
    EXPECT_EQ(tree().rootNode()->childCount(), 0);
    EXPECT_EQ(tree().rootNode()->text(0), rootLabel(0));
}

TEST_F(ProgramViewTest, TheRightClickedProgramIsDeletedNotTheSelectedOne)
{
    addTexts(3);
    const QStringList before = names();
    tree().setCurrentItem(node(2));
    rightClick(node(0), 610);
    EXPECT_EQ(names(), (QStringList { before[1], before[2] }));
}

TEST_F(ProgramViewTest, MovingKeepsTheNodesAndExchangesTheirPrograms)
{
    addTexts(3);
    const QStringList before = names();
    tree().setCurrentItem(node(0));
    data.modified = 0;
    rightClick(node(0), 611); // first up: nothing
    rightClick(node(2), 612); // last down: nothing
    EXPECT_EQ(names(), before);
    EXPECT_EQ(data.modified, 0);

    rightClick(node(0), 612);
    EXPECT_EQ(names(), (QStringList { before[1], before[0], before[2] }));
    EXPECT_EQ(data.modified, 1);
    EXPECT_TRUE(node(1)->text(0).startsWith(before[0]));
    EXPECT_TRUE(node(0)->text(0).startsWith(before[1]));
    EXPECT_EQ(tree().SelectedProgram(), &program(1));
    EXPECT_EQ(program(1).treeItem, node(1));
}

TEST_F(ProgramViewTest, TheRootTicksAllAndTickingMarksTheListModified)
{
    addTexts(3);
    data.modified = 0;
    tree().rootNode()->setCheckState(0, Qt::Unchecked);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(program(i).check, 0);
        EXPECT_EQ(node(i)->checkState(0), Qt::Unchecked);
    }
    EXPECT_EQ(data.modified, 1) << "the ticks are saved with the list";
    data.modified = 0;
    node(1)->setCheckState(0, Qt::Checked);
    EXPECT_EQ(program(1).check, 1);
    EXPECT_EQ(tree().rootNode()->checkState(0), Qt::Unchecked);
    EXPECT_EQ(data.modified, 1);
}

TEST_F(ProgramViewTest, ClickingACheckBoxSelectsItsProgramFirst)
{
    addTexts(3);
    tree().setCurrentItem(node(2));
    data.modified = 0;
    const QRect row = tree().visualItemRect(node(0));
    QStyleOptionViewItem option;
    option.initFrom(&tree());
    option.rect = row;
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QPoint box
        = tree().style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &tree()).center();
    ASSERT_TRUE(row.contains(box));
    for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent click(type, QPointF(box), QPointF(tree().viewport()->mapToGlobal(box)), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree().viewport(), &click);
    }
    EXPECT_EQ(tree().SelectedProgram(), &program(0));
    EXPECT_EQ(program(0).check, 0);
    EXPECT_EQ(node(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(data.modified, 1);
}

TEST_F(ProgramViewTest, AfterADeletionTheNextSelectionChangeStoresThePane)
{
    addTexts(3);
    tree().setCurrentItem(node(0));
    frame->OnCommand(1106);
    ASSERT_EQ(tree().SelectedProgram(), &program(0));
    // An edit that does not refresh the preview: only the store keeps it.
    auto* speed = qobject_cast<QComboBox*>(frame->propertyPane()->control(EffectSpeedList));
    ASSERT_NE(speed, nullptr);
    const int chosen = speed->currentIndex() == 3 ? 4 : 3;
    speed->setCurrentIndex(chosen);
    Program& edited = program(0);
    tree().setCurrentItem(node(1));
    ASSERT_NE(edited.text(), nullptr);
    EXPECT_EQ(edited.text()->speed, chosen);
}

TEST_F(ProgramViewTest, ARightClickOnEmptySpaceSelectsNothing)
{
    addTexts(1);
    const QPoint below(20, tree().viewport()->height() - 5);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(below),
        QPointF(tree().viewport()->mapToGlobal(below)), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree().viewport(), &press);
    EXPECT_EQ(tree().currentItem(), nullptr);
    EXPECT_EQ(tree().SelectedProgram(), nullptr);
    EXPECT_EQ(frame->propertyPane()->shownKind(), NoKindShown);
}

} // namespace
} // namespace tessel::test
