// The preview as a user meets it: fitted to its pane until a zoom is chosen,
// and playing the programs as the badge would.
#include "MainFrameTestSupport.h"

#include "render/BadgePlayback.h"
#include "render/ScreenGeometry.h"
#include "ui/mainframe/MenuIds.h"
#include "ui/preview/PreviewDialog.h"
#include "ui/preview/PreviewForm.h"
#include "ui/preview/PreviewPlayer.h"
#include "ui/property/PropertyForm.h"
#include "ui/property/PropertyFormIds.h"

#include <QComboBox>
#include <QTest>
#include <QTextEdit>

namespace tessel::test {
namespace {

class PreviewPlaybackTest : public StartedMainFrameTest {
protected:
    PreviewDialog& preview() const { return *frame->previewPane()->previewDialog(); }
    PreviewPlayer& player() const { return frame->previewPlayer(); }

    // The largest zoom at which 48 × 12 LEDs fit the pane, with room for the
    // caption and a scroll bar.
    int expectedFit() const
    {
        const QSize pane = frame->previewPane()->size();
        const int bar = preview().style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        return std::clamp(std::min((pane.width() - 4) / 48, (pane.height() - 24 - bar) / 12), 1, 16);
    }

    void addScrollingText()
    {
        frame->OnCommand(ToolbarAddText);
        frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Hello, badge"));
        // Scrolling, as the user picks it in the effect list.
        auto* effect = qobject_cast<QComboBox*>(frame->propertyPane()->control(EffectActionList));
        ASSERT_TRUE(effect);
        effect->setCurrentIndex(2);
        frame->RefreshPreview();
        ASSERT_EQ(data.programs.back()->text()->action, 2);
    }
};

TEST_F(PreviewPlaybackTest, TheZoomFitsThePaneUntilTheUserChoosesOne)
{
    frame->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(preview().fitted());
    EXPECT_EQ(preview().zoom(), expectedFit());
    EXPECT_GT(preview().zoom(), 1);
    EXPECT_EQ(data.previewZoom, FittedPreviewZoom);
    EXPECT_FALSE(frame->action(ViewFitCommand)->isEnabled());

    frame->resize(frame->minimumSize());
    QCoreApplication::processEvents();
    EXPECT_EQ(preview().zoom(), expectedFit());

    frame->OnCommand(ViewZoomOutCommand);
    EXPECT_FALSE(preview().fitted());
    const int chosen = preview().zoom();
    EXPECT_EQ(data.previewZoom, chosen);
    frame->resize(1137, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview().zoom(), chosen);

    QTest::keyClick(frame.get(), Qt::Key_9, Qt::ControlModifier);
    EXPECT_TRUE(preview().fitted());
    EXPECT_EQ(preview().zoom(), expectedFit());
    EXPECT_EQ(data.previewZoom, FittedPreviewZoom);
}

TEST_F(PreviewPlaybackTest, PlayShowsTheBadgesScreenAndStopReturnsToThePicture)
{
    addScrollingText();
    const QImage still = preview().picture();
    EXPECT_FALSE(frame->action(ViewStopCommand)->isEnabled());

    frame->OnCommand(ViewPlayCommand);
    ASSERT_TRUE(player().playing());
    EXPECT_EQ(player().scope(), PlaybackScope::Program);
    EXPECT_TRUE(frame->action(ViewStopCommand)->isEnabled());
    // The scroll starts dark and moves a column at a time.
    EXPECT_EQ(preview().shownPicture().size(), QSize(48, 12));
    EXPECT_EQ(preview().shownPicture(), player().playback().ledsAt(0));
    player().advance(2000);
    EXPECT_EQ(preview().shownPicture(), player().playback().ledsAt(2000));
    EXPECT_NE(preview().shownPicture(), player().playback().ledsAt(0));
    EXPECT_EQ(preview().picture(), still);

    // An edit starts the changed program again.
    frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Changed"));
    frame->RefreshPreview();
    EXPECT_TRUE(player().playing());
    EXPECT_EQ(player().position(), 0);

    frame->OnCommand(ViewStopCommand);
    EXPECT_FALSE(player().playing());
    EXPECT_EQ(preview().shownPicture(), preview().picture());
    EXPECT_FALSE(frame->action(ViewStopCommand)->isEnabled());
}

TEST_F(PreviewPlaybackTest, PlayAllPlaysTheTickedListAndSpaceToggles)
{
    addScrollingText();
    addScrollingText();
    data.programs[0]->check = 0;
    frame->OnCommand(ViewPlayAllCommand);
    ASSERT_TRUE(player().playing());
    EXPECT_EQ(player().scope(), PlaybackScope::List);
    EXPECT_EQ(player().playback().programCount(), 1);
    EXPECT_EQ(player().playback().listIndex(0), 1);
    frame->OnCommand(ViewStopCommand);

    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->activateWindow();
    frame->previewPane()->setFocus();
    QTest::keyClick(frame->previewPane(), Qt::Key_Space);
    EXPECT_TRUE(player().playing());
    QTest::keyClick(frame->previewPane(), Qt::Key_Space);
    EXPECT_FALSE(player().playing());
}

TEST_F(PreviewPlaybackTest, TheClockStandsStillWhileTheWindowIsHidden)
{
    addScrollingText();
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->OnCommand(ViewPlayCommand);
    EXPECT_TRUE(waitUntil([&] { return player().position() > 0; }, 2000));
    frame->hide();
    QTest::qWait(100);
    const int64_t held = player().position();
    QTest::qWait(300);
    EXPECT_EQ(player().position(), held);
    frame->show();
    EXPECT_TRUE(waitUntil([&] { return player().position() != held; }, 2000));
}

} // namespace
} // namespace tessel::test
