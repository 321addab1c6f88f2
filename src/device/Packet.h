// The packets exchanged with the badge and their checksum.
//
// Report. Every write to the badge is a 65-byte HID output report: byte 0 is
// the report identifier (always 0), bytes 1-64 the packet. The write length is
// 65 for every command.
//
// Packet (64 bytes; offsets are packet offsets, report offset minus 1):
//   0       host identifier (setting hostID), the same in every packet
//   1       command code; in a reply, the reply code
//   2       parameter length of the command (0 for the data packet)
//   3..61   parameters, then zero fill up to and including offset 61
//   62, 63  checksum over offsets 0-61, low byte first
// Every byte a command does not name is 0.
//
// Checksum. CRC-16 with the reflected polynomial 0xA001, initial value 0xFFFF,
// no final inversion (CRC-16/MODBUS); check value 0x4B37 over "123456789".
// Because it is stored low byte first, the CRC over a whole well-formed packet,
// checksum included, is 0: that is how the send session validates a reply.
//
// Commands (even codes; the badge answers each with the next odd code):
//   0x00 handshake               byte 2 = 0                       -> 0x01
//   0x02 search screen           byte 2 = 0                       -> 0x03
//   0x04 get screen parameters   byte 2 = 0                       -> 0x05
//   0x06 set screen parameters   byte 2 = 8, bytes 3-10 below     -> 0x07
//   0x08 clear screen            byte 2 = 0                       -> 0x09
//   0x0A set brightness          byte 2 = 1, byte 3 = bright      -> 0x0B
//   0x0C set charge icon         byte 2 = 1, byte 3 = bat         -> 0x0D
//   0x0E begin transfer          byte 2 = 6, bytes 3-6 image length (32-bit LE),
//                                bytes 7-8 data packet count (16-bit LE) -> 0x0F
//   0x10 data packet             byte 2 = 0, byte 3 = n + 2 (n image bytes carried),
//                                bytes 4-5 packet index (16-bit LE, from 0),
//                                bytes 6..5+n the image bytes       -> 0x11
//
// Set screen parameters, bytes 3-10: id (0-254), height in rows (12, 14, 16),
// width / 8, width % 8, rgb (0 R, 1 RG, 2 RGB), oe (0 Low, 1 Hign),
// polarity (0 595, 1 5026), and 64.
//
// Data packets. An image of L bytes travels in N = (L + 55) / 56 packets;
// packet i carries image bytes 56 * i onward: 56 bytes (byte 3 = 58) in all
// but the last, L - 56 * (N - 1) bytes in the last.
//
// Reply fields read (packet offsets):
//   0x01  5 rows, 6 whole bytes per row, 7 columns beyond them, 8 colour planes
//         beyond the first; 12 must be non-zero and 13 at least 16, otherwise
//         the badge is not accepted
//   0x05  4 id, 5 height, 6 width / 8, 7 width % 8, 8 rgb, 9 oe, 10 polarity
//   0x0F  3: the value 1 refuses the transfer
//   0x03, 0x07, 0x09, 0x0B, 0x0D, 0x11: the code alone confirms
// A reply may arrive with any length from 1 to 256 bytes: ReplyByte reads a
// byte beyond its end as 0.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <span>

namespace tessel {

constexpr int PacketSize = 64;
constexpr int ReportSize = PacketSize + 1;
constexpr int ChecksumOffset = 62;
constexpr int DataBytesPerPacket = 56;
constexpr int MaxDataPackets = 0xFFFF; // the count travels as 16 bits

namespace Command {
constexpr uint8_t Handshake = 0x00;
constexpr uint8_t SearchScreen = 0x02;
constexpr uint8_t GetScreenParameters = 0x04;
constexpr uint8_t SetScreenParameters = 0x06;
constexpr uint8_t ClearScreen = 0x08;
constexpr uint8_t SetBrightness = 0x0A;
constexpr uint8_t SetChargeIcon = 0x0C;
constexpr uint8_t BeginTransfer = 0x0E;
constexpr uint8_t DataPacket = 0x10;
} // namespace Command

// The badge answers command c with c + 1.
constexpr uint8_t ReplyCode(uint8_t command)
{
    return static_cast<uint8_t>(command + 1);
}

namespace ReplyOffset {
constexpr int Code = 1;
constexpr int Rows = 5;
constexpr int FullBytes = 6;
constexpr int ExtraBits = 7;
constexpr int ExtraPlanes = 8;
constexpr int Acceptance = 12; // must be non-zero
constexpr int Version = 13; // must be at least MinimumVersion
constexpr int TransferAnswer = 3; // TransferRefusedValue refuses
} // namespace ReplyOffset

constexpr uint8_t MinimumVersion = 0x10;
constexpr uint8_t TransferRefusedValue = 1;

// The eight parameter bytes of "set screen parameters", in packet order.
struct ScreenParameterBytes {
    uint8_t id = 0;
    uint8_t height = 12;
    uint8_t widthBytes = 6; // width / 8
    uint8_t widthBits = 0; // width % 8
    uint8_t rgb = 0;
    uint8_t oe = 0;
    uint8_t polarity = 0;
    uint8_t last = 64;
};

enum class LastPacket { No, Yes };

using PacketArea = std::span<uint8_t, PacketSize>;

// CRC-16/MODBUS over `count` bytes; a count of 0 or less gives 0xFFFF.
uint16_t ComputeChecksum(const uint8_t* bytes, int count);
// True when the CRC over all bytes of the reply is 0.
bool ReplyChecksumValid(const QByteArray& reply);
// Byte `offset` of a reply, 0 when the reply is shorter.
uint8_t ReplyByte(const QByteArray& reply, int offset);

// Each builder writes packet offsets 0-63 in full and returns PacketSize.
int BuildHandshakePacket(PacketArea packet, uint8_t hostId);
int BuildSearchScreenPacket(PacketArea packet, uint8_t hostId);
int BuildGetScreenParametersPacket(PacketArea packet, uint8_t hostId);
int BuildSetScreenParametersPacket(PacketArea packet, uint8_t hostId, const ScreenParameterBytes& parameters);
int BuildClearScreenPacket(PacketArea packet, uint8_t hostId);
int BuildSetBrightnessPacket(PacketArea packet, uint8_t hostId, uint8_t bright);
int BuildSetChargeIconPacket(PacketArea packet, uint8_t hostId, uint8_t bat);
int BuildBeginTransferPacket(PacketArea packet, uint8_t hostId, uint32_t imageLength, uint16_t packetCount);
// `last` decides n: 56 for No, L - 56 * index for Yes; the bytes taken never
// reach beyond the image.
int BuildDataPacket(
    PacketArea packet, uint8_t hostId, uint16_t index, LastPacket last, std::span<const uint8_t> image);

// Number of data packets for an image of `length` bytes.
constexpr int64_t DataPacketCount(int64_t length)
{
    return (length + DataBytesPerPacket - 1) / DataBytesPerPacket;
}

// The packet area of a 65-byte report: everything after the report identifier.
inline PacketArea PacketOfReport(std::span<uint8_t, ReportSize> report)
{
    return report.subspan<1, PacketSize>();
}

} // namespace tessel
