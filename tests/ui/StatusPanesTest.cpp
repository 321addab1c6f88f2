#include "MainFrameTestSupport.h"

#include "device/BadgeEnumerator.h"
#include "device/SendSession.h"
#include "render/DeviceImage.h"
#include "render/ScreenGeometry.h"
#include "ui/mainframe/BadgePresencePane.h"
#include "ui/ElidedLabel.h"
#include "ui/property/PropertyForm.h"
#include "ui/mainframe/SendCostPane.h"

#include <QProgressBar>
#include <QStatusBar>
#include <QTextEdit>

namespace tessel::test {
namespace {

// Lists what the test says is attached and counts the listings.
struct FakeEnumerator final : BadgeEnumerator {
    struct State {
        bool attached = false;
        int listings = 0;
    };
    explicit FakeEnumerator(State& state)
        : state(state)
    {
    }
    BadgeListing listBadges() override
    {
        ++state.listings;
        BadgeListing listing;
        if (state.attached)
            listing.badges.push_back(SimulatedBadge());
        return listing;
    }
    State& state;
};

class StatusPanesTest : public StartedMainFrameTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StartedMainFrameTest::SetUp());
        frame->presencePane().setEnumerator(std::make_unique<FakeEnumerator>(enumerator));
    }

    QString presenceText() const
    {
        const auto panes = frame->statusBar()->findChildren<ElidedLabel*>(Qt::FindDirectChildrenOnly);
        return panes.size() == 2 ? panes[1]->fullText() : QString();
    }

    QString further(QStringView key) const { return texts.textOr(key, QString()); }

    // The image a send would build at the geometry the preview shows.
    qsizetype previewImageSize() const
    {
        ScreenGeometry geometry = PreviewGeometry(data.screenPara);
        ComputeScreenGeometry(geometry);
        return BuildDeviceImage(data, geometry, exeDir).bytes.size();
    }

    FakeEnumerator::State enumerator;
};

TEST_F(StatusPanesTest, PresencePaneFollowsTheListingInTheLanguageInForce)
{
    enumerator.attached = true;
    frame->presencePane().refresh();
    EXPECT_EQ(presenceText(), further(u"badgeConnected"));

    enumerator.attached = false;
    frame->presencePane().refresh();
    EXPECT_EQ(presenceText(), further(u"noBadge"));

    frame->OnLanguageCommand(775); // German
    EXPECT_EQ(presenceText(), QStringLiteral("Kein Schild"));
    EXPECT_EQ(badge.openCount(), 0);
}

TEST_F(StatusPanesTest, NoListingWhileAnExchangeRuns)
{
    enumerator.attached = true;
    frame->presencePane().refresh();
    const int before = enumerator.listings;

    // The search has opened the badge; its answer is not yet handled.
    frame->OnCommand(1100);
    ASSERT_TRUE(frame->session().running());
    enumerator.attached = false;
    frame->presencePane().refresh();
    EXPECT_EQ(enumerator.listings, before);
    EXPECT_EQ(presenceText(), further(u"badgeConnected"));

    ASSERT_TRUE(waitUntil([&] { return !frame->session().running(); }, 5000));
    frame->presencePane().refresh();
    EXPECT_GT(enumerator.listings, before);
    EXPECT_EQ(presenceText(), further(u"noBadge"));
}

TEST_F(StatusPanesTest, CostPaneCountsTheTickedProgramsAfterEachEdit)
{
    SendCostPane& cost = frame->costPane();
    cost.update();
    EXPECT_EQ(cost.imageBytes(), 0);
    EXPECT_EQ(cost.packets(), 0);

    // Added programs are ticked; the pane catches up without being asked.
    frame->OnCommand(1101);
    frame->OnCommand(1101);
    ASSERT_TRUE(waitUntil([&] { return cost.imageBytes() > 0; }, 5000));
    tree().setCurrentItem(tree().rootNode()->child(1));
    frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("A text long enough to scroll by"));
    cost.update();
    const qsizetype two = previewImageSize();
    EXPECT_EQ(cost.imageBytes(), two);
    EXPECT_EQ(cost.packets(), (two + 55) / 56);
    EXPECT_EQ(cost.text(), further(u"sendCost").arg(isolated(QString::number(two)), isolated(QString::number((two + 55) / 56))));
    EXPECT_EQ(frame->progressBar()->format(), cost.text());

    // Unticking in the tree leaves only the first program.
    tree().rootNode()->child(1)->setCheckState(0, Qt::Unchecked);
    ASSERT_TRUE(waitUntil([&] { return cost.imageBytes() != two; }, 5000));
    EXPECT_EQ(cost.imageBytes(), previewImageSize());
    EXPECT_LT(cost.imageBytes(), two);

    tree().rootNode()->child(0)->setCheckState(0, Qt::Unchecked);
    ASSERT_TRUE(waitUntil([&] { return cost.packets() == 0; }, 5000));
    EXPECT_EQ(cost.imageBytes(), 0);

    tree().rootNode()->child(1)->setCheckState(0, Qt::Checked);
    ASSERT_TRUE(waitUntil([&] { return cost.imageBytes() > 0; }, 5000));
    EXPECT_EQ(cost.imageBytes(), previewImageSize());
}

TEST_F(StatusPanesTest, CostPaneUsesThePreviewGeometry)
{
    frame->OnCommand(1101);
    tree().setCurrentItem(tree().rootNode()->child(0));
    frame->propertyPane()->visibleEditor()->setPlainText(QStringLiteral("Sixteen rows"));
    frame->costPane().update();
    const qsizetype twelveRows = frame->costPane().imageBytes();

    data.screenPara.yIndex = 2; // 16 rows
    frame->costPane().update();
    EXPECT_EQ(frame->costPane().imageBytes(), previewImageSize());
    EXPECT_GT(frame->costPane().imageBytes(), twelveRows);
}

TEST_F(StatusPanesTest, CountingAnOpenedListLeavesItUnchanged)
{
    frame.reset();
    start(exeDir + writeProgramList(QStringLiteral("three.led"), 3));
    ASSERT_EQ(data.programs.size(), 3u);
    frame->costPane().update();
    EXPECT_EQ(frame->costPane().imageBytes(), previewImageSize());
    EXPECT_EQ(data.modified, 0);
}

} // namespace
} // namespace tessel::test
