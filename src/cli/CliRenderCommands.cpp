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

// The command's options; nothing (with the reason printed) for a bad value.
std::optional<Options> optionsOf(const CliCall& call)
{
    Options options { call.arguments.at(0), call.value(QStringLiteral("o")), {}, {}, {} };
    bool bad = false;
    options.screen = screenOption(call, &bad);
    if (call.command.name == std::string_view("render"))
        options.program = numberOption(call, QStringLiteral("p"), 1, std::numeric_limits<int>::max(), &bad);
    else
        options.planes = numberOption(call, QStringLiteral("planes"), 0, MaxExtraPlanes, &bad);
    if (bad)
        return std::nullopt;
    return options;
}

// The common start of render and image: the arguments, the editor's
// settings, and the program file read into them; then `run`.
int runWithProgram(const CliCall& call, int (*run)(const Options& options, CliContext& context))
{
    if (!call.isSet(QStringLiteral("o")))
        return call.usageError(CliMessage::MissingArgument, { QStringLiteral("-o OUTPUT") });
    const auto options = optionsOf(call);
    if (!options)
        return ExitUsage;
    CliContext context(call.console);
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
        context.console.error(
            CliMessage::NoSuchProgram, { QString::number(number), QString::number(data.programs.size()) });
        return ExitUsage;
    }
    const Program& program = *data.programs[number - 1];
    const bool hasPicture = (program.type == uint8_t(ItemKind::Text) && program.text())
        || (program.type == uint8_t(ItemKind::Image) && program.image());
    if (!hasPicture) {
        context.console.error(
            CliMessage::NoPreview, { QString::number(number), QString::number(program.type) });
        return ExitFailure;
    }
    const Screen screen = screenOrSettings(options.screen, data);
    const QImage picture
        = PreviewImage(data, program, BadgeGeometry(screen.rows, screen.columns, 0), data.paths.dataDir);
    if (picture.isNull() && program.image()) {
        context.console.error(
            CliMessage::PictureMissing, { QString::number(number), program.image()->fileName });
        return ExitFailure;
    }
    if (picture.isNull()) {
        context.console.error(CliMessage::NoColumns, { QString::number(number) });
        return ExitFailure;
    }
    FileError error;
    if (!WriteBmp32(picture, options.output, error, DashPath::StandardOutput)) {
        printWriteError(context.console, options.output, error);
        return ExitFailure;
    }
    return ExitSuccess;
}

int writeDeviceImage(const Options& options, CliContext& context)
{
    const Screen screen = screenOrSettings(options.screen, context.data);
    const ScreenGeometry geometry = BadgeGeometry(screen.rows, screen.columns, options.planes.value_or(0));
    const DeviceImageBuild build = BuildDeviceImage(context.data, geometry, context.data.paths.dataDir);
    if (build.tooManyPrograms) {
        context.console.error(CliMessage::TooManyPrograms, { QString::number(MaxEncodedPrograms) });
        return ExitFailure;
    }
    if (printTooManyFrames(context.console, context.data, build))
        return ExitFailure;
    if (build.tooLarge) {
        context.console.error(CliMessage::ImageTooLarge, { QString::number(MaxDeviceImageBytes) });
        return ExitFailure;
    }
    if (build.bytes.size() <= GlobalHeaderSize) {
        context.console.error(context.texts.tip(23));
        return ExitFailure;
    }
    if (!writeOutputFile(context.console, options.output, build.bytes))
        return ExitFailure;
    return ExitSuccess;
}

const CliOption ScreenOption { { QStringLiteral("screen") }, QStringLiteral("RxC") };
const CliOption OutputOption { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE") };

const CliCommandRegistration renderRegistration({
    .name = "render",
    .usage = "FILE.led|- [-p N] [--screen RxC] -o OUT.bmp",
    .help = "Writes the preview picture of one program as a 32-bit BMP, one pixel per LED.\n"
            "  -p N            the program, from 1 (default 1)\n"
            "  --screen RxC    rows x columns, 1-255 x 1-2047 (default: the screen of app.xml)\n"
            "  -o FILE         the picture to write\n",
    .options = { { { QStringLiteral("p") }, QStringLiteral("N") }, ScreenOption, OutputOption },
    .arguments = { 1, 1, QStringLiteral("FILE.led") },
    .run = [](const CliCall& call) { return runWithProgram(call, renderProgram); },
});
const CliCommandRegistration imageRegistration({
    .name = "image",
    .usage = "FILE.led|- [--screen RxC] [--planes P] -o OUT.bin",
    .help = "Writes the device image a send would transfer to the badge.\n"
            "  --screen RxC    rows x columns, 1-255 x 1-2047 (default: the screen of app.xml)\n"
            "  --planes P      extra colour planes, 0-2 (default 0)\n"
            "  -o FILE         the image to write\n",
    .options = { ScreenOption, { { QStringLiteral("planes") }, QStringLiteral("P") }, OutputOption },
    .arguments = { 1, 1, QStringLiteral("FILE.led") },
    .run = [](const CliCall& call) { return runWithProgram(call, writeDeviceImage); },
});

} // namespace

} // namespace tessel::cli
