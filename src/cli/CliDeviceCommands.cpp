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
#include "cli/CliTerminalText.h"
#include "device/ScreenParaExchange.h"
#include "device/ScreenParaFields.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

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

// The set read as a JSON object: the fields of the summary line, by name
// (the output enable spelt "High", not as the summary spells it).
QByteArray screenParaJson(const ScreenPara& para)
{
    const ScreenParaChoice choice = ChoiceOf(para);
    const QJsonObject object { { QStringLiteral("name"), para.name }, { QStringLiteral("id"), choice.id },
        { QStringLiteral("rows"), choice.height }, { QStringLiteral("columns"), choice.width },
        { QStringLiteral("colours"), RgbText(choice.rgb) },
        { QStringLiteral("oe"), choice.oe == 0 ? QStringLiteral("Low") : QStringLiteral("High") },
        { QStringLiteral("data"), PolarityText(choice.polarity) } };
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

enum class Format { Line, Json };

int runScreenParaExchange(CliContext& context, CliDevice& device, DeviceOperation operation,
    const ScreenParaChoice& choice, Format format = Format::Line)
{
    CliDeviceHost host(context.console, ProgressBar::Hidden);
    host.choice = choice;
    ScreenParaExchange exchange(context.data, context.texts, device.link(), host);
    QEventLoop loop;
    host.onTimer = [&exchange](int id) { exchange.OnTimer(id); };
    host.onEnded = [&loop] { loop.quit(); };
    exchange.RunCommand(operation);
    if (exchange.running())
        loop.exec();
    if (!device.writeSimulatorFiles(context.console))
        return ExitFailure;
    if (exchange.result() == ExchangeResult::ParametersRead && exchange.readPara()) {
        // What the badge reported, and nothing else: it sends no name, so the
        // name field stays empty, as the dialog's name edit does.
        const ScreenPara read = *exchange.readPara();
        if (format == Format::Json)
            context.console.writeData(screenParaJson(read));
        else
            context.console.writeText(escapedControls(ScreenParaSummary(read)) + u'\n');
    }
    return finishExchange(
        context.console, ExchangeKind::ScreenParameters, exchange.result(), exchange.openResult());
}

// A device command: the device options, the editor's settings, then the
// exchange on the device.
int runOnDevice(const CliCall& call, CliContext& context, const Exchange& exchange)
{
    const auto device = deviceOptions(call);
    if (!device)
        return ExitUsage;
    return runOnDevice(context, *device, exchange);
}

int runToolCommand(const CliCall& call, DeviceOperation operation)
{
    CliContext context(call.console);
    initCliContext(context);
    return runOnDevice(call, context, [operation](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, operation);
    });
}

int runSend(const CliCall& call)
{
    const auto device = deviceOptions(call);
    if (!device)
        return ExitUsage;
    CliContext context(call.console);
    initCliContext(context);
    if (const int status = readProgramArgument(context, call.arguments.first()); status != ExitSuccess)
        return status;
    return runOnDevice(context, *device, [](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, DeviceOperation::Send);
    });
}

int runBrightness(const CliCall& call)
{
    std::optional<int> value;
    if (!call.arguments.isEmpty()) {
        value = parseNumber(call.arguments.first(), 0, 2);
        if (!value) {
            call.console.error(CliMessage::BadValue,
                { QStringLiteral("brightness"), call.arguments.first(),
                    QStringLiteral("0 (100 %), 1 (66 %), 2 (33 %)") });
            return ExitUsage;
        }
    }
    CliContext context(call.console);
    initCliContext(context);
    if (value)
        context.data.bright = static_cast<uint8_t>(*value);
    return runOnDevice(call, context, [](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, DeviceOperation::SetBrightness);
    });
}

int runGetParams(const CliCall& call)
{
    const Format format = call.isSet(QStringLiteral("json")) ? Format::Json : Format::Line;
    CliContext context(call.console);
    initCliContext(context);
    return runOnDevice(call, context, [format](CliContext& context, CliDevice& device) {
        return runScreenParaExchange(context, device, DeviceOperation::GetScreenParameters, {}, format);
    });
}

// --id N --height H --width W --rgb R --oe O --data D; a value not given is
// that of the current screen parameter set.
std::optional<ScreenParaChoice> screenParaChoice(const CliCall& call, ScreenParaChoice choice)
{
    struct Field {
        const char* option;
        int* field;
        std::function<std::optional<int>(const QString&)> parse;
        const char* allowed;
    };
    const Field fields[] = {
        { "id", &choice.id, [](const QString& text) { return parseNumber(text, 0, MaxScreenId); }, "0-254" },
        { "height", &choice.height,
            [](const QString& text) {
                const auto value = parseNumber(text, 12, 16);
                return value && (*value == 12 || *value == 14 || *value == 16) ? value : std::nullopt;
            },
            "12, 14, 16" },
        { "width", &choice.width, [](const QString& text) { return parseNumber(text, 1, 16 * 16); },
            "1-256" },
        { "rgb", &choice.rgb,
            [](const QString& text) {
                return parseChoice(text, { RgbText(0), RgbText(1), RgbText(2) });
            },
            "R, RG, RGB, 0-2" },
        { "oe", &choice.oe,
            [](const QString& text) {
                const auto value = parseChoice(text, { OeText(0), OeText(1) });
                return !value && text.compare(QLatin1String("High"), Qt::CaseInsensitive) == 0 ? 1 : value;
            },
            "Low, High, 0, 1" },
        { "data", &choice.polarity,
            [](const QString& text) {
                return parseChoice(text, { PolarityText(0), PolarityText(1) });
            },
            "595, 5026, 0, 1" },
    };
    for (const Field& field : fields) {
        const QString option = QLatin1String(field.option);
        if (!call.isSet(option))
            continue;
        const auto value = field.parse(call.value(option));
        if (!value) {
            badValue(call, option, QLatin1String(field.allowed));
            return std::nullopt;
        }
        *field.field = *value;
    }
    // The widths a height offers: 3h, 4h, ... 16h.
    const int h = choice.height;
    if (choice.width % h != 0 || choice.width < 3 * h || choice.width > 16 * h) {
        call.console.error(CliMessage::BadValue,
            { QStringLiteral("--width"), QString::number(choice.width),
                QStringLiteral("%1, %2, ... %3").arg(3 * h).arg(4 * h).arg(16 * h) });
        return std::nullopt;
    }
    return choice;
}

int runSetParams(const CliCall& call)
{
    CliContext context(call.console);
    initCliContext(context);
    const auto choice = screenParaChoice(call, ChoiceOf(context.data.screenPara));
    if (!choice)
        return ExitUsage;
    return runOnDevice(call, context, [&choice](CliContext& context, CliDevice& device) {
        return runScreenParaExchange(context, device, DeviceOperation::SetScreenParameters, *choice);
    });
}

CliOption valued(const char* name, const char* valueName)
{
    return { { QLatin1String(name) }, QLatin1String(valueName) };
}

const CliCommandRegistration sendCommand({
    .name = "send",
    .usage = "FILE.led|- [DEVICE OPTIONS]",
    .help = "Sends every ticked text and image program of the file to the badge, as the\n"
            "editor's Send does; on a terminal a bar on standard error shows the\n"
            "transfer's progress.\n",
    .arguments = { 1, 1, QStringLiteral("FILE.led") },
    .run = runSend,
    .deviceUse = DeviceUse::Badge,
});
const CliCommandRegistration searchCommand({
    .name = "search",
    .usage = "[DEVICE OPTIONS]",
    .help = "Looks for the badge and tells whether it answers.\n",
    .run = [](const CliCall& call) { return runToolCommand(call, DeviceOperation::Search); },
    .deviceUse = DeviceUse::Badge,
});
const CliCommandRegistration clearCommand({
    .name = "clear",
    .usage = "[DEVICE OPTIONS]",
    .help = "Clears the badge's screen.\n",
    .run = [](const CliCall& call) { return runToolCommand(call, DeviceOperation::ClearScreen); },
    .deviceUse = DeviceUse::Badge,
});
const CliCommandRegistration brightnessCommand({
    .name = "brightness",
    .usage = "[0|1|2] [DEVICE OPTIONS]",
    .help = "Sets the badge's brightness: 0 = 100 %, 1 = 66 %, 2 = 33 %; without a value,\n"
            "the brightness of app.xml.\n",
    .arguments = { 0, 1, {} },
    .run = runBrightness,
    .deviceUse = DeviceUse::Badge,
});
const CliCommandRegistration getParamsCommand({
    .name = "get-params",
    .usage = "[--json] [DEVICE OPTIONS]",
    .help = "Reads the badge's screen parameters and prints them as one line\n"
            ",ID,ROWS*COLUMNS,COLOURS,OE,DATA, e.g. ,0,12*48,R,Low,595 (the badge keeps no name).\n"
            "  --json    a UTF-8 JSON object: name (string: empty, as the badge sends\n"
            "            none), id (number 0-254), rows (12, 14 or 16),\n"
            "            columns (LEDs, 3-16 times rows), colours (R, RG or RGB), oe (Low\n"
            "            or High), data (595 or 5026), each a string but id, rows, columns\n",
    .options = { { { QStringLiteral("json") } } },
    .run = runGetParams,
    .deviceUse = DeviceUse::Badge,
});
const CliCommandRegistration setParamsCommand({
    .name = "set-params",
    .usage = "[--id N] [--height 12|14|16] [--width W] [--rgb R|RG|RGB] [--oe Low|High] [--data 595|5026] "
             "[DEVICE OPTIONS]",
    .help = "Writes screen parameters to the badge; a value not given is that of the\n"
            "current screen parameter set of app.xml. The width is a multiple of the\n"
            "height, 3 to 16 times it.\n"
            "  --id N              the panel's number, 0-254\n"
            "  --height ROWS       12, 14 or 16\n"
            "  --width COLUMNS     3 to 16 times the height\n"
            "  --rgb R|RG|RGB      the colours (or 0-2)\n"
            "  --oe Low|High       the output enable polarity (or 0, 1)\n"
            "  --data 595|5026     the driver type (or 0, 1)\n",
    .options = { valued("id", "N"), valued("height", "ROWS"), valued("width", "COLUMNS"),
        valued("rgb", "R|RG|RGB"), valued("oe", "Low|High"), valued("data", "595|5026") },
    .run = runSetParams,
    .deviceUse = DeviceUse::Badge,
});

} // namespace

} // namespace tessel::cli
