#include "cli/CliDeviceOutcome.h"

#include "cli/CliCommand.h"

#include "render/ProgramEncoder.h"

namespace tessel::cli {

namespace {

// The words of a result whose tip the language file lacks: the table's
// own, or English for an exchange that never ran.
QString fallbackText(const CliConsole& console, ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::OpenFailed:
        return QStringLiteral("no badge found");
    case ExchangeResult::NoHandshake:
        return QStringLiteral("the badge did not answer");
    case ExchangeResult::NoReply:
        return console.text(CliMessage::NoReply);
    case ExchangeResult::WriteFailed:
        return QStringLiteral("writing to the badge failed");
    case ExchangeResult::TransferRefused:
        return QStringLiteral("the badge refused the transfer");
    case ExchangeResult::NothingToSend:
        return QStringLiteral("nothing to send: no ticked text or image program");
    case ExchangeResult::BadgeRejected:
        return QStringLiteral("this badge is not supported");
    case ExchangeResult::ImageTooLarge:
        return QStringLiteral("too much to send: more programs or data than the badge can take");
    case ExchangeResult::None:
        return QStringLiteral("the exchange ended without a command");
    default:
        return QStringLiteral("done");
    }
}

} // namespace

const char* const UdevRule = "data/udev/70-k9057r-badge.rules";

int finishExchange(
    const CliConsole& console, ExchangeKind kind, ExchangeResult result, LinkOpenResult openResult)
{
    if (result == ExchangeResult::OpenFailed && openResult == LinkOpenResult::NoPermission) {
        console.error(CliMessage::NoPermission, { QLatin1String(UdevRule) });
        return ExitFailure;
    }
    if (result == ExchangeResult::OpenFailed && openResult == LinkOpenResult::NotABadge) {
        console.error(CliMessage::NotABadge, { QStringLiteral("--device-path") });
        return ExitFailure;
    }
    const QString key
        = kind == ExchangeKind::Send ? SendResultTextKey(result) : ScreenParaResultTextKey(result);
    QString text = key.isEmpty() ? QString() : console.texts().text(key);
    if (text.isEmpty())
        text = fallbackText(console, result);
    if (!IsSuccess(result)) {
        console.error(text);
        return ExitFailure;
    }
    console.outcome(text);
    return ExitSuccess;
}

bool printTooManyFrames(const CliConsole& console, const AppData& data, const DeviceImageBuild& build)
{
    if (build.tooManyFramesProgram <= 0 || build.tooManyFramesProgram > int(data.programs.size()))
        return false;
    const Program& program = *data.programs[size_t(build.tooManyFramesProgram - 1)];
    console.error(CliMessage::TooManyFrames,
        { QString::number(build.tooManyFramesProgram), program.name, QString::number(build.framesNeeded),
            QString::number(MaxFrameCount) });
    return true;
}

} // namespace tessel::cli
