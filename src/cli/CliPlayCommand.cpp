// tessel-cli play: the badge's playback of a program file as an animated
// GIF, for sharing a message before it is sent.
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOptions.h"
#include "cli/CliOutputFile.h"
#include "render/BadgePlayback.h"
#include "render/LedView.h"
#include "render/PlaybackGif.h"
#include "render/ScreenGeometry.h"

#include <QBuffer>
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

// The command's options; nothing (with the reason printed) for a bad value.
std::optional<Options> optionsOf(const CliCall& call)
{
    Options options;
    options.programFile = call.arguments.at(0);
    options.output = call.value(QStringLiteral("o"));
    bool bad = false;
    options.screen = screenOption(call, &bad);
    options.planes = numberOption(call, QStringLiteral("planes"), 0, MaxExtraPlanes, &bad).value_or(0);
    options.zoom = numberOption(call, QStringLiteral("zoom"), MinPreviewZoom, MaxPreviewZoom, &bad).value_or(1);
    options.program = numberOption(call, QStringLiteral("program"), 1, std::numeric_limits<int>::max(), &bad);
    if (bad)
        return std::nullopt;
    return options;
}

// The GIF in memory, so that the file (or standard output) gets it through
// the one file writer, whole or not at all.
PlaybackGifResult encodeGif(const BadgePlayback& playback, int zoom, QByteArray& gif)
{
    QBuffer buffer(&gif);
    buffer.open(QIODevice::WriteOnly);
    return WritePlaybackGif(playback, zoom, buffer);
}

int play(const CliCall& call)
{
    if (!call.isSet(QStringLiteral("o")))
        return call.usageError(CliMessage::MissingArgument, { QStringLiteral("-o OUTPUT.gif") });
    const auto options = optionsOf(call);
    if (!options)
        return ExitUsage;
    CliContext context(call.console);
    initCliContext(context);
    if (const int status = readProgramArgument(context, options->programFile); status != ExitSuccess)
        return status;
    const AppData& data = context.data;
    CliConsole& console = context.console;
    const Screen screen = screenOrSettings(options->screen, data);
    const ScreenGeometry geometry = BadgeGeometry(screen.rows, screen.columns, options->planes);
    BadgePlayback playback;
    if (options->program) {
        if (*options->program > int(data.programs.size())) {
            console.error(CliMessage::NoSuchProgram,
                { QString::number(*options->program), QString::number(data.programs.size()) });
            return ExitUsage;
        }
        playback = BadgePlayback::OfProgram(
            data, *data.programs[size_t(*options->program - 1)], geometry, data.paths.dataDir);
        if (playback.duration() == 0) {
            console.error(CliMessage::PlaysNothing, { QString::number(*options->program) });
            return ExitFailure;
        }
    } else {
        playback = BadgePlayback::OfList(data, geometry, data.paths.dataDir);
        if (playback.duration() == 0) {
            console.error(CliMessage::NothingToPlay);
            return ExitFailure;
        }
        if (playback.stoppedEarly())
            console.error(CliMessage::PlaybackListCut, { QString::number(playback.programCount()) });
    }
    QByteArray gif;
    const PlaybackGifResult result = encodeGif(playback, options->zoom, gif);
    if (result.error == PlaybackGifError::TooLarge) {
        console.error(CliMessage::PlaybackTooLarge,
            { QString::number(geometry.rows), QString::number(geometry.columns), QString::number(options->zoom) });
        return ExitFailure;
    }
    if (result.error != PlaybackGifError::None || !writeOutputFile(console, options->output, gif))
        return ExitFailure;
    if (result.cutShort)
        console.error(CliMessage::PlaybackCut,
            { QString::number(result.coveredMs / 1000.0, 'f', 1), QString::number(playback.duration() / 1000.0, 'f', 1) });
    return ExitSuccess;
}

const CliCommandRegistration playRegistration({
    .name = "play",
    .usage = "FILE.led|- [--screen RxC] [--planes P] [--zoom N] [--program N] -o OUT.gif",
    .help = "Writes the badge's playback of the ticked programs as an animated GIF: the\n"
            "frames a send transfers, with their effects, stay times, play counts and\n"
            "borders, at approximate timing. -o - writes to standard output.\n"
            "  --screen RxC    rows x columns (default: the screen of app.xml)\n"
            "  --planes P      extra colour planes, 0-2 (default 0)\n"
            "  --zoom N        pixels per LED, 1-16 (default 1); from 3 on, round LEDs\n"
            "  --program N     only program N, from 1, ticked or not\n"
            "  -o FILE         the GIF to write\n",
    .options = { { { QStringLiteral("screen") }, QStringLiteral("RxC") },
        { { QStringLiteral("planes") }, QStringLiteral("P") }, { { QStringLiteral("zoom") }, QStringLiteral("N") },
        { { QStringLiteral("program") }, QStringLiteral("N") },
        { { QStringLiteral("o"), QStringLiteral("output") }, QStringLiteral("FILE") } },
    .arguments = { 1, 1, QStringLiteral("FILE.led") },
    .run = play,
});

} // namespace

} // namespace tessel::cli
