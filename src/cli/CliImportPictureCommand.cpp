// tessel-cli import-picture: a picture of any size and format turned into a
// BMP of the screen's height whose pixels are black or pure LED colours, so
// that an image program shows it on the badge exactly as converted.
#include "cli/CliCommand.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "render/LedPicture.h"
#include "render/PictureFile.h"

#include <optional>

namespace tessel::cli {

namespace {

struct Options {
    QString input;
    QString output;
    LedPictureOptions conversion;
    bool hasScreen = false;
};

std::optional<Options> parseOptions(const QStringList& args)
{
    Options options;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("-o") && hasValue) {
            options.output = args[++i];
        } else if (arg == QLatin1String("--screen") && hasValue) {
            // The columns are checked, but only the rows matter.
            const auto screen = parseScreenOption(args[++i]);
            if (!screen)
                return std::nullopt;
            options.conversion.rows = screen->rows;
            options.hasScreen = true;
        } else if (arg == QLatin1String("--planes") && hasValue) {
            const auto planes = parseNumber(args[++i], 0, MaxExtraPlanes);
            if (!planes) {
                printError(QStringLiteral("--planes wants 0, 1 or 2: '%1'").arg(args[i]));
                return std::nullopt;
            }
            options.conversion.extraPlanes = *planes;
        } else if (arg == QLatin1String("--threshold") && hasValue) {
            const auto threshold = parseNumber(args[++i], 0, 255);
            if (!threshold) {
                printError(QStringLiteral("--threshold wants a level from 0 to 255: '%1'").arg(args[i]));
                return std::nullopt;
            }
            options.conversion.threshold = *threshold;
        } else if (arg == QLatin1String("--dither")) {
            options.conversion.dithering = Dithering::ErrorDiffusion;
        } else if (arg == QLatin1String("--invert")) {
            options.conversion.inversion = Inversion::Inverted;
        } else if (!arg.startsWith(u'-') && options.input.isEmpty()) {
            options.input = arg;
        } else {
            printError(QStringLiteral("unexpected argument '%1'").arg(arg));
            return std::nullopt;
        }
    }
    if (options.input.isEmpty() || options.output.isEmpty() || !options.hasScreen) {
        printError(QStringLiteral("a picture, --screen RxC and -o OUTPUT.bmp are needed"));
        return std::nullopt;
    }
    return options;
}

QString reasonOf(LedPictureError error, const QString& path)
{
    switch (error) {
    case LedPictureError::TooLarge:
        return QStringLiteral("'%1' is too large to decode").arg(path);
    case LedPictureError::TooWide:
        return QStringLiteral("'%1' at the screen's height would be wider than %2 columns")
            .arg(path)
            .arg(MaxLedPictureColumns);
    default:
        return QStringLiteral("'%1' is missing or not a picture").arg(path);
    }
}

int importPicture(const QStringList& args)
{
    const auto options = parseOptions(args);
    if (!options)
        return ExitUsage;
    const ScaledPicture scaled = LoadScaledPicture(options->input, options->conversion.rows);
    if (scaled.error != LedPictureError::None) {
        printError(reasonOf(scaled.error, options->input));
        return ExitFailure;
    }
    FileError error;
    if (!WriteLedPicture(
            ReduceToLeds(scaled.picture, options->conversion), options->output, error, DashPath::StandardOutput)) {
        printWriteError(options->output, error);
        return ExitFailure;
    }
    return ExitSuccess;
}

const CliCommandRegistration importPictureRegistration({ "import-picture",
    "IN --screen RxC [--planes P] [--threshold T] [--dither] [--invert] -o OUT.bmp", importPicture });

} // namespace

} // namespace tessel::cli
