// tessel-cli send, search, clear, brightness, get-params and set-params: the
// editor's device exchanges, run by the same state machines with a real
// event loop, the real reader thread and QTimer window timers, against the
// badge or the simulator.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliDevice.h"
#include "cli/CliDeviceHost.h"
#include "cli/CliDeviceOutcome.h"
#include "cli/CliExchange.h"
#include "cli/CliOptions.h"
#include "device/ScreenParaExchange.h"

#include <QEventLoop>
#include <cstdio>

namespace tessel::cli {

namespace {

// A number, or one of the names of its values ("R", "RG", "RGB").
std::optional<int> parseChoice(const QString& text, const QStringList& names)
{
    for (int i = 0; i < names.size(); ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0)
            return i;
    return parseNumber(text, 0, static_cast<int>(names.size()) - 1);
}

int runScreenParaExchange(
    CliContext& context, CliDevice& device, DeviceOperation operation, const ScreenParaChoice& choice)
{
    CliDeviceHost host(ProgressBar::Hidden);
    host.choice = choice;
    ScreenParaExchange exchange(context.data, context.texts, device.link(), host);
    QEventLoop loop;
    host.onTimer = [&exchange](int id) { exchange.OnTimer(id); };
    host.onEnded = [&loop] { loop.quit(); };
    exchange.RunCommand(operation);
    if (exchange.running())
        loop.exec();
    const bool filesWritten = device.writeSimulatorFiles();
    if (exchange.result() == ExchangeResult::ParametersRead && exchange.readPara()) {
        // What the badge reported, and nothing else: it sends no name, so the
        // name field stays empty, as the dialog's name edit does.
        std::printf("%s\n", ScreenParaSummary(*exchange.readPara()).toUtf8().constData());
    }
    const int status = finishExchange(
        context.texts, ExchangeKind::ScreenParameters, exchange.result(), exchange.openResult());
    return filesWritten ? status : ExitFailure;
}

// The common start of every device command: the device options, nothing
// else left over unless the command takes it, and the editor's settings.
struct Prepared {
    DeviceOptions device;
    QStringList rest;
};

std::optional<Prepared> prepare(const QStringList& args)
{
    QStringList rest = args;
    const auto device = takeDeviceOptions(rest);
    if (!device)
        return std::nullopt;
    return Prepared { *device, rest };
}

bool noArguments(const QStringList& rest)
{
    if (rest.isEmpty())
        return true;
    printError(QStringLiteral("unexpected argument '%1'").arg(rest.first()));
    return false;
}

// A device command without arguments of its own.
int runWithoutArguments(const QStringList& args, const Exchange& exchange)
{
    const auto prepared = prepare(args);
    if (!prepared || !noArguments(prepared->rest))
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    return runOnDevice(context, prepared->device, exchange);
}

int runToolCommand(const QStringList& args, DeviceOperation operation)
{
    return runWithoutArguments(args, [operation](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, operation);
    });
}

int sendImage(CliContext& context, CliDevice& device)
{
    return runSendSession(context, device, DeviceOperation::Send);
}

int runSend(const QStringList& args)
{
    const auto prepared = prepare(args);
    if (!prepared)
        return ExitUsage;
    if (prepared->rest.size() != 1 || prepared->rest.first().startsWith(u'-')) {
        printError(QStringLiteral("send wants one program file"));
        return ExitUsage;
    }
    CliContext context;
    initCliContext(context);
    if (const int status = readProgramArgument(context, prepared->rest.first()); status != ExitSuccess)
        return status;
    return runOnDevice(context, prepared->device, sendImage);
}

int runBrightness(const QStringList& args)
{
    auto prepared = prepare(args);
    if (!prepared)
        return ExitUsage;
    std::optional<int> value;
    if (!prepared->rest.isEmpty()) {
        value = parseNumber(prepared->rest.takeFirst(), 0, 2);
        if (!value) {
            printError(QStringLiteral("brightness wants 0 (100 %), 1 (66 %) or 2 (33 %)"));
            return ExitUsage;
        }
    }
    if (!noArguments(prepared->rest))
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    if (value)
        context.data.bright = static_cast<uint8_t>(*value);
    return runOnDevice(context, prepared->device, [](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, DeviceOperation::SetBrightness);
    });
}

int runGetParams(const QStringList& args)
{
    return runWithoutArguments(args, [](CliContext& context, CliDevice& device) {
        return runScreenParaExchange(context, device, DeviceOperation::GetScreenParameters, {});
    });
}

// --id N --height H --width W --rgb R --oe O --data D; a value not given is
// that of the current screen parameter set.
std::optional<ScreenParaChoice> parseScreenParaChoice(const QStringList& rest, ScreenParaChoice choice)
{
    for (int i = 0; i < rest.size(); ++i) {
        const QString& option = rest[i];
        if (i + 1 >= rest.size()) {
            printError(QStringLiteral("unexpected argument '%1'").arg(option));
            return std::nullopt;
        }
        const QString& text = rest[++i];
        std::optional<int> value;
        int* field = nullptr;
        if (option == QLatin1String("--id")) {
            value = parseNumber(text, 0, MaxScreenId);
            field = &choice.id;
        } else if (option == QLatin1String("--height")) {
            value = parseNumber(text, 12, 16);
            if (value && *value != 12 && *value != 14 && *value != 16)
                value.reset();
            field = &choice.height;
        } else if (option == QLatin1String("--width")) {
            value = parseNumber(text, 1, 16 * 16);
            field = &choice.width;
        } else if (option == QLatin1String("--rgb")) {
            value = parseChoice(text, { RgbText(0), RgbText(1), RgbText(2) });
            field = &choice.rgb;
        } else if (option == QLatin1String("--oe")) {
            value = parseChoice(text, { OeText(0), OeText(1) });
            if (!value && text.compare(QLatin1String("High"), Qt::CaseInsensitive) == 0)
                value = 1;
            field = &choice.oe;
        } else if (option == QLatin1String("--data")) {
            value = parseChoice(text, { PolarityText(0), PolarityText(1) });
            field = &choice.polarity;
        } else {
            printError(QStringLiteral("unexpected argument '%1'").arg(option));
            return std::nullopt;
        }
        if (!value) {
            printError(QStringLiteral("%1: '%2' is not one of its values").arg(option, text));
            return std::nullopt;
        }
        *field = *value;
    }
    // The widths a height offers: 3h, 4h, ... 16h.
    const int h = choice.height;
    if (choice.width % h != 0 || choice.width < 3 * h || choice.width > 16 * h) {
        printError(QStringLiteral("--width for height %1 is one of %2, %3, ... %4")
                       .arg(h)
                       .arg(3 * h)
                       .arg(4 * h)
                       .arg(16 * h));
        return std::nullopt;
    }
    return choice;
}

int runSetParams(const QStringList& args)
{
    const auto prepared = prepare(args);
    if (!prepared)
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    const auto choice = parseScreenParaChoice(prepared->rest, ChoiceOf(context.data.screenPara));
    if (!choice)
        return ExitUsage;
    return runOnDevice(context, prepared->device, [&choice](CliContext& context, CliDevice& device) {
        return runScreenParaExchange(context, device, DeviceOperation::SetScreenParameters, *choice);
    });
}

const CliCommandRegistration sendCommand({ "send", "FILE.led [DEVICE OPTIONS]", runSend,
    "Sends every ticked text and image program of the file to the badge, as the\n"
    "editor's Send does; on a terminal a bar shows the transfer's progress.\n",
    DeviceUse::Badge });
const CliCommandRegistration searchCommand({ "search", "[DEVICE OPTIONS]",
    [](const QStringList& args) { return runToolCommand(args, DeviceOperation::Search); },
    "Looks for the badge and tells whether it answers.\n", DeviceUse::Badge });
const CliCommandRegistration clearCommand({ "clear", "[DEVICE OPTIONS]",
    [](const QStringList& args) { return runToolCommand(args, DeviceOperation::ClearScreen); },
    "Clears the badge's screen.\n", DeviceUse::Badge });
const CliCommandRegistration brightnessCommand({ "brightness", "[0|1|2] [DEVICE OPTIONS]", runBrightness,
    "Sets the badge's brightness: 0 = 100 %, 1 = 66 %, 2 = 33 %; without a value,\n"
    "the brightness of app.xml.\n",
    DeviceUse::Badge });
const CliCommandRegistration getParamsCommand({ "get-params", "[DEVICE OPTIONS]", runGetParams,
    "Reads the badge's screen parameters and prints them as\n"
    ",ID,ROWS*COLUMNS,COLOURS,OE,DATA (the badge keeps no name).\n",
    DeviceUse::Badge });
const CliCommandRegistration setParamsCommand({ "set-params",
    "[--id N] [--height 12|14|16] [--width W] [--rgb R|RG|RGB] [--oe Low|High] [--data 595|5026] "
    "[DEVICE OPTIONS]",
    runSetParams,
    "Writes screen parameters to the badge; a value not given is that of the\n"
    "current screen parameter set of app.xml. The width is a multiple of the\n"
    "height, 3 to 16 times it.\n",
    DeviceUse::Badge });

} // namespace

} // namespace tessel::cli
