#include "device/ExchangeResult.h"

namespace tessel {

namespace {

QString Tip(int index)
{
    return QStringLiteral("tip%1").arg(index);
}

// The failures every exchange reports with the same text.
QString SharedResultTextKey(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::OpenFailed:
        return Tip(18);
    case ExchangeResult::NoHandshake:
        return Tip(19);
    case ExchangeResult::WriteFailed:
        return Tip(20);
    case ExchangeResult::SerialChosen:
        return QStringLiteral("serialChosen");
    default:
        return {};
    }
}

} // namespace

QString SendResultTextKey(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::TransferRefused:
        return Tip(22);
    case ExchangeResult::NothingToSend:
        return Tip(23);
    case ExchangeResult::ImageTooLarge:
        return Tip(24);
    case ExchangeResult::BadgeRejected:
        return Tip(25);
    case ExchangeResult::SearchDone:
        return Tip(0);
    case ExchangeResult::SendDone:
        return Tip(7);
    case ExchangeResult::ClearDone:
        return Tip(4);
    case ExchangeResult::ChargeIconDone:
        return Tip(5);
    case ExchangeResult::BrightnessDone:
        return Tip(6);
    default:
        return SharedResultTextKey(result);
    }
}

QString ScreenParaResultTextKey(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::ParametersSet:
        return Tip(2);
    case ExchangeResult::ParametersRead:
        return Tip(1);
    default:
        return SharedResultTextKey(result);
    }
}

bool IsSuccess(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::SearchDone:
    case ExchangeResult::ParametersSet:
    case ExchangeResult::ParametersRead:
    case ExchangeResult::SendDone:
    case ExchangeResult::ClearDone:
    case ExchangeResult::ChargeIconDone:
    case ExchangeResult::BrightnessDone:
        return true;
    default:
        return false;
    }
}

} // namespace tessel
