#include "device/BadgeSimulator.h"

#include <gtest/gtest.h>

#include <array>

using namespace tessel;

namespace {

using Report = std::array<uint8_t, ReportSize>;

Report Handshake()
{
    Report report {};
    BuildHandshakePacket(PacketOfReport(report), 0);
    return report;
}

int ReadReply(BadgeSimulator& badge, std::array<uint8_t, 256>& buffer)
{
    return badge.read(buffer, 0);
}

TEST(BadgeSimulator, AnswersTheHandshakeWithItsScreen)
{
    BadgeSimulator badge;
    ASSERT_EQ(badge.open(0x8888, 0x0006), LinkOpenResult::Opened);
    Report report = Handshake();
    EXPECT_EQ(badge.write(report), ReportSize);
    std::array<uint8_t, 256> reply {};
    ASSERT_EQ(ReadReply(badge, reply), 64);
    EXPECT_EQ(reply[1], 0x01);
    EXPECT_EQ(reply[5], 12);
    EXPECT_EQ(reply[6], 6);
    EXPECT_EQ(reply[7], 0);
    EXPECT_EQ(reply[8], 0);
    EXPECT_EQ(reply[12], 1);
    EXPECT_EQ(reply[13], 0x10);
    EXPECT_EQ(ComputeChecksum(reply.data(), 64), 0);
    EXPECT_EQ(ReadReply(badge, reply), 0);
    EXPECT_EQ(badge.open(0x8888, 0x0007), LinkOpenResult::NotFound);
}

// A delayed answer is not there for a read that does not wait, and a read
// that waits long enough gets it; the late badge keeps answers back until
// released, whatever the delay.
TEST(BadgeSimulator, AnswersAfterItsDelay)
{
    BadgeSimulator badge;
    badge.setAnswerDelay(std::chrono::hours(1));
    ASSERT_EQ(badge.open(0x8888, 0x0006), LinkOpenResult::Opened);
    Report report = Handshake();
    ASSERT_EQ(badge.write(report), ReportSize);
    std::array<uint8_t, 256> reply {};
    EXPECT_EQ(ReadReply(badge, reply), 0);

    badge.setAnswerDelay(std::chrono::milliseconds(1));
    ASSERT_EQ(badge.write(report), ReportSize);
    EXPECT_EQ(ReadReply(badge, reply), 0) << "the first answer still waits for its hour";
    badge.close();

    ASSERT_EQ(badge.open(0x8888, 0x0006), LinkOpenResult::Opened);
    ASSERT_EQ(badge.write(report), ReportSize);
    EXPECT_EQ(badge.read(reply, 10000), 64);
    EXPECT_EQ(reply[1], 0x01);
}

TEST(BadgeSimulator, CountsEveryMalformedPacket)
{
    BadgeSimulator badge;
    badge.open(0x8888, 0x0006);
    std::array<uint8_t, 256> reply {};

    Report report {};
    BuildSearchScreenPacket(PacketOfReport(report), 0);
    badge.write(report); // before the handshake
    EXPECT_EQ(badge.faultCount(), 1);
    ReadReply(badge, reply);

    report = Handshake();
    report[10] = 1; // zero fill broken, checksum broken
    badge.write(report);
    EXPECT_EQ(badge.faultCount(), 2);
    EXPECT_EQ(ReadReply(badge, reply), 0); // no answer to a damaged packet

    report = Handshake();
    badge.write(std::span(report.data(), 64)); // short report
    EXPECT_EQ(badge.faultCount(), 3);

    report = Handshake();
    report[0] = 3;
    badge.write(report);
    EXPECT_EQ(badge.faultCount(), 4);

    Report data {};
    std::array<uint8_t, 10> image {};
    BuildDataPacket(PacketOfReport(data), 0, 0, LastPacket::Yes, image);
    badge.write(data); // outside a transfer
    EXPECT_EQ(badge.faultCount(), 5);

    Report begin {};
    BuildBeginTransferPacket(PacketOfReport(begin), 0, 100, 3); // 100 bytes travel in 2 packets
    badge.write(begin);
    EXPECT_EQ(badge.faultCount(), 6);
    EXPECT_EQ(badge.faults().size(), 6);
}

TEST(BadgeSimulator, ReassemblesTheImage)
{
    BadgeSimulator badge;
    badge.open(0x8888, 0x0006);
    Report report = Handshake();
    badge.write(report);
    std::array<uint8_t, 130> image {};
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i + 1);
    BuildBeginTransferPacket(PacketOfReport(report), 0, 130, 3);
    badge.write(report);
    for (uint16_t i = 0; i < 3; ++i) {
        BuildDataPacket(PacketOfReport(report), 0, i, i == 2 ? LastPacket::Yes : LastPacket::No, image);
        badge.write(report);
    }
    EXPECT_TRUE(badge.transferComplete());
    EXPECT_EQ(badge.receivedImage(), QByteArray(reinterpret_cast<const char*>(image.data()), 130));
    EXPECT_EQ(badge.faultCount(), 0) << badge.faults().join('\n').toStdString();

    // A last packet of the wrong size is a fault.
    BuildBeginTransferPacket(PacketOfReport(report), 0, 130, 3);
    badge.write(report);
    std::array<uint8_t, 140> longer {};
    BuildDataPacket(PacketOfReport(report), 0, 2, LastPacket::Yes, longer);
    badge.write(report);
    EXPECT_EQ(badge.faultCount(), 2); // its size and its order
}

} // namespace
