// A send as the user waits for it: the reader thread, the event loop and
// window-style timers, against a simulated badge that answers every report
// after 1 ms, as a USB full-speed link does at best. Also what an open link
// costs while nothing is exchanged.
#include "GuiBenchmarkMain.h"
#include "device/BadgeSimulator.h"
#include "device/HidLink.h"
#include "device/SendSession.h"
#include "i18n/LanguageTable.h"
#include "model/AppData.h"
#include "render/DeviceImage.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <thread>

using namespace tessel;

namespace {

constexpr AnswerDelay UsbFrame { 1 };

class TimerHost final : public SendSessionHost {
public:
    std::function<void(int)> onTimer;
    std::function<void()> onEnded;

    void armTimer(ExchangeTimer id, int intervalMs) override
    {
        auto& timer = timers_[id];
        if (!timer) {
            timer = std::make_unique<QTimer>();
            QObject::connect(timer.get(), &QTimer::timeout, [this, id] { onTimer(id); });
        }
        timer->start(intervalMs);
    }
    void stopTimer(ExchangeTimer id) override
    {
        if (auto it = timers_.find(id); it != timers_.end())
            it->second->stop();
    }
    void setStatusText(const QString&) override { }
    void disableToolBar() override { }
    void enableToolBar() override { onEnded(); }
    void showMessageBox(const QString&, const QString&) override { }
    void setProgressRange(int, int) override { }
    void setProgressPosition(int) override { }

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

// Twelve ticked text programs of 100 characters each, scrolling.
AppData TwelveScrollingPrograms()
{
    AppData data;
    const QString words = QStringLiteral("Welcome to the stand of the week, ask us about the new badges! ");
    for (int i = 0; i < MaxPrograms; ++i) {
        Program* program = data.addProgram(ItemKind::Text, QStringLiteral("text"));
        program->text()->action = 2;
        const QString text = (QStringLiteral("%1: ").arg(i + 1, 2, 10, QLatin1Char('0')) + words + words).left(100);
        program->text()->save
            = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
                             "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 %1\\par}")
                  .arg(text);
    }
    return data;
}

void BM_SendTwelveProgramsOverTheLink(benchmark::State& state)
{
    const AppData data = TwelveScrollingPrograms();
    ScreenGeometry geometry;
    geometry.rows = 12;
    geometry.fullBytes = 6;
    ComputeScreenGeometry(geometry);
    const DeviceImageBuild built = BuildDeviceImage(data, geometry, QString());
    if (built.programCount != MaxPrograms) {
        state.SkipWithError("the programs did not render");
        return;
    }
    const LanguageTable texts;
    for (auto _ : state) {
        BadgeSimulator badge;
        badge.setAnswerDelay(UsbFrame);
        QObject window;
        HidLink link(badge, &window);
        TimerHost host;
        SendSession session(data, texts, link, host, [&built](const ScreenGeometry&) { return built; });
        QEventLoop loop;
        host.onTimer = [&session](int id) { session.OnTimer(id); };
        host.onEnded = [&loop] { loop.quit(); };
        session.RunDeviceCommand(DeviceOperation::Send);
        if (session.running())
            loop.exec();
        if (session.result() != ExchangeResult::SendDone)
            state.SkipWithError("the send did not complete");
    }
    state.counters["image_bytes"] = static_cast<double>(built.bytes.size());
    state.counters["packets"] = static_cast<double>(DataPacketCount(built.bytes.size()));
}
BENCHMARK(BM_SendTwelveProgramsOverTheLink)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// An open link on which nothing happens: the reader's polling alone. The
// counter is the process's CPU time as a share of the time the link was open.
void BM_IdleOpenLink(benchmark::State& state)
{
    constexpr std::chrono::seconds Idle { 3 };
    double cpu = 0;
    for (auto _ : state) {
        BadgeSimulator badge;
        QObject window;
        HidLink link(badge, &window);
        if (link.OpenLink([](const QByteArray&) {}) != LinkOpenResult::Opened) {
            state.SkipWithError("the simulated badge did not open");
            return;
        }
        const double before = CpuSeconds();
        std::this_thread::sleep_for(Idle);
        cpu += CpuSeconds() - before;
        link.CloseLink();
    }
    state.counters["cpu_percent"] = 100.0 * cpu / (std::chrono::duration<double>(Idle).count() * state.iterations());
}
BENCHMARK(BM_IdleOpenLink)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

TESSEL_GUI_BENCHMARK_MAIN()
