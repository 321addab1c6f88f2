#include "device/ScreenParaExchange.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

namespace tessel {

namespace {
constexpr int WritesPerPacket = 3;
} // namespace

ScreenParaExchange::ScreenParaExchange(
    const AppData& data, const LanguageTable& texts, DeviceLink& link, ScreenParaHost& host)
    : data_(data)
    , texts_(texts)
    , link_(link)
    , host_(host)
{
}

void ScreenParaExchange::RunCommand(DeviceOperation operation)
{
    if (running())
        return;
    if (operation != DeviceOperation::GetScreenParameters
        && operation != DeviceOperation::SetScreenParameters)
        return;
    const int startText = operation == DeviceOperation::GetScreenParameters ? 1 : 2;
    host_.setStatusText(QStringLiteral("\t") + texts_.msg(startText));
    operation_ = operation;
    Start();
}

void ScreenParaExchange::Start()
{
    if (running() || data_.commType != 0)
        return;
    host_.disableToolBar();
    replyTimeout_ = ReplyTimeout;
    retriesLeft_ = WritesPerPacket;
    openResult_ = link_.OpenLink([this](const QByteArray& reply) { OnDeviceReply(reply); });
    if (openResult_ != LinkOpenResult::Opened) {
        result_ = ExchangeResult::OpenFailed;
        reportResult();
        return;
    }
    BuildHandshakePacket(packet(), data_.hostID);
    txLength_ = ReportSize;
    state_ = ScreenParaState::AwaitHandshake;
    if (link_.WriteReport(std::span(txReport_.data(), txLength_)) <= 0) {
        endExchange(ExchangeResult::OpenFailed);
        return;
    }
    host_.armTimer(HandshakeTimer, HandshakeTimeout);
}

void ScreenParaExchange::OnDeviceReply(const QByteArray& reply)
{
    const uint8_t code = ReplyByte(reply, ReplyOffset::Code);
    if (state_ == ScreenParaState::AwaitHandshake && code == ReplyCode(Command::Handshake)) {
        onHandshakeAnswer();
        return;
    }
    if (state_ != ScreenParaState::AwaitReply || code != ReplyCode(static_cast<uint8_t>(operation_)))
        return;
    host_.stopTimer(ReplyTimer);
    if (operation_ == DeviceOperation::GetScreenParameters) {
        readPara_ = ScreenParaFromReply(reply);
        host_.showScreenPara(*readPara_);
        endExchange(ExchangeResult::ParametersRead);
    } else {
        endExchange(ExchangeResult::ParametersSet);
    }
}

void ScreenParaExchange::onHandshakeAnswer()
{
    host_.stopTimer(HandshakeTimer);
    if (operation_ == DeviceOperation::GetScreenParameters)
        BuildGetScreenParametersPacket(packet(), data_.hostID);
    else
        BuildSetScreenParametersPacket(
            packet(), data_.hostID, ParameterBytesOf(host_.chosenValues(), data_.paraByte));
    txLength_ = ReportSize;
    state_ = ScreenParaState::AwaitReply;
    if (link_.WriteReport(std::span(txReport_.data(), txLength_)) <= 0) {
        endExchange(ExchangeResult::WriteFailed);
        return;
    }
    host_.armTimer(ReplyTimer, replyTimeout_);
}

void ScreenParaExchange::OnTimer(int timerId)
{
    switch (timerId) {
    case StatusClearTimer:
        host_.setStatusText(QString());
        return;
    case HandshakeTimer:
        host_.stopTimer(HandshakeTimer);
        if (state_ == ScreenParaState::AwaitHandshake)
            endExchange(ExchangeResult::NoHandshake);
        return;
    case ReplyTimer:
        host_.stopTimer(ReplyTimer);
        if (state_ != ScreenParaState::AwaitReply)
            return;
        if (--retriesLeft_ <= 0) {
            endExchange(ExchangeResult::NoReply);
            return;
        }
        if (link_.isOpen())
            link_.WriteReport(std::span(txReport_.data(), txLength_));
        host_.armTimer(ReplyTimer, replyTimeout_);
        return;
    default:
        return;
    }
}

void ScreenParaExchange::endExchange(ExchangeResult result)
{
    host_.stopTimer(HandshakeTimer);
    host_.stopTimer(ReplyTimer);
    link_.CloseLink();
    result_ = result;
    reportResult();
}

void ScreenParaExchange::reportResult()
{
    state_ = ScreenParaState::Idle;
    const QString key = ScreenParaResultTextKey(result_);
    const QString text = key.isEmpty() ? QString() : texts_.text(key);
    if (data_.afterExcute != 0)
        host_.showMessageBox(text, texts_.text(u"screenParaTitle"));
    else
        host_.setStatusText(QStringLiteral("\t") + text);
    host_.armTimer(StatusClearTimer, StatusClearInterval);
    host_.enableToolBar();
}

} // namespace tessel
