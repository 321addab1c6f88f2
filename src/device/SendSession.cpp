#include "device/SendSession.h"

#include "device/HandshakeAnswer.h"
#include "model/AppData.h"

namespace tessel {

namespace {

constexpr int MinimumImageLength = GlobalHeaderSize + 1;

QString MessageBoxCaption(const LanguageTable&)
{
    return QStringLiteral("Tessel");
}

// The start text (language string msg%d) of a device command, -1 for an
// operation the main window does not start.
int StartTextIndex(DeviceOperation operation)
{
    switch (operation) {
    case DeviceOperation::Search:
        return 0;
    case DeviceOperation::ClearScreen:
        return 4;
    case DeviceOperation::SetChargeIcon:
        return 5;
    case DeviceOperation::SetBrightness:
        return 6;
    case DeviceOperation::Send:
        return 7;
    default:
        return -1;
    }
}

ExchangeResult DoneResult(DeviceOperation operation)
{
    switch (operation) {
    case DeviceOperation::Search:
        return ExchangeResult::SearchDone;
    case DeviceOperation::ClearScreen:
        return ExchangeResult::ClearDone;
    case DeviceOperation::SetBrightness:
        return ExchangeResult::BrightnessDone;
    case DeviceOperation::SetChargeIcon:
        return ExchangeResult::ChargeIconDone;
    default:
        return ExchangeResult::None;
    }
}

} // namespace

SendSession::SendSession(const AppData& data, const LanguageTable& texts, DeviceLink& link,
    SendSessionHost& host, ImageBuilder buildImage)
    : data_(data)
    , host_(host)
    , buildImage_(std::move(buildImage))
    , core_(data, texts, link, host, { SendResultTextKey, MessageBoxCaption })
{
}

SessionState SendSession::state() const
{
    switch (core_.phase()) {
    case ExchangePhase::AwaitHandshake:
        return SessionState::AwaitHandshake;
    case ExchangePhase::AwaitReply:
        return awaited_;
    case ExchangePhase::Idle:
        break;
    }
    return SessionState::Idle;
}

void SendSession::RunDeviceCommand(DeviceOperation operation)
{
    const int startText = StartTextIndex(operation);
    if (running() || startText < 0)
        return;
    operation_ = operation;
    core_.showStartText(startText);
    StartExchange();
}

void SendSession::StartExchange()
{
    core_.start([this](const QByteArray& reply) { OnDeviceReply(reply); });
}

void SendSession::OnDeviceReply(const QByteArray& reply)
{
    if (!running())
        return;
    if (!ReplyChecksumValid(reply)) {
        core_.grantRepetition();
        return;
    }
    // Only the answer to the packet last written counts; any other code is
    // ignored and the pending time-out keeps running.
    const uint8_t code = ReplyByte(reply, ReplyOffset::Code);
    switch (state()) {
    case SessionState::AwaitHandshake:
        if (code == ReplyCode(Command::Handshake))
            onHandshakeAnswer(reply);
        break;
    case SessionState::AwaitReply:
        if (code == ReplyCode(static_cast<uint8_t>(operation_))) {
            host_.stopTimer(ReplyTimer);
            endExchange(DoneResult(operation_));
        }
        break;
    case SessionState::AwaitBeginAnswer:
        if (code == ReplyCode(Command::BeginTransfer)) {
            host_.stopTimer(ReplyTimer);
            if (ReplyByte(reply, ReplyOffset::TransferAnswer) == TransferRefusedValue)
                endExchange(ExchangeResult::TransferRefused);
            else
                sendDataPacket(0);
        }
        break;
    case SessionState::AwaitAck:
        if (code == ReplyCode(Command::DataPacket)) {
            host_.stopTimer(ReplyTimer);
            ++packetsAcked_;
            host_.setProgressPosition(packetsAcked_);
            if (packetsAcked_ >= packetCount_)
                endExchange(ExchangeResult::SendDone);
            else
                sendDataPacket(packetsAcked_);
        }
        break;
    case SessionState::Idle:
        break;
    }
}

void SendSession::onHandshakeAnswer(const QByteArray& reply)
{
    host_.stopTimer(HandshakeTimer);
    if (!BadgeAccepted(reply)) {
        endExchange(ExchangeResult::BadgeRejected);
        return;
    }
    switch (operation_) {
    case DeviceOperation::Search:
        BuildSearchScreenPacket(packet(), data_.hostID);
        writePacket(SessionState::AwaitReply);
        return;
    case DeviceOperation::ClearScreen:
        BuildClearScreenPacket(packet(), data_.hostID);
        writePacket(SessionState::AwaitReply);
        return;
    case DeviceOperation::SetBrightness:
        BuildSetBrightnessPacket(packet(), data_.hostID, data_.bright);
        writePacket(SessionState::AwaitReply);
        return;
    case DeviceOperation::SetChargeIcon:
        BuildSetChargeIconPacket(packet(), data_.hostID, data_.bat);
        writePacket(SessionState::AwaitReply);
        return;
    case DeviceOperation::Send:
        beginTransfer(reply);
        return;
    default:
        // No command to send: end at once rather than wait forever.
        endExchange(ExchangeResult::None);
        return;
    }
}

void SendSession::beginTransfer(const QByteArray& reply)
{
    geometry_ = GeometryOfAnswer(reply);
    if (!GeometryUsable(geometry_)) {
        endExchange(ExchangeResult::BadgeRejected);
        return;
    }
    DeviceImageBuild build = buildImage_ ? buildImage_(geometry_) : DeviceImageBuild {};
    image_ = std::move(build.bytes);
    const int64_t count = DataPacketCount(image_.size());
    if (build.tooManyPrograms || build.tooLarge || count > MaxDataPackets) {
        image_.clear();
        endExchange(ExchangeResult::ImageTooLarge);
        return;
    }
    if (image_.size() < MinimumImageLength) {
        image_.clear();
        endExchange(ExchangeResult::NothingToSend);
        return;
    }
    packetCount_ = static_cast<int>(count);
    packetsAcked_ = 0;
    host_.setProgressRange(0, packetCount_);
    host_.setProgressPosition(0);
    BuildBeginTransferPacket(
        packet(), data_.hostID, static_cast<uint32_t>(image_.size()), static_cast<uint16_t>(packetCount_));
    writePacket(SessionState::AwaitBeginAnswer);
}

void SendSession::sendDataPacket(int index)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(image_.constData());
    BuildDataPacket(packet(), data_.hostID, static_cast<uint16_t>(index),
        index + 1 == packetCount_ ? LastPacket::Yes : LastPacket::No,
        std::span(bytes, static_cast<size_t>(image_.size())));
    writePacket(SessionState::AwaitAck);
}

void SendSession::writePacket(SessionState next)
{
    awaited_ = next;
    core_.sendPacket();
}

void SendSession::OnTimer(int timerId)
{
    core_.onTimer(timerId);
}

} // namespace tessel
