#include "device/ScreenParaExchange.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

namespace tessel {

namespace {

QString MessageBoxCaption(const LanguageTable& texts)
{
    return texts.text(u"screenParaTitle");
}

} // namespace

ScreenParaExchange::ScreenParaExchange(
    const AppData& data, const LanguageTable& texts, DeviceLink& link, ScreenParaHost& host)
    : data_(data)
    , host_(host)
    , core_(data, texts, link, host,
          { ScreenParaResultTextKey, MessageBoxCaption, StatusClearing::AfterStatusText })
{
}

void ScreenParaExchange::RunCommand(DeviceOperation operation)
{
    if (running())
        return;
    if (operation != DeviceOperation::GetScreenParameters
        && operation != DeviceOperation::SetScreenParameters)
        return;
    core_.showStartText(operation == DeviceOperation::GetScreenParameters ? 1 : 2);
    operation_ = operation;
    Start();
}

void ScreenParaExchange::Start()
{
    core_.start([this](const QByteArray& reply) { OnDeviceReply(reply); });
}

void ScreenParaExchange::OnDeviceReply(const QByteArray& reply)
{
    const uint8_t code = ReplyByte(reply, ReplyOffset::Code);
    if (state() == ScreenParaState::AwaitHandshake && code == ReplyCode(Command::Handshake)) {
        onHandshakeAnswer();
        return;
    }
    if (state() != ScreenParaState::AwaitReply || code != ReplyCode(static_cast<uint8_t>(operation_)))
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
        BuildGetScreenParametersPacket(core_.packet(), data_.hostID);
    else
        BuildSetScreenParametersPacket(
            core_.packet(), data_.hostID, ParameterBytesOf(host_.chosenValues(), data_.paraByte));
    core_.sendPacket();
}

void ScreenParaExchange::OnTimer(int timerId)
{
    core_.onTimer(timerId);
}

} // namespace tessel
