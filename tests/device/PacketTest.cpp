#include "device/Packet.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <vector>

using namespace tessel;

namespace {

using Bytes = std::array<uint8_t, PacketSize>;

uint16_t StoredChecksum(const Bytes& p)
{
    return static_cast<uint16_t>(p[62] | p[63] << 8);
}

bool ChecksumClosesPacket(const Bytes& p)
{
    return ComputeChecksum(p.data(), PacketSize) == 0;
}

std::vector<uint8_t> Image(size_t length)
{
    std::vector<uint8_t> image(length);
    std::iota(image.begin(), image.end(), uint8_t { 1 });
    return image;
}

} // namespace

TEST(Checksum, IsCrc16Modbus)
{
    const char digits[] = "123456789";
    EXPECT_EQ(ComputeChecksum(reinterpret_cast<const uint8_t*>(digits), 9), 0x4B37);
    EXPECT_EQ(ComputeChecksum(nullptr, 0), 0xFFFF);
    EXPECT_EQ(ComputeChecksum(nullptr, -3), 0xFFFF);
}

TEST(Checksum, HandshakeOfHostZeroAndOne)
{
    Bytes p;
    p.fill(0xEE);
    EXPECT_EQ(BuildHandshakePacket(p, 0), PacketSize);
    for (int i = 0; i < 62; ++i)
        ASSERT_EQ(p[i], 0) << i;
    EXPECT_EQ(p[62], 0x01);
    EXPECT_EQ(p[63], 0xAB);

    BuildHandshakePacket(p, 1);
    EXPECT_EQ(p[0], 1);
    EXPECT_EQ(StoredChecksum(p), 0x2A00);
    EXPECT_EQ(p[62], 0x00);
    EXPECT_EQ(p[63], 0x2A);
}

TEST(Checksum, ReplyValidityOverAllBytesReceived)
{
    Bytes p;
    BuildSearchScreenPacket(p, 7);
    QByteArray reply(reinterpret_cast<const char*>(p.data()), PacketSize);
    EXPECT_TRUE(ReplyChecksumValid(reply));
    reply[63] = static_cast<char>(reply[63] ^ 1);
    EXPECT_FALSE(ReplyChecksumValid(reply));
    EXPECT_EQ(ReplyByte(reply, 1), Command::SearchScreen);
    EXPECT_EQ(ReplyByte(reply, 64), 0);
    EXPECT_EQ(ReplyByte(reply, -1), 0);
}

TEST(Packets, CommandsWithoutParameters)
{
    struct Case {
        int (*build)(PacketArea, uint8_t);
        uint8_t code;
    };
    const Case cases[] = { { BuildHandshakePacket, 0x00 }, { BuildSearchScreenPacket, 0x02 },
        { BuildGetScreenParametersPacket, 0x04 }, { BuildClearScreenPacket, 0x08 } };
    for (const Case& c : cases) {
        Bytes p;
        p.fill(0xEE);
        EXPECT_EQ(c.build(p, 7), PacketSize);
        EXPECT_EQ(p[0], 7);
        EXPECT_EQ(p[1], c.code);
        for (int i = 2; i < 62; ++i)
            ASSERT_EQ(p[i], 0) << "code " << int { c.code } << " byte " << i;
        EXPECT_TRUE(ChecksumClosesPacket(p));
    }
}

TEST(Packets, OneByteParameterCommands)
{
    Bytes p;
    BuildSetBrightnessPacket(p, 0, 2);
    EXPECT_EQ(p[1], 0x0A);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[3], 2);
    EXPECT_EQ(p[4], 0);
    EXPECT_TRUE(ChecksumClosesPacket(p));

    BuildSetChargeIconPacket(p, 0, 1);
    EXPECT_EQ(p[1], 0x0C);
    EXPECT_EQ(p[2], 1);
    EXPECT_EQ(p[3], 1);
    EXPECT_TRUE(ChecksumClosesPacket(p));
}

TEST(Packets, SetScreenParameters16By80)
{
    Bytes p;
    ScreenParameterBytes params { 5, 16, 10, 0, 2, 1, 1, 64 };
    BuildSetScreenParametersPacket(p, 0, params);
    const std::array<uint8_t, 11> head { 0, 0x06, 8, 5, 16, 10, 0, 2, 1, 1, 64 };
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(p[i], head[i]) << i;
    EXPECT_EQ(p[11], 0);
    EXPECT_TRUE(ChecksumClosesPacket(p));
}

TEST(Packets, BeginTransferLittleEndian)
{
    Bytes p;
    BuildBeginTransferPacket(p, 0, 0x01020304, 0x0506);
    const std::array<uint8_t, 10> head { 0, 0x0E, 6, 0x04, 0x03, 0x02, 0x01, 0x06, 0x05, 0 };
    for (size_t i = 0; i < head.size(); ++i)
        EXPECT_EQ(p[i], head[i]) << i;
    EXPECT_TRUE(ChecksumClosesPacket(p));
}

TEST(Packets, DataPacketsOfA1000ByteImage)
{
    const auto image = Image(1000);
    ASSERT_EQ(DataPacketCount(1000), 18);
    Bytes p;
    BuildDataPacket(p, 3, 16, LastPacket::No, image);
    EXPECT_EQ(p[0], 3);
    EXPECT_EQ(p[1], 0x10);
    EXPECT_EQ(p[2], 0);
    EXPECT_EQ(p[3], 58);
    EXPECT_EQ(p[4], 16);
    EXPECT_EQ(p[5], 0);
    EXPECT_TRUE(std::equal(p.begin() + 6, p.begin() + 62, image.begin() + 16 * 56));

    BuildDataPacket(p, 3, 17, LastPacket::Yes, image);
    EXPECT_EQ(p[3], 50);
    EXPECT_TRUE(std::equal(p.begin() + 6, p.begin() + 54, image.begin() + 17 * 56));
    for (int i = 54; i < 62; ++i)
        EXPECT_EQ(p[i], 0) << i;
    EXPECT_TRUE(ChecksumClosesPacket(p));
}

TEST(Packets, DataPacketEdges)
{
    Bytes p;
    const auto exact = Image(56);
    ASSERT_EQ(DataPacketCount(56), 1);
    BuildDataPacket(p, 0, 0, LastPacket::Yes, exact);
    EXPECT_EQ(p[3], 58);
    EXPECT_TRUE(std::equal(p.begin() + 6, p.begin() + 62, exact.begin()));

    const auto big = Image(301 * 56);
    BuildDataPacket(p, 0, 300, LastPacket::No, big);
    EXPECT_EQ(p[4], 0x2C);
    EXPECT_EQ(p[5], 0x01);

    // An index beyond the image never reads past it.
    const auto small = Image(10);
    BuildDataPacket(p, 0, 5, LastPacket::No, small);
    EXPECT_EQ(p[3], 2);
    for (int i = 6; i < 62; ++i)
        EXPECT_EQ(p[i], 0) << i;
    BuildDataPacket(p, 0, 0, LastPacket::No, small);
    EXPECT_EQ(p[3], 12);
    EXPECT_TRUE(ChecksumClosesPacket(p));
}
