#include "ExchangeFixture.h"
#include "TestTexts.h"

#include "device/DeviceSettingChoice.h"
#include "device/SendSession.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tessel;
using tessel::test::FakeSendHost;

namespace {

QByteArray Image(int length)
{
    QByteArray image(length, '\0');
    for (int i = 0; i < length; ++i)
        image[i] = static_cast<char>(i * 7 + 3);
    return image;
}

// The packets written to the badge with the given command code.
std::vector<QByteArray> Sent(const BadgeSimulator& badge, uint8_t code)
{
    std::vector<QByteArray> sent;
    for (const RecordedPacket& p : badge.recordedPackets())
        if (p.direction == PacketDirection::ToBadge && static_cast<uint8_t>(p.bytes[1]) == code)
            sent.push_back(p.bytes);
    return sent;
}

// A reply the session accepts by its checksum.
QByteArray ValidReply(uint8_t code)
{
    std::array<uint8_t, PacketSize> p {};
    BuildHandshakePacket(p, 0);
    p[1] = code;
    const uint16_t crc = ComputeChecksum(p.data(), ChecksumOffset);
    p[62] = static_cast<uint8_t>(crc);
    p[63] = static_cast<uint8_t>(crc >> 8);
    return QByteArray(reinterpret_cast<const char*>(p.data()), PacketSize);
}

class SendSessionTest : public test::ExchangeFixture<SendSessionTest, FakeSendHost> {
public:
    SendSession& underTest() { return session; }

protected:
    SendSessionTest() { badge.setPacketRecording(PacketRecording::On); }

    std::vector<uint8_t> commands() const { return badge.commandsReceived(); }

    DeviceImageBuild build { Image(100), 1, false };
    std::vector<ScreenGeometry> builtFor;
    SendSession session { data, test::TestTexts(), link, host, [this](const ScreenGeometry& geometry) {
                             builtFor.push_back(geometry);
                             return build;
                         } };
};

TEST_F(SendSessionTest, NoBadgeFailsAtOnce)
{
    badge.setAttachment(Attachment::Absent);
    session.RunDeviceCommand(DeviceOperation::Search);
    EXPECT_EQ(host.statusTexts, QStringList({ "\tMSG0", "\tTIP18" }));
    expectEnded(ExchangeResult::OpenFailed, "\tTIP18");
    EXPECT_EQ(session.openResult(), LinkOpenResult::NotFound);
    EXPECT_EQ(badge.writeCount(), 0);

    badge.setAttachment(Attachment::NoAccess);
    session.RunDeviceCommand(DeviceOperation::Search);
    expectEnded(ExchangeResult::OpenFailed, "\tTIP18");
    EXPECT_EQ(session.openResult(), LinkOpenResult::NoPermission);
}

TEST_F(SendSessionTest, EachToolCommandAndItsOutcome)
{
    struct Case {
        DeviceOperation operation;
        const char* startText;
        uint8_t command;
        ExchangeResult result;
        const char* outcome;
    };
    const Case cases[] = {
        { DeviceOperation::Search, "\tMSG0", 0x02, ExchangeResult::SearchDone, "\tTIP0" },
        { DeviceOperation::ClearScreen, "\tMSG4", 0x08, ExchangeResult::ClearDone, "\tTIP4" },
        { DeviceOperation::SetChargeIcon, "\tMSG5", 0x0C, ExchangeResult::ChargeIconDone, "\tTIP5" },
        { DeviceOperation::SetBrightness, "\tMSG6", 0x0A, ExchangeResult::BrightnessDone, "\tTIP6" },
    };
    for (const Case& c : cases) {
        host.statusTexts.clear();
        session.RunDeviceCommand(c.operation);
        EXPECT_EQ(host.status(), c.startText);
        EXPECT_FALSE(host.toolBarEnabled);
        EXPECT_EQ(host.armed[HandshakeTimer], 500);
        deliver();
        expectEnded(c.result, c.outcome);
        EXPECT_EQ(commands().back(), c.command);
    }
    EXPECT_EQ(badge.openCount(), 4);
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join('\n').toStdString();
}

TEST_F(SendSessionTest, BrightnessChosenAt33PercentIsSentAs2)
{
    EXPECT_EQ(SelectBrightness(data, 622), 0);
    EXPECT_EQ(SelectBrightness(data, 622), std::nullopt);
    EXPECT_EQ(SelectBrightness(data, 623), std::nullopt);
    EXPECT_EQ(badge.writeCount(), 0);
    session.RunDeviceCommand(DeviceOperation::SetBrightness);
    deliver();
    EXPECT_EQ(badge.brightness(), 2);

    EXPECT_EQ(SelectChargeIcon(data, 630), 1);
    session.RunDeviceCommand(DeviceOperation::SetChargeIcon);
    deliver();
    EXPECT_EQ(badge.chargeIcon(), 0);
}

TEST_F(SendSessionTest, SendOf100BytesInTwoPackets)
{
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::SendDone, "\tTIP7");
    ASSERT_EQ(builtFor.size(), 1u);
    EXPECT_EQ(builtFor[0].rows, 12);
    EXPECT_EQ(builtFor[0].columns, 48);
    EXPECT_EQ(builtFor[0].frameSize, 72);
    EXPECT_EQ(badge.announcedLength(), 100u);
    EXPECT_EQ(badge.announcedPackets(), 2);
    EXPECT_EQ(host.range, std::make_pair(0, 2));
    EXPECT_EQ(host.positions, std::vector<int>({ 0, 1, 2 }));
    EXPECT_EQ(badge.receivedImage(), build.bytes);
    const auto data = Sent(badge, Command::DataPacket);
    ASSERT_EQ(data.size(), 2u);
    EXPECT_EQ(static_cast<uint8_t>(data[0][3]), 58);
    EXPECT_EQ(static_cast<uint8_t>(data[1][3]), 46);
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join('\n').toStdString();
    EXPECT_EQ(session.deviceImage(), build.bytes);
}

TEST_F(SendSessionTest, GeometryComesFromTheHandshakeAnswer)
{
    badge.setScreen({ 16, 10, 4, 1, 1, 0x10 });
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    ASSERT_EQ(builtFor.size(), 1u);
    EXPECT_EQ(builtFor[0].rows, 16);
    EXPECT_EQ(builtFor[0].columns, 84);
    EXPECT_EQ(builtFor[0].rowBytes, 11);
    EXPECT_EQ(builtFor[0].frameSize, 16 * 11 * 2);
}

TEST_F(SendSessionTest, BadgeRejectedByItsHandshakeAnswer)
{
    badge.setScreen({ 12, 6, 0, 0, 1, 0x0F });
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::BadgeRejected, "\tTIP25");
    EXPECT_EQ(commands(), std::vector<uint8_t>({ 0x00 }));
    EXPECT_TRUE(builtFor.empty());

    badge.setScreen({ 12, 6, 0, 0, 0, 0x10 });
    session.RunDeviceCommand(DeviceOperation::Search);
    deliver();
    expectEnded(ExchangeResult::BadgeRejected, "\tTIP25");
}

TEST_F(SendSessionTest, GeometryThatCannotHoldAnImageRejectsTheBadge)
{
    const BadgeScreen unusable[]
        = { { 0, 6, 0, 0, 1, 0x10 }, { 12, 0, 0, 0, 1, 0x10 }, { 12, 6, 9, 0, 1, 0x10 },
              { 12, 6, 0, 3, 1, 0x10 }, { 200, 6, 0, 0, 1, 0x10 }, { 12, 255, 1, 0, 1, 0x10 } };
    for (const BadgeScreen& screen : unusable) {
        badge.setScreen(screen);
        session.RunDeviceCommand(DeviceOperation::Send);
        deliver();
        expectEnded(ExchangeResult::BadgeRejected, "\tTIP25");
    }
    EXPECT_TRUE(builtFor.empty());
}

TEST_F(SendSessionTest, NothingToSendAndTooManyPrograms)
{
    build = { Image(8), 0, false };
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::NothingToSend, "\tTIP23");
    EXPECT_TRUE(session.deviceImage().isEmpty());

    build = { Image(9000), 0, true };
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::ImageTooLarge, "\tTIP24");
    EXPECT_EQ(commands(), std::vector<uint8_t>({ 0x00, 0x00 }));
    EXPECT_TRUE(host.positions.empty());
}

TEST_F(SendSessionTest, TransferRefused)
{
    BadgeFaults faults;
    faults.refuseTransfer = true;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::TransferRefused, "\tTIP22");
    EXPECT_EQ(commands(), std::vector<uint8_t>({ 0x00, 0x0E }));
}

TEST_F(SendSessionTest, NoHandshakeAnswer)
{
    BadgeFaults faults;
    faults.silent = true;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Search);
    deliver();
    EXPECT_TRUE(session.running());
    fire(HandshakeTimer);
    expectEnded(ExchangeResult::NoHandshake, "\tTIP19");
}

TEST_F(SendSessionTest, FailedWrites)
{
    BadgeFaults faults;
    faults.failWritesFrom = 0; // the handshake
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Search);
    expectEnded(ExchangeResult::OpenFailed, "\tTIP18");

    faults.failWritesFrom = 1; // the command after it
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::ClearScreen);
    deliver();
    expectEnded(ExchangeResult::WriteFailed, "\tTIP20");

    faults.failWritesFrom = 3; // data packet 1
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::WriteFailed, "\tTIP20");
    EXPECT_EQ(host.positions.back(), 1); // the progress bar stays where it stopped
}

TEST_F(SendSessionTest, BadgeThatStopsAnsweringAfterPacket3)
{
    build.bytes = Image(56 * 9 + 10);
    BadgeFaults faults;
    faults.silentFromDataPacket = 3;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    EXPECT_EQ(session.packetsAcked(), 3);
    for (int repetition = 0; repetition < 2; ++repetition) {
        EXPECT_EQ(host.armed[ReplyTimer], 500);
        fire(ReplyTimer);
        deliver();
    }
    fire(ReplyTimer);
    expectEnded(ExchangeResult::NoReply, "\t");
    const auto data = Sent(badge, Command::DataPacket);
    ASSERT_EQ(data.size(), 6u);
    EXPECT_EQ(data[3], data[4]);
    EXPECT_EQ(data[3], data[5]);
    EXPECT_EQ(static_cast<uint8_t>(data[5][4]), 3);
}

TEST_F(SendSessionTest, DamagedReplyIsIgnoredAndEarnsOneMoreRepetition)
{
    BadgeFaults faults;
    faults.damagedReplies = 1;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Search);
    deliver();
    EXPECT_EQ(commands(), std::vector<uint8_t>({ 0x00 })); // the damaged handshake answer was ignored
    fire(HandshakeTimer);
    expectEnded(ExchangeResult::NoHandshake, "\tTIP19");

    faults = {};
    faults.silentFromDataPacket = 0;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    QByteArray damaged = ValidReply(ReplyCode(Command::DataPacket));
    damaged[62] = static_cast<char>(damaged[62] ^ 0x10);
    session.OnDeviceReply(damaged);
    EXPECT_EQ(session.packetsAcked(), 0);
    for (int i = 0; i < 3; ++i)
        fire(ReplyTimer);
    EXPECT_TRUE(session.running());
    fire(ReplyTimer);
    expectEnded(ExchangeResult::NoReply, "\t");
    EXPECT_EQ(Sent(badge, Command::DataPacket).size(), 4u);
}

TEST_F(SendSessionTest, EndlessDamagedRepliesCannotHoldTheExchangeOpen)
{
    BadgeFaults faults;
    faults.silentFromDataPacket = 0;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    QByteArray damaged = ValidReply(ReplyCode(Command::DataPacket));
    damaged[63] = static_cast<char>(damaged[63] ^ 0x01);
    int firings = 0;
    while (session.running() && firings < 100) {
        for (int i = 0; i < 10; ++i)
            session.OnDeviceReply(damaged);
        fire(ReplyTimer);
        ++firings;
    }
    expectEnded(ExchangeResult::NoReply, "\t");
    EXPECT_LE(firings, 6);
}

TEST_F(SendSessionTest, BadgeThatAnswersTwiceStillGetsTheWholeImage)
{
    build.bytes = Image(56 * 4);
    BadgeFaults faults;
    faults.answerTwice = true;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::SendDone, "\tTIP7");
    EXPECT_TRUE(badge.transferComplete());
    EXPECT_EQ(badge.receivedImage(), build.bytes);
}

TEST_F(SendSessionTest, UnpluggedMidTransfer)
{
    build.bytes = Image(56 * 5);
    BadgeFaults faults;
    faults.unplugAtDataPacket = 2;
    badge.setFaults(faults);
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::WriteFailed, "\tTIP20");

    badge.setAttachment(Attachment::Attached);
    badge.setFaults({});
    session.RunDeviceCommand(DeviceOperation::Send);
    badge.unplug(); // gone while the handshake answer waits
    deliver();
    fire(HandshakeTimer);
    expectEnded(ExchangeResult::NoHandshake, "\tTIP19");
}

TEST_F(SendSessionTest, RepliesOutsideTheirExchangeAreIgnored)
{
    session.OnDeviceReply(ValidReply(ReplyCode(Command::DataPacket)));
    EXPECT_EQ(session.result(), ExchangeResult::None);

    session.RunDeviceCommand(DeviceOperation::Send);
    // An acknowledgement before any data packet reports no success.
    session.OnDeviceReply(ValidReply(ReplyCode(Command::DataPacket)));
    session.OnDeviceReply(ValidReply(ReplyCode(Command::SearchScreen)));
    EXPECT_TRUE(session.running());
    EXPECT_EQ(session.state(), SessionState::AwaitHandshake);
    deliver();
    expectEnded(ExchangeResult::SendDone, "\tTIP7");

    const int writes = badge.writeCount();
    session.OnDeviceReply(ValidReply(ReplyCode(Command::Handshake)));
    session.OnTimer(ReplyTimer);
    session.OnTimer(HandshakeTimer);
    EXPECT_EQ(badge.writeCount(), writes);
    expectEnded(ExchangeResult::SendDone, "\tTIP7");
}

TEST_F(SendSessionTest, CommandWhileAnExchangeRunsIsIgnored)
{
    session.RunDeviceCommand(DeviceOperation::Search);
    session.RunDeviceCommand(DeviceOperation::ClearScreen);
    session.StartExchange();
    EXPECT_EQ(session.operation(), DeviceOperation::Search);
    EXPECT_EQ(host.statusTexts, QStringList({ "\tMSG0" }));
    EXPECT_EQ(badge.writeCount(), 1);
    deliver();
    expectEnded(ExchangeResult::SearchDone, "\tTIP0");
}

TEST_F(SendSessionTest, SerialInterfaceSendsNothingAndSaysSo)
{
    data.commType = 1;
    session.RunDeviceCommand(DeviceOperation::Send);
    EXPECT_EQ(host.statusTexts, QStringList({ "\tMSG7", "\tSERIAL" }));
    EXPECT_FALSE(session.running());
    EXPECT_EQ(badge.openCount(), 0);
    EXPECT_TRUE(host.toolBarEnabled);
    EXPECT_EQ(host.armed[StatusClearTimer], 10000);
    EXPECT_EQ(session.result(), ExchangeResult::SerialChosen);

    data.commType = 0;
    session.RunDeviceCommand(DeviceOperation::Search);
    deliver();
    expectEnded(ExchangeResult::SearchDone, "\tTIP0");
}

TEST_F(SendSessionTest, OutcomeInAMessageBoxAndStatusCleared)
{
    data.afterExcute = 1;
    session.RunDeviceCommand(DeviceOperation::Search);
    deliver();
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_EQ(host.messageBoxes[0], std::make_pair(QString("TIP0"), QString("Tessel")));
    EXPECT_EQ(host.statusTexts, QStringList({ "\tMSG0" }));
    EXPECT_TRUE(host.isArmed(StatusClearTimer));

    session.OnTimer(StatusClearTimer);
    EXPECT_EQ(host.status(), QString());
    EXPECT_TRUE(host.isArmed(StatusClearTimer)); // it keeps firing
}

TEST_F(SendSessionTest, HostIdInEveryPacket)
{
    data.hostID = 7;
    session.RunDeviceCommand(DeviceOperation::Send);
    deliver();
    expectEnded(ExchangeResult::SendDone, "\tTIP7");
    const auto packets = badge.recordedPackets();
    ASSERT_EQ(packets.size(), 8u);
    for (const RecordedPacket& p : packets)
        EXPECT_EQ(p.bytes[0], 7);
    EXPECT_EQ(badge.faultCount(), 0);
}

TEST_F(SendSessionTest, StartWithoutACommandEndsAtTheHandshake)
{
    session.StartExchange();
    deliver();
    expectEnded(ExchangeResult::None, "\t");
    EXPECT_EQ(commands(), std::vector<uint8_t>({ 0x00 }));
}

} // namespace
