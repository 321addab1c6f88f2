#include "cli/CliDeviceOutcome.h"

#include "cli/CliCommand.h"

#include "cli/CliOptions.h"
#include "render/ProgramEncoder.h"

#include <cstdio>

namespace tessel::cli {

namespace {

QString fallbackText(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::OpenFailed:
        return QStringLiteral("no badge found");
    case ExchangeResult::NoHandshake:
        return QStringLiteral("the badge did not answer");
    case ExchangeResult::NoReply:
        return QStringLiteral("the badge stopped answering");
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

int finishExchange(
    const LanguageTable& texts, ExchangeKind kind, ExchangeResult result, LinkOpenResult openResult)
{
    if (result == ExchangeResult::OpenFailed && openResult == LinkOpenResult::NoPermission) {
        std::fprintf(stderr,
            "tessel-cli: the badge is attached but this user may not open it: install the udev rule "
            "data/udev/70-k9057r-badge.rules (see the README), then unplug and replug the badge\n");
        return ExitFailure;
    }
    if (result == ExchangeResult::OpenFailed && openResult == LinkOpenResult::NotABadge) {
        std::fprintf(stderr, "tessel-cli: the device at --device-path is not the badge (see 'tessel-cli devices')\n");
        return ExitFailure;
    }
    const QString key
        = kind == ExchangeKind::Send ? SendResultTextKey(result) : ScreenParaResultTextKey(result);
    QString text = key.isEmpty() ? QString() : texts.text(key);
    if (text.isEmpty())
        text = fallbackText(result);
    const bool success = IsSuccess(result);
    std::fprintf(success ? stdout : stderr, "%s\n", text.toUtf8().constData());
    return success ? ExitSuccess : ExitFailure;
}

bool printTooManyFrames(const AppData& data, const DeviceImageBuild& build)
{
    if (build.tooManyFramesProgram <= 0 || build.tooManyFramesProgram > int(data.programs.size()))
        return false;
    const Program& program = *data.programs[size_t(build.tooManyFramesProgram - 1)];
    printError(QStringLiteral("program %1 ('%2') needs %3 frames: a program holds at most %4")
                   .arg(build.tooManyFramesProgram)
                   .arg(program.name)
                   .arg(build.framesNeeded)
                   .arg(MaxFrameCount));
    return true;
}

} // namespace tessel::cli
