// Program tree speed: filling the tree with a large list as opening a file
// does, and relabelling it as a language change does.
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "ui/mainframe/ProgramView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

void fillList(AppData& data, int count)
{
    for (int i = 0; i < count; ++i) {
        auto program = data.newProgram(ItemKind::Text, QStringLiteral("text"));
        program->check = i % 3 == 0 ? 0 : 1;
        data.adoptProgram(std::move(program));
    }
}

const LanguageTable& englishTexts()
{
    static const LanguageTable texts = [] {
        LanguageTable table;
        table.load(QStringLiteral(TESSEL_SOURCE_DIR "/data/"), 1033);
        return table;
    }();
    return texts;
}

void BM_FillTree(benchmark::State& state)
{
    for (auto _ : state) {
        AppData data;
        fillList(data, static_cast<int>(state.range(0)));
        ProgramView view(data, englishTexts());
        view.FirstSetUp();
        QElapsedTimer clock;
        clock.start();
        view.FillTree();
        view.UpdateRootLabel();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        benchmark::DoNotOptimize(view.rootNode()->childCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillTree)->Arg(12)->Arg(60000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
