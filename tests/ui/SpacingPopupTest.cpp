// The character spacing and vertical offset pop-ups: their range, labels,
// steps and where they open.
#include "PropertyFormTest.h"

#include "ui/property/CharSpacingDialog.h"
#include "ui/property/YOffsetDialog.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace tessel::testing {
namespace {

using SpacingPopupTest = PaneTest;

TEST_F(SpacingPopupTest, ASpacingBeyondTheRangeIsCutAndStored)
{
    build();
    Program& program = add(ItemKind::Text);
    reload(program, [](Program& changed) { changed.text()->charSpacing = 7; }); // as from a file
    data.modified = 0;
    pane->formatAction(CharSpacingCommand)->trigger();
    CharSpacingDialog* popup = pane->charSpacingDialog();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->value(), 5);
    EXPECT_EQ(program.text()->charSpacing, 5);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(popup->label()->text(), texts.text(u"charSpace_") + u"4"_qs);
    popup->close();
    EXPECT_FALSE(popup->isVisible());
}

TEST_F(SpacingPopupTest, LabelsShowWhatTheValueMeans)
{
    build();
    add(ItemKind::Text);
    pane->formatAction(CharSpacingCommand)->trigger();
    CharSpacingDialog* spacing = pane->charSpacingDialog();
    EXPECT_EQ(spacing->value(), 1); // a new program's spacing
    EXPECT_EQ(spacing->label()->text(), texts.text(u"charSpace_") + u"0"_qs);
    spacing->stepDown();
    EXPECT_EQ(spacing->label()->text(), texts.text(u"charSpace_") + u"-1"_qs);
    spacing->close();

    pane->formatAction(YOffsetCommand)->trigger();
    YOffsetDialog* offset = pane->yOffsetDialog();
    EXPECT_EQ(offset->value(), 5);
    EXPECT_EQ(offset->label()->text(), texts.text(u"yOffset_") + u"0"_qs);
    offset->slider()->setValue(10);
    EXPECT_EQ(offset->label()->text(), texts.text(u"yOffset_") + u"5"_qs);
    offset->slider()->setValue(0);
    EXPECT_EQ(offset->label()->text(), texts.text(u"yOffset_") + u"-5"_qs);
}

TEST_F(SpacingPopupTest, EveryStepStoresAndRefreshesAndTheEndsDoNothing)
{
    build();
    Program& program = add(ItemKind::Text);
    pane->formatAction(YOffsetCommand)->trigger();
    YOffsetDialog* offset = pane->yOffsetDialog();
    data.modified = 0;
    int before = refreshes;
    offset->plusButton()->click();
    EXPECT_EQ(program.text()->yOffset, 6);
    EXPECT_EQ(data.modified, 1);
    EXPECT_EQ(refreshes, before + 1);
    offset->slider()->setValue(10);
    data.modified = 0;
    before = refreshes;
    offset->plusButton()->click();
    EXPECT_EQ(offset->value(), 10);
    EXPECT_EQ(data.modified, 0);
    EXPECT_EQ(refreshes, before);

    pane->formatAction(CharSpacingCommand)->trigger();
    CharSpacingDialog* spacing = pane->charSpacingDialog();
    spacing->minusButton()->click();
    EXPECT_EQ(program.text()->charSpacing, 0);
    data.modified = 0;
    spacing->minusButton()->click();
    EXPECT_EQ(spacing->value(), 0);
    EXPECT_EQ(data.modified, 0);
    spacing->slider()->setValue(5);
    spacing->plusButton()->click();
    EXPECT_EQ(program.text()->charSpacing, 5);
}

TEST_F(SpacingPopupTest, NothingIsStoredWhileNoProgramIsLoaded)
{
    build();
    Program& program = add(ItemKind::Text);
    pane->formatAction(CharSpacingCommand)->trigger();
    pane->setLoaded(false);
    data.modified = 0;
    pane->charSpacingDialog()->plusButton()->click();
    EXPECT_EQ(program.text()->charSpacing, 1);
    EXPECT_EQ(data.modified, 0);
}

TEST_F(SpacingPopupTest, APopupOpensBelowTheToolBarLeftOfThePointer)
{
    build();
    add(ItemKind::Text);
    QCursor::setPos(QPoint(700, 300));
    const QPoint pointer = QCursor::pos();
    pane->formatAction(CharSpacingCommand)->trigger();
    const SpacingPopup* popup = pane->charSpacingDialog();
    QWidget* bar = pane->formatToolBar();
    EXPECT_TRUE(popup->windowFlags().testFlag(Qt::Popup));
    EXPECT_EQ(popup->size(), QSize(200, 60));
    EXPECT_EQ(popup->pos(), QPoint(pointer.x() - 100, bar->mapToGlobal(QPoint(0, bar->height())).y() + 10));
}

} // namespace
} // namespace tessel::testing
