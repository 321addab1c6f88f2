#include "device/Packet.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace tessel {

namespace {

constexpr std::array<uint16_t, 256> MakeCrcTable()
{
    std::array<uint16_t, 256> table {};
    for (int byte = 0; byte < 256; ++byte) {
        uint16_t reg = static_cast<uint16_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1) != 0 ? static_cast<uint16_t>((reg >> 1) ^ 0xA001)
                                 : static_cast<uint16_t>(reg >> 1);
        table[byte] = reg;
    }
    return table;
}

constexpr std::array<uint16_t, 256> crcTable = MakeCrcTable();

// Host identifier, code, parameter length and the parameters, everything
// else zero.
void Begin(PacketArea packet, uint8_t hostId, uint8_t code, uint8_t parameterLength,
    std::initializer_list<uint8_t> parameters)
{
    std::fill(packet.begin(), packet.end(), uint8_t { 0 });
    packet[0] = hostId;
    packet[1] = code;
    packet[2] = parameterLength;
    std::copy(parameters.begin(), parameters.end(), packet.begin() + 3);
}

int Seal(PacketArea packet)
{
    const uint16_t crc = ComputeChecksum(packet.data(), ChecksumOffset);
    packet[ChecksumOffset] = static_cast<uint8_t>(crc & 0xFF);
    packet[ChecksumOffset + 1] = static_cast<uint8_t>(crc >> 8);
    return PacketSize;
}

int Finish(PacketArea packet, uint8_t hostId, uint8_t code, uint8_t parameterLength,
    std::initializer_list<uint8_t> parameters)
{
    Begin(packet, hostId, code, parameterLength, parameters);
    return Seal(packet);
}

} // namespace

uint16_t ComputeChecksum(const uint8_t* bytes, int count)
{
    uint16_t reg = 0xFFFF;
    for (int i = 0; i < count; ++i)
        reg = static_cast<uint16_t>((reg >> 8) ^ crcTable[(reg ^ bytes[i]) & 0xFF]);
    return reg;
}

bool ReplyChecksumValid(const QByteArray& reply)
{
    return ComputeChecksum(
               reinterpret_cast<const uint8_t*>(reply.constData()), static_cast<int>(reply.size()))
        == 0;
}

uint8_t ReplyByte(const QByteArray& reply, int offset)
{
    return offset >= 0 && offset < reply.size() ? static_cast<uint8_t>(reply[offset]) : 0;
}

int BuildHandshakePacket(PacketArea packet, uint8_t hostId)
{
    return Finish(packet, hostId, Command::Handshake, 0, {});
}

int BuildSearchScreenPacket(PacketArea packet, uint8_t hostId)
{
    return Finish(packet, hostId, Command::SearchScreen, 0, {});
}

int BuildGetScreenParametersPacket(PacketArea packet, uint8_t hostId)
{
    return Finish(packet, hostId, Command::GetScreenParameters, 0, {});
}

int BuildSetScreenParametersPacket(PacketArea packet, uint8_t hostId, const ScreenParameterBytes& p)
{
    return Finish(packet, hostId, Command::SetScreenParameters, 8,
        { p.id, p.height, p.widthBytes, p.widthBits, p.rgb, p.oe, p.polarity, p.last });
}

int BuildClearScreenPacket(PacketArea packet, uint8_t hostId)
{
    return Finish(packet, hostId, Command::ClearScreen, 0, {});
}

int BuildSetBrightnessPacket(PacketArea packet, uint8_t hostId, uint8_t bright)
{
    return Finish(packet, hostId, Command::SetBrightness, 1, { bright });
}

int BuildSetChargeIconPacket(PacketArea packet, uint8_t hostId, uint8_t bat)
{
    return Finish(packet, hostId, Command::SetChargeIcon, 1, { bat });
}

int BuildBeginTransferPacket(PacketArea packet, uint8_t hostId, uint32_t imageLength, uint16_t packetCount)
{
    return Finish(packet, hostId, Command::BeginTransfer, 6,
        { static_cast<uint8_t>(imageLength), static_cast<uint8_t>(imageLength >> 8),
            static_cast<uint8_t>(imageLength >> 16), static_cast<uint8_t>(imageLength >> 24),
            static_cast<uint8_t>(packetCount), static_cast<uint8_t>(packetCount >> 8) });
}

int BuildDataPacket(
    PacketArea packet, uint8_t hostId, uint16_t index, LastPacket last, std::span<const uint8_t> image)
{
    const int64_t start = int64_t { index } * DataBytesPerPacket;
    const int64_t available = std::max<int64_t>(0, static_cast<int64_t>(image.size()) - start);
    const int64_t wanted = last == LastPacket::Yes ? available : DataBytesPerPacket;
    const int n = static_cast<int>(std::clamp<int64_t>(std::min(wanted, available), 0, DataBytesPerPacket));
    Begin(packet, hostId, Command::DataPacket, 0,
        { static_cast<uint8_t>(n + 2), static_cast<uint8_t>(index), static_cast<uint8_t>(index >> 8) });
    if (n > 0)
        std::copy_n(image.data() + start, n, packet.begin() + 6);
    return Seal(packet);
}

} // namespace tessel
