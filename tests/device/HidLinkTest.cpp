#include "FakeHost.h"
#include "TestTexts.h"

#include "device/BadgeSimulator.h"
#include "device/HidLink.h"
#include "device/HidapiTransport.h"
#include "device/ScreenParaExchange.h"
#include "device/SendSession.h"
#include "model/AppData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace tessel;

namespace {

// Runs the event loop until `done` holds or `ms` pass.
template <class Done> bool WaitFor(Done done, int ms = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

std::array<uint8_t, ReportSize> HandshakeReport()
{
    std::array<uint8_t, ReportSize> report {};
    BuildHandshakePacket(PacketOfReport(report), 0);
    return report;
}

int RepliesRead(const BadgeSimulator& badge)
{
    int count = 0;
    for (const RecordedPacket& p : badge.recordedPackets())
        count += p.direction == PacketDirection::FromBadge;
    return count;
}

TEST(HidLink, NoBadgeFailsAtOnceWithoutAReader)
{
    BadgeSimulator badge;
    badge.setAttachment(Attachment::Absent);
    QObject target;
    HidLink link(badge, &target);
    EXPECT_EQ(link.OpenLink([](const QByteArray&) {}), LinkOpenResult::NotFound);
    EXPECT_FALSE(link.isOpen());
    auto report = HandshakeReport();
    EXPECT_EQ(link.WriteReport(report), 0);
}

TEST(HidLink, HidapiWithoutABadgeReportsNotFoundAtOnce)
{
    HidapiTransport transport;
    QElapsedTimer clock;
    clock.start();
    const LinkOpenResult result = transport.open(BadgeVendorId, BadgeProductId);
    if (result == LinkOpenResult::Opened)
        GTEST_SKIP() << "a badge is attached";
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_NE(result, LinkOpenResult::Opened);
    std::array<uint8_t, 4> buffer {};
    EXPECT_EQ(transport.write(buffer), 0);
    EXPECT_LT(transport.read(buffer, 0), 0);
}

TEST(HidLink, EveryReportArrivesAsItsOwnCopy)
{
    BadgeSimulator badge;
    QObject target;
    HidLink link(badge, &target);
    std::vector<QByteArray> replies;
    ASSERT_EQ(link.OpenLink([&](const QByteArray& reply) { replies.push_back(reply); }), LinkOpenResult::Opened);
    auto report = HandshakeReport();
    report[0] = 0x55; // the link writes report identifier 0
    ASSERT_EQ(link.WriteReport(report), ReportSize);
    ASSERT_EQ(link.WriteReport(report), ReportSize);
    ASSERT_TRUE(WaitFor([&] { return replies.size() == 2; }));
    EXPECT_EQ(replies[0].size(), 64);
    EXPECT_EQ(replies[0][1], 0x01);
    EXPECT_EQ(replies[0], replies[1]);
    EXPECT_EQ(badge.faultCount(), 0);
    link.CloseLink();
    EXPECT_FALSE(badge.isOpen()); // the reader closed the device before CloseLink returned
}

TEST(HidLink, RepliesOfAnEarlierOpenAreDropped)
{
    BadgeSimulator badge;
    badge.setPacketRecording(PacketRecording::On);
    QObject target;
    HidLink link(badge, &target);
    int first = 0;
    int second = 0;
    ASSERT_EQ(link.OpenLink([&](const QByteArray&) { ++first; }), LinkOpenResult::Opened);
    auto report = HandshakeReport();
    link.WriteReport(report);
    // The reader has read the answer, but its delivery still waits in the
    // event queue when the link closes and opens again.
    QElapsedTimer clock;
    clock.start();
    while (RepliesRead(badge) == 0 && clock.elapsed() < 3000)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ(RepliesRead(badge), 1);
    link.CloseLink();
    ASSERT_EQ(link.OpenLink([&](const QByteArray&) { ++second; }), LinkOpenResult::Opened);
    EXPECT_EQ(badge.openCount(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);

    // The second open has a reader of its own.
    link.WriteReport(report);
    EXPECT_TRUE(WaitFor([&] { return second == 1; }));
    EXPECT_EQ(first, 0);
}

// With a reader that would otherwise wait an hour between reads, only the
// wake of the write can fetch the reply; the stop request still ends it.
TEST(HidLink, AWriteWakesTheReaderForTheReply)
{
    BadgeSimulator badge;
    QObject target;
    HidLink link(badge, &target, std::chrono::hours(1));
    int replies = 0;
    ASSERT_EQ(link.OpenLink([&](const QByteArray&) { ++replies; }), LinkOpenResult::Opened);
    auto report = HandshakeReport();
    for (int written = 1; written <= 3; ++written) {
        ASSERT_EQ(link.WriteReport(report), ReportSize);
        EXPECT_TRUE(WaitFor([&] { return replies == written; }));
    }
    link.CloseLink();
    EXPECT_FALSE(badge.isOpen());
}

TEST(StopEvent, AWakeEndsOneWaitWithoutStopping)
{
    StopEvent event;
    event.wake(); // before the wait: the next wait ends at once
    EXPECT_FALSE(event.waitFor(std::chrono::hours(1)));
    EXPECT_FALSE(event.waitFor(std::chrono::milliseconds(0))); // the wake was used up
    event.wake();
    event.reset(); // a new open forgets an earlier wake
    EXPECT_FALSE(event.waitFor(std::chrono::milliseconds(0)));
    event.wake();
    event.set();
    EXPECT_TRUE(event.waitFor(std::chrono::hours(1)));
    EXPECT_TRUE(event.waitFor(std::chrono::hours(1))); // stays signalled
}

TEST(HidLink, DestroyingTheOwnerStopsTheReader)
{
    BadgeSimulator badge;
    QObject target;
    {
        HidLink link(badge, &target);
        ASSERT_EQ(link.OpenLink([](const QByteArray&) {}), LinkOpenResult::Opened);
        EXPECT_TRUE(badge.isOpen());
    }
    EXPECT_FALSE(badge.isOpen());
}

// The owner's side with real window-style timers.
template <class Host> class TimerHost : public Host {
public:
    std::function<void(int)> onTimer;

    void armTimer(ExchangeTimer id, int intervalMs) override
    {
        auto& timer = timers_[id];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            QObject::connect(timer.get(), &QTimer::timeout, [this, id] { onTimer(id); });
        }
        timer->start(intervalMs);
    }
    void stopTimer(ExchangeTimer id) override
    {
        if (auto it = timers_.find(id); it != timers_.end())
            it->second->stop();
    }
    void setStatusText(const QString& text) override { status = text; }
    void disableToolBar() override { toolBarEnabled = false; }
    void enableToolBar() override { toolBarEnabled = true; }
    void showMessageBox(const QString&, const QString&) override { }

    QString status;
    bool toolBarEnabled = true;

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

class SendTimerHost final : public TimerHost<SendSessionHost> {
public:
    void setProgressRange(int, int maximum) override { progressMaximum = maximum; }
    void setProgressPosition(int position) override { progress = position; }
    int progressMaximum = 0;
    int progress = 0;
};

TEST(HidLinkEndToEnd, SendWithTheReaderThreadAndAnEventLoop)
{
    AppData data;
    BadgeSimulator badge;
    QObject window;
    HidLink link(badge, &window);
    SendTimerHost host;
    QByteArray image(5 * 56 - 3, '\x5A');
    image[0] = 5;
    SendSession session(data, test::TestTexts(), link, host, [&](const ScreenGeometry&) {
        return DeviceImageBuild { image, 1, false };
    });
    host.onTimer = [&](int id) { session.OnTimer(id); };

    session.RunDeviceCommand(DeviceOperation::Send);
    ASSERT_TRUE(WaitFor([&] { return !session.running(); }));
    EXPECT_EQ(session.result(), ExchangeResult::SendDone);
    EXPECT_EQ(host.status, "\tTIP7");
    EXPECT_EQ(host.progress, 5);
    EXPECT_EQ(host.progressMaximum, 5);
    EXPECT_TRUE(host.toolBarEnabled);
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(badge.isOpen());
    EXPECT_EQ(badge.receivedImage(), image);
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join('\n').toStdString();

    // The status pane empties 2 s later.
    EXPECT_TRUE(WaitFor([&] { return host.status.isEmpty(); }, 4000));
}

} // namespace
