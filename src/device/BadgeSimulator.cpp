#include "device/BadgeSimulator.h"

#include "device/DeviceLink.h"

#include <algorithm>
#include <chrono>

namespace tessel {

namespace {

// The parameter length each command carries in byte 2.
std::optional<int> ParameterLength(uint8_t code)
{
    switch (code) {
    case Command::Handshake:
    case Command::SearchScreen:
    case Command::GetScreenParameters:
    case Command::ClearScreen:
    case Command::DataPacket:
        return 0;
    case Command::SetScreenParameters:
        return 8;
    case Command::SetBrightness:
    case Command::SetChargeIcon:
        return 1;
    case Command::BeginTransfer:
        return 6;
    default:
        return std::nullopt;
    }
}

uint16_t Read16(std::span<const uint8_t, PacketSize> packet, int offset)
{
    return static_cast<uint16_t>(packet[offset] | (packet[offset + 1] << 8));
}

uint32_t Read32(std::span<const uint8_t, PacketSize> packet, int offset)
{
    return uint32_t { Read16(packet, offset) } | uint32_t { Read16(packet, offset + 2) } << 16;
}

QByteArray Bytes(std::span<const uint8_t> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace

LinkOpenResult BadgeSimulator::open(uint16_t vendorId, uint16_t productId)
{
    std::lock_guard lock(mutex_);
    if (vendorId != BadgeVendorId || productId != BadgeProductId || attachment_ == Attachment::Absent)
        return LinkOpenResult::NotFound;
    if (attachment_ == Attachment::NoAccess)
        return LinkOpenResult::NoPermission;
    open_ = true;
    unplugged_ = false;
    stopped_ = false;
    handshakeSeen_ = false;
    writesThisOpen_ = 0;
    ++openCount_;
    ready_.clear();
    held_.clear();
    return LinkOpenResult::Opened;
}

void BadgeSimulator::close()
{
    {
        std::lock_guard lock(mutex_);
        open_ = false;
        ready_.clear();
        held_.clear();
    }
    replyReady_.notify_all();
}

int BadgeSimulator::write(std::span<const uint8_t> report)
{
    std::lock_guard lock(mutex_);
    if (!open_ || unplugged_)
        return -1;
    ++writeCount_;
    const int writeNumber = writesThisOpen_++;
    if (faults_.failWritesFrom >= 0 && writeNumber >= faults_.failWritesFrom)
        return -1;
    if (report.empty())
        return -1;
    if (recording_ == PacketRecording::On)
        recorded_.push_back({ PacketDirection::ToBadge, Bytes(report.subspan(1)) });
    if (report.size() != ReportSize) {
        fault(QStringLiteral("report of %1 bytes").arg(report.size()));
        return static_cast<int>(report.size());
    }
    if (report[0] != 0)
        fault(QStringLiteral("report identifier %1").arg(report[0]));
    const std::span<const uint8_t, PacketSize> packet = report.subspan<1, PacketSize>();
    if (ComputeChecksum(packet.data(), PacketSize) != 0) {
        fault(QStringLiteral("command 0x%1: bad checksum").arg(packet[1], 2, 16, QLatin1Char('0')));
        return ReportSize;
    }
    if (packet[1] == Command::DataPacket && Read16(packet, 4) == faults_.unplugAtDataPacket) {
        unplugged_ = true;
        attachment_ = Attachment::Absent;
        replyReady_.notify_all();
        return -1;
    }
    if (std::optional<QByteArray> answered = answer(packet))
        queue(std::move(*answered));
    return ReportSize;
}

int BadgeSimulator::read(std::span<uint8_t> buffer, int timeoutMs)
{
    std::unique_lock lock(mutex_);
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    const auto gone = [this] { return !open_ || unplugged_; };
    const auto due = [this] { return !ready_.empty() && ready_.front().due <= Clock::now(); };
    // Wakes for a new answer, for the due time of the first waiting one, or
    // at the deadline, whichever comes first.
    while (!gone() && !due()) {
        const Clock::time_point wake = ready_.empty() ? deadline : std::min(deadline, ready_.front().due);
        if (Clock::now() >= deadline)
            break;
        replyReady_.wait_until(lock, wake);
    }
    if (gone())
        return -1;
    if (!due())
        return 0;
    const QByteArray reply = std::move(ready_.front().bytes);
    ready_.pop_front();
    const auto count = std::min<size_t>(buffer.size(), static_cast<size_t>(reply.size()));
    std::copy_n(reinterpret_cast<const uint8_t*>(reply.constData()), count, buffer.begin());
    if (recording_ == PacketRecording::On)
        recorded_.push_back({ PacketDirection::FromBadge, reply.left(static_cast<qsizetype>(count)) });
    return static_cast<int>(count);
}

std::optional<QByteArray> BadgeSimulator::answer(std::span<const uint8_t, PacketSize> packet)
{
    const uint8_t code = packet[1];
    if (!ParameterLength(code)) {
        fault(QStringLiteral("unknown command 0x%1").arg(code, 2, 16, QLatin1Char('0')));
        return std::nullopt;
    }
    checkLayout(packet);
    if (code == Command::Handshake) {
        handshakeSeen_ = true;
        hostId_ = packet[0];
    } else {
        if (!handshakeSeen_)
            fault(QStringLiteral("command 0x%1 before the handshake").arg(code, 2, 16, QLatin1Char('0')));
        if (packet[0] != hostId_)
            fault(QStringLiteral("host identifier %1 after a handshake from %2").arg(packet[0]).arg(hostId_));
    }
    commands_.push_back(code);
    if (stopped_)
        return std::nullopt;

    switch (code) {
    case Command::Handshake:
        return reply(ReplyCode(code),
            { screen_.rows, screen_.fullBytes, screen_.extraBits, screen_.extraPlanes, 0, 0, 0,
                screen_.acceptance, screen_.version },
            5);
    case Command::GetScreenParameters:
        return reply(ReplyCode(code),
            { parameters_.id, parameters_.height, parameters_.widthBytes, parameters_.widthBits,
                parameters_.rgb, parameters_.oe, parameters_.polarity },
            4);
    case Command::SetScreenParameters:
        if (packet[4] != 12 && packet[4] != 14 && packet[4] != 16)
            fault(QStringLiteral("screen height %1").arg(packet[4]));
        if (packet[10] != 64)
            fault(QStringLiteral("set screen parameters: last byte %1").arg(packet[10]));
        parameters_
            = { packet[3], packet[4], packet[5], packet[6], packet[7], packet[8], packet[9], packet[10] };
        return reply(ReplyCode(code), {});
    case Command::SetBrightness:
        if (packet[3] > 2)
            fault(QStringLiteral("brightness %1").arg(packet[3]));
        brightness_ = packet[3];
        return reply(ReplyCode(code), {});
    case Command::SetChargeIcon:
        if (packet[3] > 1)
            fault(QStringLiteral("charge icon %1").arg(packet[3]));
        chargeIcon_ = packet[3];
        return reply(ReplyCode(code), {});
    case Command::BeginTransfer: {
        announcedLength_ = Read32(packet, 3);
        announcedPackets_ = Read16(packet, 7);
        if (DataPacketCount(announcedLength_) != announcedPackets_)
            fault(QStringLiteral("begin transfer: %1 bytes announced in %2 packets")
                      .arg(announcedLength_)
                      .arg(announcedPackets_));
        // Never more than the announced packets can carry.
        const int64_t room
            = std::min<int64_t>(announcedLength_, int64_t { announcedPackets_ } * DataBytesPerPacket);
        image_ = QByteArray(static_cast<qsizetype>(room), '\0');
        packetArrived_.assign(static_cast<size_t>(announcedPackets_), false);
        highestIndex_ = -1;
        transferOpen_ = !faults_.refuseTransfer;
        return reply(
            ReplyCode(code), { static_cast<uint8_t>(faults_.refuseTransfer ? TransferRefusedValue : 0) });
    }
    case Command::DataPacket:
        return answerDataPacket(packet);
    default: // search screen, clear screen: the code alone answers
        return reply(ReplyCode(code), {});
    }
}

QByteArray BadgeSimulator::answerDataPacket(std::span<const uint8_t, PacketSize> packet)
{
    const int index = Read16(packet, 4);
    const int carried = packet[3] - 2;
    if (!transferOpen_) {
        fault(QStringLiteral("data packet %1 outside a transfer").arg(index));
    } else if (index >= announcedPackets_) {
        fault(QStringLiteral("data packet %1 of %2").arg(index).arg(announcedPackets_));
    } else {
        const int expected = index + 1 < announcedPackets_
            ? DataBytesPerPacket
            : static_cast<int>(announcedLength_ - int64_t { DataBytesPerPacket } * (announcedPackets_ - 1));
        if (carried != expected)
            fault(QStringLiteral("data packet %1 carries %2 bytes, not %3")
                      .arg(index)
                      .arg(carried)
                      .arg(expected));
        if (index > highestIndex_ + 1)
            fault(QStringLiteral("data packet %1 after %2").arg(index).arg(highestIndex_));
        highestIndex_ = std::max(highestIndex_, index);
        const qsizetype offset = qsizetype { index } * DataBytesPerPacket;
        const qsizetype count
            = std::clamp<qsizetype>(std::min<qsizetype>(carried, image_.size() - offset), 0, 56);
        if (count > 0)
            std::copy_n(packet.begin() + 6, count, image_.begin() + offset);
        packetArrived_[static_cast<size_t>(index)] = true;
    }
    if (faults_.silentFromDataPacket >= 0 && index >= faults_.silentFromDataPacket) {
        stopped_ = true;
        return {};
    }
    return reply(ReplyCode(Command::DataPacket), { packet[4], packet[5] }, 4);
}

void BadgeSimulator::checkLayout(std::span<const uint8_t, PacketSize> packet)
{
    const uint8_t code = packet[1];
    const int length = *ParameterLength(code);
    if (packet[2] != length)
        fault(QStringLiteral("command 0x%1: parameter length %2")
                  .arg(code, 2, 16, QLatin1Char('0'))
                  .arg(packet[2]));
    int fillFrom = 3 + length;
    if (code == Command::DataPacket) {
        if (packet[3] < 3 || packet[3] > DataBytesPerPacket + 2)
            fault(QStringLiteral("data packet byte 3 = %1").arg(packet[3]));
        fillFrom = 6 + std::clamp(packet[3] - 2, 0, DataBytesPerPacket);
    }
    for (int offset = fillFrom; offset < ChecksumOffset; ++offset)
        if (packet[offset] != 0) {
            fault(QStringLiteral("command 0x%1: byte %2 not zero")
                      .arg(code, 2, 16, QLatin1Char('0'))
                      .arg(offset));
            break;
        }
}

QByteArray BadgeSimulator::reply(uint8_t code, std::initializer_list<uint8_t> parameters, int parameterOffset)
{
    QByteArray bytes(PacketSize, '\0');
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    p[0] = hostId_;
    p[1] = code;
    p[2] = static_cast<uint8_t>(parameters.size());
    std::copy(parameters.begin(), parameters.end(), p + parameterOffset);
    const uint16_t crc = ComputeChecksum(p, ChecksumOffset);
    p[ChecksumOffset] = static_cast<uint8_t>(crc & 0xFF);
    p[ChecksumOffset + 1] = static_cast<uint8_t>(crc >> 8);
    return bytes;
}

void BadgeSimulator::queue(QByteArray reply)
{
    if (reply.isEmpty() || faults_.silent)
        return;
    if (faults_.damagedReplies > 0) {
        --faults_.damagedReplies;
        reply[ChecksumOffset + 1] = static_cast<char>(reply[ChecksumOffset + 1] ^ 0x5A);
    }
    auto& queue = faults_.late ? held_ : ready_;
    const Clock::time_point due = Clock::now() + answerDelay_;
    if (faults_.answerTwice)
        queue.push_back({ reply, due });
    queue.push_back({ std::move(reply), due });
    replyReady_.notify_all();
}

void BadgeSimulator::fault(const QString& text)
{
    faultLog_.append(text);
}

void BadgeSimulator::setScreen(const BadgeScreen& screen)
{
    std::lock_guard lock(mutex_);
    screen_ = screen;
}

void BadgeSimulator::setScreenParameters(const ScreenParameterBytes& parameters)
{
    std::lock_guard lock(mutex_);
    parameters_ = parameters;
}

ScreenParameterBytes BadgeSimulator::screenParameters() const
{
    std::lock_guard lock(mutex_);
    return parameters_;
}

void BadgeSimulator::setFaults(const BadgeFaults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

void BadgeSimulator::setAnswerDelay(AnswerDelay delay)
{
    std::lock_guard lock(mutex_);
    answerDelay_ = std::max(delay, AnswerDelay { 0 });
}

void BadgeSimulator::setAttachment(Attachment attachment)
{
    std::lock_guard lock(mutex_);
    attachment_ = attachment;
}

void BadgeSimulator::setPacketRecording(PacketRecording recording)
{
    std::lock_guard lock(mutex_);
    recording_ = recording;
}

void BadgeSimulator::unplug()
{
    {
        std::lock_guard lock(mutex_);
        attachment_ = Attachment::Absent;
        unplugged_ = open_;
    }
    replyReady_.notify_all();
}

void BadgeSimulator::releaseLateReplies()
{
    {
        std::lock_guard lock(mutex_);
        while (!held_.empty()) {
            ready_.push_back(std::move(held_.front()));
            held_.pop_front();
        }
    }
    replyReady_.notify_all();
}

bool BadgeSimulator::isOpen() const
{
    std::lock_guard lock(mutex_);
    return open_;
}

int BadgeSimulator::openCount() const
{
    std::lock_guard lock(mutex_);
    return openCount_;
}

int BadgeSimulator::writeCount() const
{
    std::lock_guard lock(mutex_);
    return writeCount_;
}

std::vector<uint8_t> BadgeSimulator::commandsReceived() const
{
    std::lock_guard lock(mutex_);
    return commands_;
}

QStringList BadgeSimulator::faults() const
{
    std::lock_guard lock(mutex_);
    return faultLog_;
}

int BadgeSimulator::faultCount() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(faultLog_.size());
}

std::vector<RecordedPacket> BadgeSimulator::recordedPackets() const
{
    std::lock_guard lock(mutex_);
    return recorded_;
}

std::optional<uint8_t> BadgeSimulator::brightness() const
{
    std::lock_guard lock(mutex_);
    return brightness_;
}

std::optional<uint8_t> BadgeSimulator::chargeIcon() const
{
    std::lock_guard lock(mutex_);
    return chargeIcon_;
}

QByteArray BadgeSimulator::receivedImage() const
{
    std::lock_guard lock(mutex_);
    return image_;
}

uint32_t BadgeSimulator::announcedLength() const
{
    std::lock_guard lock(mutex_);
    return announcedLength_;
}

int BadgeSimulator::announcedPackets() const
{
    std::lock_guard lock(mutex_);
    return announcedPackets_;
}

bool BadgeSimulator::transferComplete() const
{
    std::lock_guard lock(mutex_);
    return announcedPackets_ > 0
        && std::all_of(packetArrived_.begin(), packetArrived_.end(), [](bool b) { return b; });
}

} // namespace tessel
