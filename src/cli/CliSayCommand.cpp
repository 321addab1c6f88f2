// tessel-cli say: one text program from an argument or standard input, sent
// to the badge or written as a program file.
#include "cli/CliColour.h"
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliDevice.h"
#include "cli/CliExchange.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "cli/CliSayProgram.h"
#include "encoding/CodePage.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"
#include "render/NewTextFormat.h"
#include "render/RtfReader.h"
#include "render/ScreenGeometry.h"
#include "render/TextRasterizer.h"

#include <QFile>
#include <optional>

namespace tessel::cli {

namespace {

constexpr int MaxPoints = 100;

// A display setting shown as "1" ... "6": the stored index 0-5.
std::optional<uint8_t> shownOneToSix(const QString& text)
{
    const auto value = parseNumber(text, 1, 6);
    return value ? std::optional<uint8_t>(*value - 1) : std::nullopt;
}

std::optional<uint8_t> inRange(const QString& text, int low, int high)
{
    const auto value = parseNumber(text, low, high);
    return value ? std::optional<uint8_t>(*value) : std::nullopt;
}

std::optional<Alignment> alignmentOf(const QString& text)
{
    if (text == QLatin1String("left"))
        return Alignment::Left;
    if (text == QLatin1String("centre") || text == QLatin1String("center"))
        return Alignment::Center;
    if (text == QLatin1String("right"))
        return Alignment::Right;
    return std::nullopt;
}

// The choices of the options given; nothing (with the reason printed) for a
// bad value.
std::optional<SayChoices> sayChoices(const CliCall& call)
{
    SayChoices choices;
    bool bad = false;
    const auto take = [&](const char* name, auto& field, auto parse, const QString& allowed) {
        const QString option = QLatin1String(name);
        if (bad || !call.isSet(option))
            return;
        const auto parsed = parse(call.value(option));
        if (!parsed) {
            badValue(call, option, allowed);
            bad = true;
            return;
        }
        field = *parsed;
    };
    const auto range = [](int low, int high) {
        return [low, high](const QString& text) { return inRange(text, low, high); };
    };
    take("effect", choices.action, range(0, 30), QStringLiteral("0-30"));
    take("speed", choices.speed, shownOneToSix, QStringLiteral("1-6"));
    take("stay", choices.stay, shownOneToSix, QStringLiteral("1-6"));
    take("exit", choices.exitType, range(0, 1), QStringLiteral("0-1"));
    take(
        "loops", choices.playCount,
        [](const QString& text) {
            const auto loops = parseNumber(text, 1, 255);
            return loops ? std::optional<uint8_t>(*loops - 1) : std::nullopt;
        },
        QStringLiteral("1-255"));
    take("border", choices.borderType, range(0, 4), QStringLiteral("0-4"));
    take(
        "font", choices.face,
        [](const QString& text) {
            const QString face = normalizedFaceName(text);
            return face.isEmpty() ? std::nullopt : std::optional<QString>(face);
        },
        QStringLiteral("a font face"));
    take(
        "size", choices.twips,
        [](const QString& text) {
            const auto points = parseNumber(text, 1, MaxPoints);
            return points ? std::optional<int>(*points * TwipsPerPoint) : std::nullopt;
        },
        QStringLiteral("1-%1").arg(MaxPoints));
    take("colour", choices.textColour, parseColour, QString::fromLatin1(ColourNamesHelp));
    take("background", choices.backColour, parseColour, QString::fromLatin1(ColourNamesHelp));
    take("align", choices.alignment, alignmentOf, QStringLiteral("left, centre, right"));
    if (bad)
        return std::nullopt;
    choices.bold = call.isSet(QStringLiteral("bold"));
    choices.italic = call.isSet(QStringLiteral("italic"));
    choices.arabic = call.isSet(QStringLiteral("arabic"));
    return choices;
}

// Far more than 10000 columns can show: a larger input is refused rather
// than held in memory.
constexpr qint64 MaxSayInputBytes = 1024 * 1024;

// The text of the argument, or of standard input for "-": at most
// MaxSayInputBytes. Nothing, with the reason printed, when standard input is
// larger.
std::optional<QString> readText(const CliConsole& console, const QString& argument, int32_t lanID)
{
    if (argument != QLatin1String("-"))
        return argument;
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return QString();
    // A pipe gives its bytes in pieces.
    QByteArray bytes;
    while (bytes.size() <= MaxSayInputBytes) {
        const QByteArray piece = input.read(MaxSayInputBytes + 1 - bytes.size());
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > MaxSayInputBytes) {
        console.error(CliMessage::InputTooLarge, { QString::number(MaxSayInputBytes >> 20) });
        return std::nullopt;
    }
    return decodeSayInput(bytes, lanID);
}

// Text beyond the canvas is not drawn: the text ends after its last
// character that fits, so that no blank frames are sent, and a warning says so.
QString fittedText(CliContext& context, const QString& text, const SayChoices& choices)
{
    const Program& program = makeSayProgram(context.data, context.texts, text, choices);
    const TextItem& item = *program.text();
    const RichText rich = RichTextFromSave(item.save, ansiCodePageForLanguage(context.data.lanID));
    const qsizetype fitting = FittingLength(PreviewGeometry(context.data.screenPara), item, rich);
    if (fitting >= rich.text.size())
        return text;
    const QImage strip = RasterizeText(PreviewGeometry(context.data.screenPara), item, rich, context.data.paths.dataDir);
    context.console.error(CliMessage::TextCut, { QString::number(strip.width()), QString::number(CanvasColumns) });
    // The program holds the text character for character.
    return text.left(fitting);
}

int writeSayFile(CliContext& context, const QString& output)
{
    const QString target = output == QLatin1String("-") ? output : programPathFromArgument(context, output);
    QString reason;
    if (writeProgramFile(context.data, target, &reason, DashPath::StandardOutput))
        return ExitSuccess;
    printWriteError(context.console, resolveProgramPath(context.data, target), reason);
    return ExitFailure;
}

int runSay(const CliCall& call)
{
    const auto choices = sayChoices(call);
    if (!choices)
        return ExitUsage;
    const QString output = call.value(QStringLiteral("o"));
    if (call.isSet(QStringLiteral("o")) && deviceOptionGiven(call))
        return call.usageError(
            CliMessage::Conflict, { QStringLiteral("-o"), QStringLiteral("DEVICE OPTIONS") });
    const auto device = deviceOptions(call);
    if (!device)
        return ExitUsage;
    CliContext context(call.console);
    initCliContext(context);
    const auto read = readText(call.console, call.arguments.first(), context.data.lanID);
    if (!read)
        return ExitFailure;
    // Empty is a failure however the text came, as an argument or on
    // standard input.
    const QString text = sayText(*read);
    if (text.isEmpty()) {
        call.console.error(CliMessage::EmptyText);
        return ExitFailure;
    }
    makeSayProgram(context.data, context.texts, fittedText(context, text, *choices), *choices);
    if (call.isSet(QStringLiteral("o")))
        return writeSayFile(context, output);
    return runOnDevice(context, *device, [](CliContext& context, CliDevice& device) {
        return runSendSession(context, device, DeviceOperation::Send);
    });
}

CliOption valued(const char* name, const char* valueName)
{
    return { { QLatin1String(name) }, QLatin1String(valueName) };
}

CliOption flag(const char* name)
{
    return { { QLatin1String(name) } };
}

const CliCommandRegistration sayCommand({
    .name = "say",
    .usage
    = "TEXT|- [--effect N] [--speed 1-6] [--stay 1-6] [--exit N] [--loops N] [--border N] [--font FACE] "
      "[--size POINTS] [--colour C] [--background C] [--bold] [--italic] [--align left|centre|right] "
      "[--arabic] [-o FILE.led] [DEVICE OPTIONS]",
    .help = "Sends one text program made from TEXT, or from standard input with -, with\n"
            "the settings of a new text program in the editor; icon codes such as [A001]\n"
            "are drawn from the icon library. Line ends start new paragraphs. A text that\n"
            "starts with - follows --: tessel-cli say -- \"-5 degrees\".\n"
            "  --effect N        entry effect, 0-30 (default 0)\n"
            "  --speed 1-6       effect speed (default 2)\n"
            "  --stay 1-6        stay time (default 1)\n"
            "  --exit N          exit effect, 0-1 (default 0)\n"
            "  --loops N         plays, 1-255 (default 1)\n"
            "  --border N        border, 0-4 (default 0, none)\n"
            "  --font FACE       font face (default Arial; 宋体 in Chinese)\n"
            "  --size POINTS     character size (default: fills the screen's rows)\n"
            "  --colour C        text colour (default red)\n"
            "  --background C    background colour (default black, none)\n"
            "                    C: black, red, green, yellow, blue, purple, cyan, white or #RRGGBB\n"
            "  --bold, --italic  bold or italic text\n"
            "  --align A         left, centre or right (default left)\n"
            "  --arabic          right-to-left text\n"
            "  -o FILE.led       write the program file instead of sending\n",
    .options = { valued("effect", "N"), valued("speed", "1-6"), valued("stay", "1-6"), valued("exit", "N"),
        valued("loops", "N"), valued("border", "N"), valued("font", "FACE"), valued("size", "POINTS"),
        valued("colour", "C"), valued("background", "C"), flag("bold"), flag("italic"), valued("align", "A"),
        flag("arabic"), { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE.led") } },
    .arguments = { 1, 1, QStringLiteral("TEXT") },
    .run = runSay,
    .deviceUse = DeviceUse::Badge,
});

} // namespace

} // namespace tessel::cli
