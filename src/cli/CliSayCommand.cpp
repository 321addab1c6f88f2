// tessel-cli say: one text program from an argument or standard input, sent
// to the badge or written as a program file.
#include "cli/CliColour.h"
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliDevice.h"
#include "cli/CliExchange.h"
#include "cli/CliOptions.h"
#include "cli/CliSayProgram.h"
#include "encoding/CodePage.h"
#include "files/FileMessages.h"
#include "files/ProgramFile.h"
#include "files/ProgramPath.h"
#include "render/NewTextFormat.h"
#include "render/RtfReader.h"
#include "render/ScreenGeometry.h"
#include "render/TextRasterizer.h"

#include <QFile>
#include <cstdio>
#include <optional>

namespace tessel::cli {

namespace {

constexpr int MaxPoints = 100;

struct SayArguments {
    QString text; // "-": standard input
    QString output; // -o FILE.led
    SayChoices choices;
    DeviceOptions device;
};

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

// Stores one option that takes a value; false (with the reason printed) for
// a bad value.
bool takeValue(const QString& option, const QString& value, SayChoices& choices)
{
    const auto store = [&](auto& field, auto parsed, const QString& wanted) {
        if (!parsed) {
            printError(QStringLiteral("%1 wants %2: '%3'").arg(option, wanted, value));
            return false;
        }
        field = *parsed;
        return true;
    };
    if (option == QLatin1String("--effect"))
        return store(choices.action, inRange(value, 0, 30), QStringLiteral("an entry effect 0-30"));
    if (option == QLatin1String("--speed"))
        return store(choices.speed, shownOneToSix(value), QStringLiteral("1-6"));
    if (option == QLatin1String("--stay"))
        return store(choices.stay, shownOneToSix(value), QStringLiteral("1-6"));
    if (option == QLatin1String("--exit"))
        return store(choices.exitType, inRange(value, 0, 1), QStringLiteral("an exit effect 0-1"));
    if (option == QLatin1String("--loops")) {
        const auto loops = parseNumber(value, 1, 255);
        return store(choices.playCount, loops ? std::optional<uint8_t>(*loops - 1) : std::nullopt,
            QStringLiteral("a number of plays 1-255"));
    }
    if (option == QLatin1String("--border"))
        return store(choices.borderType, inRange(value, 0, 4), QStringLiteral("a border 0-4"));
    if (option == QLatin1String("--font")) {
        const QString face = normalizedFaceName(value);
        return store(choices.face, face.isEmpty() ? std::nullopt : std::optional<QString>(face),
            QStringLiteral("a font face"));
    }
    if (option == QLatin1String("--size")) {
        const auto points = parseNumber(value, 1, MaxPoints);
        return store(choices.twips, points ? std::optional<int>(*points * TwipsPerPoint) : std::nullopt,
            QStringLiteral("a size in points, 1-%1").arg(MaxPoints));
    }
    if (option == QLatin1String("--colour"))
        return store(choices.textColour, parseColour(value), QString::fromLatin1(ColourNamesHelp));
    if (option == QLatin1String("--background"))
        return store(choices.backColour, parseColour(value), QString::fromLatin1(ColourNamesHelp));
    return store(choices.alignment, alignmentOf(value), QStringLiteral("left, centre or right"));
}

std::optional<SayArguments> parseSayArguments(const QStringList& args)
{
    static const QStringList valued = { QStringLiteral("--effect"), QStringLiteral("--speed"),
        QStringLiteral("--stay"), QStringLiteral("--exit"), QStringLiteral("--loops"), QStringLiteral("--border"),
        QStringLiteral("--font"), QStringLiteral("--size"), QStringLiteral("--colour"),
        QStringLiteral("--background"), QStringLiteral("--align") };
    QStringList rest = args;
    const auto device = takeDeviceOptions(rest);
    if (!device)
        return std::nullopt;
    SayArguments parsed { {}, {}, {}, *device };
    bool textGiven = false;
    for (int i = 0; i < rest.size(); ++i) {
        const QString& arg = rest[i];
        if (valued.contains(arg) || arg == QLatin1String("-o")) {
            if (i + 1 >= rest.size()) {
                printError(QStringLiteral("%1 wants a value").arg(arg));
                return std::nullopt;
            }
            const QString& value = rest[++i];
            if (arg == QLatin1String("-o"))
                parsed.output = value;
            else if (!takeValue(arg, value, parsed.choices))
                return std::nullopt;
        } else if (arg == QLatin1String("--bold")) {
            parsed.choices.bold = true;
        } else if (arg == QLatin1String("--italic")) {
            parsed.choices.italic = true;
        } else if (arg == QLatin1String("--arabic")) {
            parsed.choices.arabic = true;
        } else if (arg == QLatin1String("--") && i + 1 < rest.size() && !textGiven) {
            parsed.text = rest[++i]; // a text that starts with "-"
            textGiven = true;
        } else if ((arg == QLatin1String("-") || !arg.startsWith(u'-')) && !textGiven) {
            parsed.text = arg;
            textGiven = true;
        } else {
            printError(QStringLiteral("unexpected argument '%1'").arg(arg));
            return std::nullopt;
        }
    }
    if (!textGiven) {
        printError(QStringLiteral("say wants a text, or - for standard input"));
        return std::nullopt;
    }
    const bool deviceOptionsGiven = rest.size() != args.size();
    if (!parsed.output.isEmpty() && deviceOptionsGiven) {
        printError(QStringLiteral("-o writes a program file and sends nothing: it does not go with the device "
                                  "options"));
        return std::nullopt;
    }
    return parsed;
}

// Far more than 10000 columns can show: a larger input is refused rather
// than held in memory.
constexpr qint64 MaxSayInputBytes = 1024 * 1024;

std::optional<QString> readText(const QString& argument, int32_t lanID)
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
        printError(QStringLiteral("standard input holds more than %1 bytes: nothing was sent")
                       .arg(MaxSayInputBytes));
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
    printError(QStringLiteral("warning: a text program shows at most %1 columns; the text is cut after %2 of "
                              "its %3 characters")
                   .arg(CanvasColumns)
                   .arg(fitting)
                   .arg(rich.text.size()));
    // The program holds the text character for character.
    return text.left(fitting);
}

int writeSayFile(CliContext& context, const QString& output)
{
    const QString target = output == QLatin1String("-") ? output : programPathFromArgument(context, output);
    QString reason;
    if (writeProgramFile(context.data, target, &reason, DashPath::StandardOutput))
        return ExitSuccess;
    const QString message
        = writeFailedMessage(context.data.lanID, resolveProgramPath(context.data, target), reason);
    std::fprintf(stderr, "%s\n", message.toUtf8().constData());
    return ExitFailure;
}

int runSay(const QStringList& args)
{
    const auto parsed = parseSayArguments(args);
    if (!parsed)
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    const std::optional<QString> input = readText(parsed->text, context.data.lanID);
    if (!input)
        return ExitFailure;
    const QString text = sayText(*input);
    if (text.isEmpty()) {
        printError(QStringLiteral("the text is empty: nothing was sent"));
        return ExitFailure;
    }
    makeSayProgram(context.data, context.texts, fittedText(context, text, parsed->choices), parsed->choices);
    if (!parsed->output.isEmpty())
        return writeSayFile(context, parsed->output);
    return runOnDevice(context, parsed->device,
        [](CliContext& context, CliDevice& device) { return runSendSession(context, device, DeviceOperation::Send); });
}

const CliCommandRegistration sayCommand({ "say",
    "TEXT|- [--effect N] [--speed 1-6] [--stay 1-6] [--exit N] [--loops N] [--border N] [--font FACE] "
    "[--size POINTS] [--colour C] [--background C] [--bold] [--italic] [--align left|centre|right] "
    "[--arabic] [-o FILE.led] [DEVICE OPTIONS]",
    runSay,
    "Sends one text program made from TEXT, or from standard input with -, with\n"
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
    DeviceUse::Badge });

} // namespace

} // namespace tessel::cli
