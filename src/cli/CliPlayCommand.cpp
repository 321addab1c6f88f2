// tessel-cli play: the badge's playback of a program file as an animated
// GIF, for sharing a message before it is sent.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "render/BadgePlayback.h"
#include "render/LedView.h"
#include "render/PlaybackGif.h"
#include "render/ScreenGeometry.h"

#include <QFile>
#include <QSaveFile>
#include <limits>
#include <optional>

namespace tessel::cli {

namespace {

constexpr int MaxExtraPlanes = 2;

struct Options {
    QString programFile;
    QString output; // "-": standard output
    std::optional<Screen> screen;
    int planes = 0;
    int zoom = 1;
    std::optional<int> program;
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
            options.screen = parseScreenOption(args[++i]);
            if (!options.screen)
                return std::nullopt;
        } else if (arg == QLatin1String("--planes") && hasValue) {
            const auto planes = parseNumber(args[++i], 0, MaxExtraPlanes);
            if (!planes) {
                printError(QStringLiteral("--planes wants 0, 1 or 2: '%1'").arg(args[i]));
                return std::nullopt;
            }
            options.planes = *planes;
        } else if (arg == QLatin1String("--zoom") && hasValue) {
            const auto zoom = parseNumber(args[++i], MinPreviewZoom, MaxPreviewZoom);
            if (!zoom) {
                printError(QStringLiteral("--zoom wants %1 to %2: '%3'")
                               .arg(MinPreviewZoom)
                               .arg(MaxPreviewZoom)
                               .arg(args[i]));
                return std::nullopt;
            }
            options.zoom = *zoom;
        } else if (arg == QLatin1String("--program") && hasValue) {
            options.program = parseNumber(args[++i], 1, std::numeric_limits<int>::max());
            if (!options.program) {
                printError(QStringLiteral("--program wants a program number from 1: '%1'").arg(args[i]));
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
        printError(QStringLiteral("a program file and -o OUTPUT.gif are needed"));
        return std::nullopt;
    }
    return options;
}

ScreenGeometry geometryOf(const Options& options, const AppData& data)
{
    if (!options.screen) {
        const ScreenGeometry preview = PreviewGeometry(data.screenPara);
        return BadgeGeometry(preview.rows, preview.columns, options.planes);
    }
    return BadgeGeometry(options.screen->rows, options.screen->columns, options.planes);
}

// Writes the GIF to the file (replaced only when the whole GIF is written)
// or to standard output.
PlaybackGifResult writeGif(const BadgePlayback& playback, int zoom, const QString& output)
{
    if (output == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return {};
        PlaybackGifResult result = WritePlaybackGif(playback, zoom, out);
        if (result.error == PlaybackGifError::None && !out.flush())
            result.error = PlaybackGifError::WriteFailed;
        return result;
    }
    QSaveFile file(output);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    PlaybackGifResult result = WritePlaybackGif(playback, zoom, file);
    if (result.error == PlaybackGifError::None && !file.commit())
        result.error = PlaybackGifError::WriteFailed;
    return result;
}

int play(const QStringList& args)
{
    const auto options = parseOptions(args);
    if (!options)
        return ExitUsage;
    CliContext context;
    initCliContext(context);
    if (const int status = readProgramArgument(context, options->programFile); status != ExitSuccess)
        return status;
    const AppData& data = context.data;
    const ScreenGeometry geometry = geometryOf(*options, data);
    BadgePlayback playback;
    if (options->program) {
        if (*options->program > int(data.programs.size())) {
            printError(QStringLiteral("--program %1: the file holds %2 programs")
                           .arg(*options->program)
                           .arg(data.programs.size()));
            return ExitUsage;
        }
        playback = BadgePlayback::OfProgram(
            data, *data.programs[size_t(*options->program - 1)], geometry, data.paths.dataDir);
        if (playback.duration() == 0) {
            printError(QStringLiteral("program %1 shows nothing on the badge: it is not a text or picture, "
                                      "or it is empty")
                           .arg(*options->program));
            return ExitFailure;
        }
    } else {
        playback = BadgePlayback::OfList(data, geometry, data.paths.dataDir);
        if (playback.duration() == 0) {
            const QString nothing = context.texts.tip(23);
            printError(nothing.isEmpty()
                    ? QStringLiteral("Nothing to send. Tick at least one text or image program.")
                    : nothing);
            return ExitFailure;
        }
        if (playback.stoppedEarly())
            printError(
                QStringLiteral("the list holds more than one send can carry; the GIF plays the first %1 "
                               "programs")
                    .arg(playback.programCount()));
    }
    const PlaybackGifResult result = writeGif(playback, options->zoom, options->output);
    if (result.error == PlaybackGifError::TooLarge) {
        printError(QStringLiteral("a %1 x %2 screen at --zoom %3 is larger than a GIF may be")
                       .arg(geometry.rows)
                       .arg(geometry.columns)
                       .arg(options->zoom));
        return ExitFailure;
    }
    if (result.error != PlaybackGifError::None) {
        printError(QStringLiteral("cannot write '%1'").arg(options->output));
        return ExitFailure;
    }
    if (result.cutShort)
        printError(QStringLiteral("the playback is too long for one GIF: it holds the first %1 of %2 seconds")
                       .arg(result.coveredMs / 1000.0, 0, 'f', 1)
                       .arg(playback.duration() / 1000.0, 0, 'f', 1));
    return ExitSuccess;
}

const CliCommandRegistration playRegistration(
    { "play", "FILE.led [--screen RxC] [--planes P] [--zoom N] [--program N] -o OUT.gif", play,
        "Writes the badge's playback of the ticked programs as an animated GIF: the\n"
        "frames a send transfers, with their effects, stay times, play counts and\n"
        "borders, at approximate timing. -o - writes to standard output.\n"
        "  --screen RxC    rows x columns (default: the screen of app.xml)\n"
        "  --planes P      extra colour planes, 0-2 (default 0)\n"
        "  --zoom N        pixels per LED, 1-16 (default 1); from 3 on, round LEDs\n"
        "  --program N     only program N, from 1, ticked or not\n" });

} // namespace

} // namespace tessel::cli
