// The zoomed LED preview redraws on every keystroke; a photograph is turned
// into an LED picture in one go.
#include "GuiBenchmarkMain.h"
#include "model/AppData.h"
#include "render/LedPicture.h"
#include "render/LedView.h"
#include "render/PreviewPicture.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

using namespace tessel;

namespace {

const QString Sentence = QStringLiteral("Welcome to our booth 24!");

QString redArialSave(const QString& text)
{
    return QStringLiteral(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 ")
        + text + QStringLiteral("\\par\r\n}\r\n");
}

QTemporaryDir& appFolder()
{
    static QTemporaryDir dir;
    return dir;
}

// A keystroke in a 100-character text: the preview picture rendered as the
// editor renders it, then the whole zoomed view drawn.
void BM_KeystrokeZoom8Hundred(benchmark::State& state)
{
    AppData data;
    QString hundred;
    while (hundred.size() < 100)
        hundred += Sentence;
    hundred.truncate(100);
    Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
    const int zoom = int(state.range(0));
    int width = 0;
    bool typed = false;
    for (auto _ : state) {
        typed = !typed;
        hundred[99] = typed ? u'x' : u'y';
        program->text()->save = redArialSave(hundred);
        const QImage picture = RenderPreview(data, *program, appFolder().path() + u'/');
        const QImage view = DrawLedView(picture, zoom, 48);
        width = view.width();
        benchmark::DoNotOptimize(view.constBits());
    }
    state.counters["viewWidth"] = width;
}
BENCHMARK(BM_KeystrokeZoom8Hundred)->Arg(8)->Unit(benchmark::kMillisecond);

// A photograph-like 4000 × 3000 JPEG with gradients and detail.
const QString& photoFile()
{
    static const QString path = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = qRgb(x * 255 / 3999, y * 255 / 2999, int(127 + 127 * std::sin((x + y) / 40.0)));
        }
        const QString file = appFolder().filePath(QStringLiteral("photo.jpg"));
        photo.save(file, "JPG", 90);
        return file;
    }();
    return path;
}

void BM_ImportPhoto4000x3000(benchmark::State& state)
{
    const QString input = photoFile();
    const QString output = appFolder().filePath(QStringLiteral("photo.bmp"));
    LedPictureOptions options;
    options.rows = 16;
    options.extraPlanes = 2;
    options.dithering = Dithering::ErrorDiffusion;
    FileError error;
    for (auto _ : state) {
        const ScaledPicture scaled = LoadScaledPicture(input, options.rows);
        WriteLedPicture(ReduceToLeds(scaled.picture, options), output, error);
    }
}
BENCHMARK(BM_ImportPhoto4000x3000)->Unit(benchmark::kMillisecond);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
