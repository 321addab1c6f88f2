#include "MainFrameTestSupport.h"

#include "device/SendSession.h"
#include "render/DeviceImage.h"
#include "render/ScreenGeometry.h"
#include "ui/property/PropertyForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <chrono>

namespace tessel::test {
namespace {

class MainFrameDeviceTest : public StartedMainFrameTest {
protected:
    bool waitForIdle()
    {
        return waitUntil([&] { return !frame->session().running(); }, 5000);
    }
};

TEST_F(MainFrameDeviceTest, SendTransfersTheImageOfTheTickedProgramsWithTheirPendingEdits)
{
    frame->OnCommand(1101);
    frame->OnCommand(1101);
    frame->OnCommand(1102); // an image program without a picture
    frame->OnCommand(1101);
    data.programs[1]->check = 0;
    tree().setCurrentItem(tree().rootNode()->child(3));
    // Typed but not yet stored: the send stores it first.
    frame->propertyPane()->visibleEditor()->setPlainText(
        QStringLiteral("Hello badge, a long text of many columns"));

    frame->OnCommand(1111);
    EXPECT_FALSE(frame->mainToolBar()->isEnabled());
    EXPECT_EQ(frame->statusText(), texts.msg(7));
    ASSERT_TRUE(waitForIdle());

    EXPECT_EQ(frame->statusText(), texts.tip(7));
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
    EXPECT_TRUE(badge.transferComplete());
    const QByteArray expected = BuildDeviceImage(data, BadgeGeometry(12, 48, 0), exeDir).bytes;
    EXPECT_EQ(badge.receivedImage(), expected);
    EXPECT_TRUE(data.programs[3]->text()->save.contains(QStringLiteral("Hello badge")));
    const int packets = static_cast<int>((expected.size() + 55) / 56);
    EXPECT_GT(packets, 1);
    EXPECT_EQ(frame->progressBar()->maximum(), packets);
    EXPECT_EQ(frame->progressBar()->value(), packets);
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainFrameDeviceTest, BrightnessIsChosenInThePopupAndSentByTheButton)
{
    frame->OnCommand(622);
    EXPECT_EQ(data.bright, 2);
    const QList<QAction*> items = frame->brightnessPopup()->actions();
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_TRUE(items[2]->isChecked());
    EXPECT_EQ(badge.openCount(), 0);
    // The item that carries the mark changes nothing.
    frame->OnCommand(622);
    EXPECT_TRUE(items[2]->isChecked());

    frame->OnCommand(1110);
    ASSERT_TRUE(waitForIdle());
    ASSERT_TRUE(badge.brightness().has_value());
    EXPECT_EQ(*badge.brightness(), 2);
    EXPECT_EQ(frame->statusText(), texts.tip(6));
}

TEST_F(MainFrameDeviceTest, ADeviceCommandDuringAnExchangeIsIgnored)
{
    badge.setFaults({ .late = true });
    frame->OnCommand(740);
    ASSERT_TRUE(frame->session().running());
    EXPECT_EQ(frame->statusText(), texts.msg(0));
    frame->OnCommand(742);
    frame->OnCommand(745);
    EXPECT_EQ(frame->session().operation(), DeviceOperation::Search);
    EXPECT_EQ(frame->statusText(), texts.msg(0));
    badge.releaseLateReplies();
    waitUntil(
        [&] {
            badge.releaseLateReplies();
            return !frame->session().running();
        },
        5000);
    EXPECT_EQ(frame->statusText(), texts.tip(0));
    EXPECT_EQ(badge.commandsReceived(), (std::vector<uint8_t> { 0x00, 0x02 }));
}

TEST_F(MainFrameDeviceTest, ClearScreenAndTheRestrictedToolsItems)
{
    frame->OnCommand(1108);
    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(frame->statusText(), texts.tip(4));
    const int opens = badge.openCount();
    for (int command : { 741, 743, 747, 748 }) {
        EXPECT_FALSE(frame->action(command)->isEnabled());
        frame->OnCommand(command);
    }
    EXPECT_EQ(badge.openCount(), opens);
    EXPECT_FALSE(frame->session().running());
}

TEST_F(MainFrameDeviceTest, NoBadgeAttachedIsToldAtOnce)
{
    badge.setAttachment(Attachment::Absent);
    frame->OnCommand(1100);
    EXPECT_FALSE(frame->session().running());
    EXPECT_EQ(frame->statusText(), texts.tip(18));
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
}

TEST_F(MainFrameDeviceTest, NothingTickedSendsOnlyTheHandshake)
{
    frame->OnCommand(1101);
    data.programs[0]->check = 0;
    frame->OnCommand(1111);
    ASSERT_TRUE(waitForIdle());
    EXPECT_EQ(frame->statusText(), texts.tip(23));
    EXPECT_EQ(badge.commandsReceived(), (std::vector<uint8_t> { 0x00 }));
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
}

TEST_F(MainFrameDeviceTest, TheSerialInterfaceDoesNothing)
{
    data.commType = 1;
    frame->OnCommand(1100);
    EXPECT_FALSE(frame->session().running());
    EXPECT_EQ(badge.openCount(), 0);
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
}

TEST_F(MainFrameDeviceTest, ABadgeThatStopsAnsweringEndsWithAnEmptyText)
{
    frame->OnCommand(1101);
    frame->propertyPane()->visibleEditor()->setPlainText(QString(40, QLatin1Char('W')));
    BadgeFaults faults;
    faults.silentFromDataPacket = 1;
    badge.setFaults(faults);
    frame->OnCommand(1111);
    ASSERT_TRUE(waitUntil([&] { return !frame->session().running(); }, 10000));
    EXPECT_EQ(frame->statusText(), QString());
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
    EXPECT_FALSE(badge.isOpen());
}

TEST_F(MainFrameDeviceTest, ASilentBadgeTimesOutNeverBeforeHalfASecond)
{
    BadgeFaults silent;
    silent.silent = true;
    badge.setFaults(silent);
    // A coarse timer moves its expiry by up to 5 % toward a round fraction
    // of the monotonic clock's second; armed 100 ms past a half second, it
    // would fire 25 ms early.
    const auto phase = [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(now).count() % 500;
    };
    while (phase() < 100 || phase() > 110)
        QThread::usleep(200);
    QElapsedTimer clock;
    clock.start();
    frame->OnCommand(1100);
    ASSERT_TRUE(waitForIdle());
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(frame->statusText(), texts.tip(19));
    EXPECT_GE(elapsed, 500);
}

TEST_F(MainFrameDeviceTest, WithAfterExcuteTheOutcomeComesInAMessageBoxCaptionedTessel)
{
    data.afterExcute = 1;
    QString caption;
    QString text;
    // The message box is modal: read and close it as soon as it shows.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    closer.start(20);
    frame->OnCommand(1100);
    ASSERT_TRUE(waitUntil([&] { return !frame->session().running() && !caption.isEmpty(); }, 5000));
    EXPECT_EQ(caption, QStringLiteral("Tessel"));
    EXPECT_EQ(text, texts.tip(0));
    EXPECT_TRUE(frame->mainToolBar()->isEnabled());
}

} // namespace
} // namespace tessel::test
