// tessel-cli render and image: the preview picture of one program and the
// device image a send would transfer, written to files.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliDeviceOutcome.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "render/BmpWriter.h"
#include "render/DeviceImage.h"
#include "render/PreviewPicture.h"
#include "render/ScreenGeometry.h"

#include <limits>
#include <optional>

namespace tessel::cli {

namespace {

constexpr int MaxExtraPlanes = 2;

struct Options {
    QString programFile;
    QString output;
    std::optional<int> program;
    std::optional<Screen> screen;
    std::optional<int> planes;
};

enum class Accepts : uint8_t { ProgramNumber, Planes };

// Reads the command's arguments; prints the reason and returns nothing on
// bad usage.
std::optional<Options> parseOptions(const QStringList& args, Accepts accepts)
{
    Options options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("-o") && hasValue) {
            options.output = args[++i];
        } else if (arg == QLatin1String("--screen") && hasValue) {
            options.screen = parseScreenOption(args[++i]);
            if (!options.screen)
                return std::nullopt;
        } else if (arg == QLatin1String("-p") && accepts == Accepts::ProgramNumber && hasValue) {
            options.program = parseNumber(args[++i], 1, std::numeric_limits<int>::max());
            if (!options.program) {
                printError(QStringLiteral("-p wants a program number from 1: '%1'").arg(args[i]));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--planes") && accepts == Accepts::Planes && hasValue) {
            options.planes = parseNumber(args[++i], 0, MaxExtraPlanes);
            if (!options.planes) {
                printError(QStringLiteral("--planes wants 0, 1 or 2: '%1'").arg(args[i]));
                return std::nullopt;
            }
        } else if (!arg.startsWith(u'-') && options.programFile.isEmpty()) {
            options.programFile = arg;
        } else {
            printError(QStringLiteral("unexpected argument '%1'").arg(arg));
            return std::nullopt;
        }
    }
    if (options.programFile.isEmpty() || options.output.isEmpty()) {
        printError(QStringLiteral("a program file and -o OUTPUT are needed"));
        return std::nullopt;
    }
    return options;
}

// The screen named on the command line, else the current screen parameter set.
Screen screenOf(const Options& options, const AppData& data)
{
    if (options.screen)
        return *options.screen;
    const ScreenGeometry preview = PreviewGeometry(data.screenPara);
    return Screen { preview.rows, preview.columns };
}

QString kindName(uint8_t type)
{
    switch (ItemKind(type)) {
    case ItemKind::Animation:
        return QStringLiteral("an animation program");
    case ItemKind::Time:
        return QStringLiteral("a time program");
    case ItemKind::Count:
        return QStringLiteral("a count program");
    default:
        return QStringLiteral("a program of type %1").arg(type);
    }
}

// The common start of render and image: the arguments, the editor's
// settings, and the program file read into them; then `run`.
int runWithProgram(
    const QStringList& args, Accepts accepts, int (*run)(const Options& options, CliContext& context))
{
    const auto options = parseOptions(args, accepts);
    if (!options)
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    if (const int status = readProgramArgument(context, options->programFile); status != ExitSuccess)
        return status;
    return run(*options, context);
}

int renderProgram(const Options& options, CliContext& context)
{
    const AppData& data = context.data;
    const int number = options.program.value_or(1);
    if (number > int(data.programs.size())) {
        printError(QStringLiteral("-p %1: the file holds %2 programs").arg(number).arg(data.programs.size()));
        return ExitUsage;
    }
    const Program& program = *data.programs[number - 1];
    const bool hasPicture = (program.type == uint8_t(ItemKind::Text) && program.text())
        || (program.type == uint8_t(ItemKind::Image) && program.image());
    if (!hasPicture) {
        printError(QStringLiteral("program %1 is %2, which has no preview picture")
                       .arg(number)
                       .arg(kindName(program.type)));
        return ExitFailure;
    }
    const Screen screen = screenOf(options, data);
    const QImage picture
        = PreviewImage(data, program, BadgeGeometry(screen.rows, screen.columns, 0), data.paths.dataDir);
    if (picture.isNull() && program.image()) {
        printError(QStringLiteral("program %1: the picture file '%2' is missing or not a picture")
                       .arg(number)
                       .arg(program.image()->fileName));
        return ExitFailure;
    }
    if (picture.isNull()) {
        printError(QStringLiteral("program %1: the screen of \"app.xml\" has no columns").arg(number));
        return ExitFailure;
    }
    FileError error;
    if (!WriteBmp32(picture, options.output, error, DashPath::StandardOutput)) {
        printWriteError(options.output, error);
        return ExitFailure;
    }
    return ExitSuccess;
}

int writeDeviceImage(const Options& options, CliContext& context)
{
    const Screen screen = screenOf(options, context.data);
    const ScreenGeometry geometry = BadgeGeometry(screen.rows, screen.columns, options.planes.value_or(0));
    const DeviceImageBuild build = BuildDeviceImage(context.data, geometry, context.data.paths.dataDir);
    if (build.tooManyPrograms) {
        printError(QStringLiteral("more than %1 programs to send: the badge counts at most %1")
                       .arg(MaxEncodedPrograms));
        return ExitFailure;
    }
    if (printTooManyFrames(context.data, build))
        return ExitFailure;
    if (build.tooLarge) {
        printError(QStringLiteral("the device image would exceed %1 bytes, more than a send can transfer")
                       .arg(MaxDeviceImageBytes));
        return ExitFailure;
    }
    if (build.bytes.size() <= GlobalHeaderSize) {
        printError(context.texts.tip(23));
        return ExitFailure;
    }
    if (!writeOutputFile(options.output, build.bytes))
        return ExitFailure;
    return ExitSuccess;
}

const CliCommandRegistration renderRegistration({ "render", "FILE.led [-p N] [--screen RxC] -o OUT.bmp",
    [](const QStringList& args) { return runWithProgram(args, Accepts::ProgramNumber, renderProgram); },
    "Writes the preview picture of one program as a 32-bit BMP.\n"
    "  -p N            the program, from 1 (default 1)\n"
    "  --screen RxC    rows x columns (default: the screen of app.xml)\n" });
const CliCommandRegistration imageRegistration({ "image", "FILE.led [--screen RxC] [--planes P] -o OUT.bin",
    [](const QStringList& args) { return runWithProgram(args, Accepts::Planes, writeDeviceImage); },
    "Writes the device image a send would transfer to the badge.\n"
    "  --screen RxC    rows x columns (default: the screen of app.xml)\n"
    "  --planes P      extra colour planes, 0-2 (default 0)\n" });

} // namespace

} // namespace tessel::cli
