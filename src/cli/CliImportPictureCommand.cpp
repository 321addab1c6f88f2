// tessel-cli import-picture: a picture of any size and format turned into a
// BMP of the screen's height whose pixels are black or pure LED colours, so
// that an image program shows it on the badge exactly as converted.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "render/LedPicture.h"
#include "render/PictureFile.h"

#include <QTemporaryFile>
#include <optional>

namespace tessel::cli {

namespace {

struct Options {
    QString output;
    LedPictureOptions conversion;
};

std::optional<Options> optionsOf(const CliCall& call)
{
    if (!call.isSet(QStringLiteral("screen")) || !call.isSet(QStringLiteral("o"))) {
        call.usageError(CliMessage::MissingArgument, { QStringLiteral("--screen RxC -o OUTPUT.bmp") });
        return std::nullopt;
    }
    Options options { call.value(QStringLiteral("o")), {} };
    bool bad = false;
    // The columns are checked, but only the rows matter.
    if (const auto screen = screenOption(call, &bad))
        options.conversion.rows = screen->rows;
    if (const auto planes = numberOption(call, QStringLiteral("planes"), 0, MaxExtraPlanes, &bad))
        options.conversion.extraPlanes = *planes;
    if (const auto threshold = numberOption(call, QStringLiteral("threshold"), 0, 255, &bad))
        options.conversion.threshold = *threshold;
    if (call.isSet(QStringLiteral("dither")))
        options.conversion.dithering = Dithering::ErrorDiffusion;
    if (call.isSet(QStringLiteral("invert")))
        options.conversion.inversion = Inversion::Inverted;
    if (bad)
        return std::nullopt;
    return options;
}

int failedPicture(const CliCall& call, LedPictureError error, const QString& path)
{
    switch (error) {
    case LedPictureError::TooLarge:
        call.console.error(CliMessage::PictureTooLarge, { path });
        break;
    case LedPictureError::TooWide:
        call.console.error(CliMessage::PictureTooWide, { path, QString::number(MaxLedPictureColumns) });
        break;
    default:
        call.console.error(CliMessage::PictureUnreadable, { path });
        break;
    }
    return ExitFailure;
}

int importPicture(const CliCall& call)
{
    const auto options = optionsOf(call);
    if (!options)
        return ExitUsage;
    const QString& argument = call.arguments.at(0);
    QTemporaryFile standardInput;
    const auto input = inputFile(call.console, argument, standardInput);
    if (!input)
        return ExitFailure;
    const ScaledPicture scaled = LoadScaledPicture(*input, options->conversion.rows);
    if (scaled.error != LedPictureError::None)
        return failedPicture(call, scaled.error, argument);
    FileError error;
    if (!WriteLedPicture(
            ReduceToLeds(scaled.picture, options->conversion), options->output, error, DashPath::StandardOutput)) {
        printWriteError(call.console, options->output, error);
        return ExitFailure;
    }
    return ExitSuccess;
}

const CliCommandRegistration importPictureRegistration({
    .name = "import-picture",
    .usage = "IN|- --screen RxC [--planes P] [--threshold T] [--dither] [--invert] -o OUT.bmp",
    .help = "Turns a picture (BMP, GIF, PNG or JPEG; the first frame; - for standard\n"
            "input) into a BMP as high as the screen whose pixels are black or pure LED\n"
            "colours, so that an image program shows it exactly as converted.\n"
            "  --screen RxC     the screen; its rows are the picture's height\n"
            "  --planes P       extra colour planes, 0-2 (default 0: red only)\n"
            "  --threshold T    the brightness from which an LED lights, 0-255\n"
            "  --dither         spread the rounding error over neighbouring LEDs\n"
            "  --invert         light the dark parts instead of the bright ones\n"
            "  -o FILE          the BMP to write\n",
    .options = { { { QStringLiteral("screen") }, QStringLiteral("RxC") },
        { { QStringLiteral("planes") }, QStringLiteral("P") },
        { { QStringLiteral("threshold") }, QStringLiteral("T") }, { { QStringLiteral("dither") } },
        { { QStringLiteral("invert") } },
        { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE") } },
    .arguments = { 1, 1, QStringLiteral("IN") },
    .run = importPicture,
});

} // namespace

} // namespace tessel::cli
