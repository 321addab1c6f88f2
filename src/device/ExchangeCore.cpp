#include "device/ExchangeCore.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

namespace tessel {

namespace {

constexpr int WritesPerPacket = 3;
constexpr int MaxExtraRepetitions = WritesPerPacket;

} // namespace

ExchangeCore::ExchangeCore(const AppData& data, const LanguageTable& texts, DeviceLink& link,
    ExchangeHost& host, OutcomeTexts outcome)
    : data_(data)
    , texts_(texts)
    , link_(link)
    , host_(host)
    , outcome_(outcome)
{
}

void ExchangeCore::showStartText(int index)
{
    host_.setStatusText(QStringLiteral("\t") + texts_.msg(index));
}

void ExchangeCore::start(ReplyHandler onReply)
{
    if (running())
        return;
    // Only USB reaches the badge; the user is told rather than left waiting.
    if (data_.commType != 0) {
        result_ = ExchangeResult::SerialChosen;
        report();
        return;
    }
    host_.disableToolBar();
    retriesLeft_ = WritesPerPacket;
    extraRepetitionsLeft_ = MaxExtraRepetitions;
    openResult_ = link_.OpenLink(std::move(onReply));
    if (openResult_ != LinkOpenResult::Opened) {
        result_ = ExchangeResult::OpenFailed;
        report();
        return;
    }
    BuildHandshakePacket(packet(), data_.hostID);
    phase_ = ExchangePhase::AwaitHandshake;
    if (link_.WriteReport(txReport_) <= 0) {
        end(ExchangeResult::OpenFailed);
        return;
    }
    host_.armTimer(HandshakeTimer, HandshakeTimeout);
}

void ExchangeCore::sendPacket()
{
    phase_ = ExchangePhase::AwaitReply;
    if (link_.WriteReport(txReport_) <= 0) {
        end(ExchangeResult::WriteFailed);
        return;
    }
    retriesLeft_ = WritesPerPacket;
    extraRepetitionsLeft_ = MaxExtraRepetitions;
    host_.armTimer(ReplyTimer, ReplyTimeout);
}

void ExchangeCore::grantRepetition()
{
    if (extraRepetitionsLeft_ > 0) {
        --extraRepetitionsLeft_;
        ++retriesLeft_;
    }
}

void ExchangeCore::onTimer(int timerId)
{
    switch (timerId) {
    case StatusClearTimer:
        host_.setStatusText(QString());
        return;
    case HandshakeTimer:
        host_.stopTimer(HandshakeTimer);
        if (phase_ == ExchangePhase::AwaitHandshake)
            end(ExchangeResult::NoHandshake);
        return;
    case ReplyTimer:
        host_.stopTimer(ReplyTimer);
        if (phase_ != ExchangePhase::AwaitReply)
            return;
        if (--retriesLeft_ <= 0) {
            end(ExchangeResult::NoReply);
            return;
        }
        // The repetition's own outcome is not tested: a failing badge ends
        // the exchange by its time-outs.
        if (link_.isOpen())
            link_.WriteReport(txReport_);
        host_.armTimer(ReplyTimer, ReplyTimeout);
        return;
    default:
        return;
    }
}

void ExchangeCore::end(ExchangeResult result)
{
    host_.stopTimer(HandshakeTimer);
    host_.stopTimer(ReplyTimer);
    link_.CloseLink();
    result_ = result;
    report();
}

void ExchangeCore::report()
{
    phase_ = ExchangePhase::Idle;
    const QString key = outcome_.textKey(result_);
    const QString text = key.isEmpty() ? QString() : texts_.text(key);
    const bool inMessageBox = data_.afterExcute != 0;
    if (inMessageBox)
        host_.showMessageBox(text, outcome_.caption(texts_));
    else
        host_.setStatusText(QStringLiteral("\t") + text);
    // A failure stays long enough to be read; a success clears soon.
    if (!inMessageBox || outcome_.statusClearing == StatusClearing::AfterEveryOutcome)
        host_.armTimer(StatusClearTimer, IsSuccess(result_) ? StatusClearInterval : FailureStatusInterval);
    host_.enableToolBar();
}

} // namespace tessel
