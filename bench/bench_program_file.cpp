// Program file speed: parsing and reading a large file, reading and writing a
// typical one of twelve programs, and saving lists of tens of thousands.
#include "files/ProgramFile.h"
#include "markup/MarkupDocument.h"
#include "model/AppData.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

// A formatted text as the editor stores it, with colours, fonts and escapes.
QString sampleRtf(int n)
{
    return QStringLiteral(
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\nouicompat\\deflang1033\\deflangfe2052"
        "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;}\r\n{\\*\\generator Riched20 10.0;}"
        "\\viewkind4\\uc1 \\pard\\cf1\\f0\\fs24 Program %1 <a> & [A001] \\'c4\\'e3\\'ba\\'c3\\par\r\n}\r\n")
        .arg(n);
}

void fillList(AppData& data, int count)
{
    for (int i = 0; i < count; ++i) {
        const ItemKind kind = i % 4 == 3 ? ItemKind::Image : ItemKind::Text;
        auto program = data.newProgram(kind, kind == ItemKind::Text ? "text" : "image");
        if (TextItem* text = program->text())
            text->save = sampleRtf(i);
        else
            program->image()->fileName = QStringLiteral("/home/user/pictures/picture%1.bmp").arg(i);
        data.adoptProgram(std::move(program));
    }
}

struct Files {
    Files()
    {
        AppData typicalList;
        fillList(typicalList, 12);
        writeProgramFile(typicalList, typical());
        AppData largeList;
        fillList(largeList, 1830); // about 1 MB
        writeProgramFile(largeList, large());
        QFile file(large());
        file.open(QIODevice::ReadOnly);
        largeText = QString::fromUtf8(file.readAll());
    }
    QString typical() const { return dir.filePath("typical.led"); }
    QString large() const { return dir.filePath("large.led"); }

    QTemporaryDir dir;
    QString largeText;
};

const Files& files()
{
    static const Files instance;
    return instance;
}

void BM_ParseLargeFile(benchmark::State& state)
{
    const QString& text = files().largeText;
    for (auto _ : state) {
        MarkupDocument doc;
        benchmark::DoNotOptimize(doc.setText(text));
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
    state.counters["kB"] = text.toUtf8().size() / 1024.0;
}
BENCHMARK(BM_ParseLargeFile)->Unit(benchmark::kMillisecond);

void BM_ReadLargeFile(benchmark::State& state)
{
    for (auto _ : state) {
        AppData data;
        readProgramFile(data, files().large());
        benchmark::DoNotOptimize(data.programs.size());
    }
}
BENCHMARK(BM_ReadLargeFile)->Unit(benchmark::kMillisecond);

void BM_ReadTypicalFile(benchmark::State& state)
{
    for (auto _ : state) {
        AppData data;
        readProgramFile(data, files().typical());
        benchmark::DoNotOptimize(data.programs.size());
    }
}
BENCHMARK(BM_ReadTypicalFile)->Unit(benchmark::kMicrosecond);

void BM_WriteTypicalFile(benchmark::State& state)
{
    AppData data;
    fillList(data, 12);
    const QString path = files().dir.filePath("written.led");
    for (auto _ : state)
        benchmark::DoNotOptimize(writeProgramFile(data, path));
}
BENCHMARK(BM_WriteTypicalFile)->Unit(benchmark::kMicrosecond);

// A save grows the document at its end, program by program: the time must
// grow with the list, not with its square.
void BM_WriteManyPrograms(benchmark::State& state)
{
    AppData data;
    fillList(data, static_cast<int>(state.range(0)));
    const QString path = files().dir.filePath("many.led");
    for (auto _ : state)
        benchmark::DoNotOptimize(writeProgramFile(data, path));
    state.counters["programs"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_WriteManyPrograms)->Arg(5000)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

// Reading the list back and saving it again, as tessel-cli resave does.
void BM_ResaveManyPrograms(benchmark::State& state)
{
    AppData written;
    fillList(written, 40000);
    const QString path = files().dir.filePath("resave.led");
    writeProgramFile(written, path);
    for (auto _ : state) {
        AppData data;
        readProgramFile(data, path);
        benchmark::DoNotOptimize(writeProgramFile(data, path));
    }
}
BENCHMARK(BM_ResaveManyPrograms)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
