// Rendering speed: the preview redraws on every keystroke, a send renders
// every ticked program at once.
#include "GuiBenchmarkMain.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"
#include "render/PreviewPicture.h"
#include "render/RichText.h"
#include "render/ScreenGeometry.h"
#include "render/TextRasterizer.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

const QString Sentence = QStringLiteral("Welcome to our booth 24!");

CharFormat redArial()
{
    CharFormat format;
    format.face = QStringLiteral("Arial");
    format.twips = 180;
    format.textColor = 0x0000FF;
    return format;
}

RichText richText(const QString& text)
{
    RichText rich;
    rich.text = text;
    rich.formats.assign(text.size(), redArial());
    rich.paragraphs.resize(1);
    return rich;
}

QString redArialSave(const QString& text)
{
    return QStringLiteral(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 ")
        + text + QStringLiteral("\\par\r\n}\r\n");
}

void addText(AppData& data, const QString& text, uint8_t action)
{
    Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
    program->text()->save = redArialSave(text);
    program->text()->action = action;
}

QTemporaryDir& appFolder()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_Rasterize24Characters(benchmark::State& state)
{
    const ScreenGeometry g = BadgeGeometry(12, 48, 0);
    const RichText text = richText(Sentence);
    const TextItem item;
    for (auto _ : state)
        benchmark::DoNotOptimize(RasterizeText(g, item, text, appFolder().path() + u'/'));
}
BENCHMARK(BM_Rasterize24Characters)->Unit(benchmark::kMicrosecond);

// A text whose every character names a face of its own that is not
// installed, faces numbered from `first`.
RichText unknownFaces(int count, int first)
{
    RichText text;
    for (int i = 0; i < count; ++i) {
        text.text += QChar(u'a' + i % 26);
        CharFormat format = redArial();
        format.face = QStringLiteral("Unknown Face %1").arg(first + i);
        text.formats.push_back(format);
    }
    text.paragraphs.resize(1);
    return text;
}

// Faces never seen before: every one is looked up (the platform's font
// fallback for a name it does not know).
void BM_RasterizeUnknownFacesFirstTime(benchmark::State& state)
{
    const ScreenGeometry g = BadgeGeometry(12, 48, 0);
    const TextItem item;
    static int first = 1000000;
    for (auto _ : state) {
        state.PauseTiming();
        const RichText text = unknownFaces(4000, first);
        first += 4000;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RasterizeText(g, item, text, appFolder().path() + u'/'));
    }
}
BENCHMARK(BM_RasterizeUnknownFacesFirstTime)->Iterations(4)->Unit(benchmark::kMillisecond);

// The same text again, as the preview redraws it: each face is looked up once.
void BM_RasterizeUnknownFacesAgain(benchmark::State& state)
{
    const ScreenGeometry g = BadgeGeometry(12, 48, 0);
    const TextItem item;
    const RichText text = unknownFaces(4000, 0);
    RasterizeText(g, item, text, appFolder().path() + u'/');
    for (auto _ : state)
        benchmark::DoNotOptimize(RasterizeText(g, item, text, appFolder().path() + u'/'));
}
BENCHMARK(BM_RasterizeUnknownFacesAgain)->Unit(benchmark::kMillisecond);

void BM_Rasterize10000Columns(benchmark::State& state)
{
    const ScreenGeometry g = BadgeGeometry(12, 48, 0);
    QString long_;
    while (long_.size() < 1800)
        long_ += Sentence;
    const RichText text = richText(long_);
    TextItem item;
    item.action = 2;
    const int width = RasterizeText(g, item, text, appFolder().path() + u'/').width();
    for (auto _ : state)
        benchmark::DoNotOptimize(RasterizeText(g, item, text, appFolder().path() + u'/'));
    state.counters["columns"] = width;
}
BENCHMARK(BM_Rasterize10000Columns)->Unit(benchmark::kMillisecond);

void BM_DeviceImage12ScrollingPrograms(benchmark::State& state)
{
    AppData data;
    QString hundred;
    while (hundred.size() < 100)
        hundred += Sentence;
    hundred.truncate(100);
    for (int i = 0; i < MaxPrograms; ++i)
        addText(data, hundred, 2);
    const ScreenGeometry g = BadgeGeometry(12, 48, 0);
    qsizetype size = 0;
    for (auto _ : state)
        size = BuildDeviceImage(data, g, appFolder().path() + u'/').bytes.size();
    state.counters["bytes"] = double(size);
}
BENCHMARK(BM_DeviceImage12ScrollingPrograms)->Unit(benchmark::kMillisecond);

void BM_PreviewPicture24Characters(benchmark::State& state)
{
    AppData data;
    addText(data, Sentence, 0);
    const Program& program = *data.programs.front();
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderPreview(data, program, appFolder().path() + u'/'));
}
BENCHMARK(BM_PreviewPicture24Characters)->Unit(benchmark::kMicrosecond);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
