// The host's own cost of a transfer: per data packet (build, checksum, write
// to the simulated badge, reply handling), and the whole send of a
// 12-program image, driven step by step without the reader's pacing.
#include "GuiBenchmarkMain.h"
#include "device/BadgeSimulator.h"
#include "device/PolledLink.h"
#include "device/SendSession.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace tessel;

namespace {

class QuietHost final : public SendSessionHost {
public:
    void armTimer(ExchangeTimer, int) override { }
    void stopTimer(ExchangeTimer) override { }
    void setStatusText(const QString&) override { }
    void disableToolBar() override { }
    void enableToolBar() override { }
    void showMessageBox(const QString&, const QString&) override { }
    void setProgressRange(int, int) override { }
    void setProgressPosition(int) override { }
};

const LanguageTable& Texts()
{
    static const LanguageTable texts;
    return texts;
}

// Runs one whole send; the simulated badge answers every packet at once.
void Send(const AppData& data, const ImageBuilder& builder, benchmark::State& state)
{
    BadgeSimulator badge;
    PolledLink link(badge);
    QuietHost host;
    SendSession session(data, Texts(), link, host, builder);
    session.RunDeviceCommand(DeviceOperation::Send);
    link.deliverAll();
    if (session.result() != ExchangeResult::SendDone)
        state.SkipWithError("the send did not complete");
}

void BM_DataPacket(benchmark::State& state)
{
    const int packets = static_cast<int>(state.range(0));
    const QByteArray image(packets * DataBytesPerPacket, '\x5A');
    const AppData data;
    const ImageBuilder builder = [&image](const ScreenGeometry&) {
        return DeviceImageBuild { image, 1, false, false };
    };
    for (auto _ : state)
        Send(data, builder, state);
    state.counters["per_packet"] = benchmark::Counter(
        packets, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DataPacket)->Arg(1000)->Unit(benchmark::kMillisecond);

// Twelve ticked text programs of a sentence each.
AppData TwelvePrograms()
{
    AppData data;
    for (int i = 0; i < MaxPrograms; ++i) {
        Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
        program->text()->save
            = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
                             "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24 "
                             "Program %1: welcome to the show, see you at the stand\\par}")
                  .arg(i + 1);
    }
    return data;
}

void BM_SendTwelvePrograms(benchmark::State& state)
{
    const AppData data = TwelvePrograms();
    ScreenGeometry geometry;
    geometry.rows = 12;
    geometry.fullBytes = 6;
    ComputeScreenGeometry(geometry);
    const DeviceImageBuild built = BuildDeviceImage(data, geometry, QString());
    if (built.programCount != MaxPrograms) {
        state.SkipWithError("the programs did not render");
        return;
    }
    const ImageBuilder builder = [&built](const ScreenGeometry&) { return built; };
    for (auto _ : state)
        Send(data, builder, state);
    state.counters["image_bytes"] = static_cast<double>(built.bytes.size());
    state.counters["packets"] = static_cast<double>(DataPacketCount(built.bytes.size()));
}
BENCHMARK(BM_SendTwelvePrograms)->Unit(benchmark::kMillisecond);

// The same send with the image rendered as the send builds it.
void BM_SendTwelveProgramsWithRendering(benchmark::State& state)
{
    const AppData data = TwelvePrograms();
    const ImageBuilder builder
        = [&data](const ScreenGeometry& geometry) { return BuildDeviceImage(data, geometry, QString()); };
    for (auto _ : state)
        Send(data, builder, state);
}
BENCHMARK(BM_SendTwelveProgramsWithRendering)->Unit(benchmark::kMillisecond);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
