// The badge's playback: one screen of it drawn as the LED view at zoom 8, as
// a window shows it 25 times a second, and the GIF of a full list written.
#include "GuiBenchmarkMain.h"
#include "model/AppData.h"
#include "render/BadgePlayback.h"
#include "render/LedView.h"
#include "render/PlaybackGif.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

constexpr int FrameMs = 40; // 25 frames a second

QString redArialSave(const QString& text)
{
    return QStringLiteral(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 ")
        + text + QStringLiteral("\\par\r\n}\r\n");
}

QString dataDir()
{
    static QTemporaryDir dir;
    return dir.path() + u'/';
}

// Twelve texts, each with another effect, some with a moving border.
void fillList(AppData& data)
{
    constexpr uint8_t Effects[] = { 0, 2, 3, 4, 7, 13, 19, 21, 24, 26, 28, 30 };
    for (const uint8_t action : Effects) {
        Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
        program->text()->save = redArialSave(QStringLiteral("Welcome to booth %1!").arg(action));
        program->text()->action = action;
        program->text()->exitType = action % 2;
        program->borderType = action % 5;
        program->borderAspect = action % 3;
    }
}

void BM_PlaybackViewZoom8(benchmark::State& state)
{
    AppData data;
    Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
    program->text()->save = redArialSave(QStringLiteral("Welcome to our booth 24! Come in and say hello."));
    program->text()->action = 2;
    program->borderType = 1;
    program->borderAspect = 1;
    const BadgePlayback playback
        = BadgePlayback::OfProgram(data, *program, BadgeGeometry(12, 48, 0), dataDir());
    int64_t time = 0;
    for (auto _ : state) {
        time = (time + FrameMs) % playback.duration();
        const QImage view = DrawLedView(playback.ledsAt(time), 8, 0);
        benchmark::DoNotOptimize(view.constBits());
    }
    // Frames per second of processor time: 25 ÷ fps is the share of one core
    // that playing at 25 frames a second takes.
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PlaybackViewZoom8)->Unit(benchmark::kMicrosecond);

void BM_PlaybackGifTwelvePrograms(benchmark::State& state)
{
    AppData data;
    fillList(data);
    const BadgePlayback playback = BadgePlayback::OfList(data, BadgeGeometry(12, 48, 0), dataDir());
    const int zoom = int(state.range(0));
    qsizetype bytes = 0;
    int frames = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        frames = WritePlaybackGif(playback, zoom, buffer).frames;
        bytes = buffer.data().size();
    }
    state.counters["frames"] = frames;
    state.counters["kB"] = double(bytes) / 1024;
    state.counters["seconds"] = double(playback.duration()) / 1000;
}
BENCHMARK(BM_PlaybackGifTwelvePrograms)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
