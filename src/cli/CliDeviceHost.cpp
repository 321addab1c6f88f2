#include "cli/CliDeviceHost.h"

#include <algorithm>

namespace tessel::cli {

namespace {
constexpr int BarWidth = 40;
} // namespace

CliDeviceHost::CliDeviceHost(const CliConsole& console, ProgressBar progressBar)
    : console_(console)
    , progressBar_(progressBar)
{
}

CliDeviceHost::~CliDeviceHost() = default;

void CliDeviceHost::armTimer(ExchangeTimer timer, int intervalMs)
{
    auto& slot = timers_[timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        // Coarse timers may fire up to 5 % early: a time-out must never
        // come before its 500 ms.
        slot->setTimerType(Qt::PreciseTimer);
        QObject::connect(slot.get(), &QTimer::timeout, [this, timer] {
            if (onTimer)
                onTimer(timer);
        });
    }
    slot->start(intervalMs);
}

void CliDeviceHost::stopTimer(ExchangeTimer timer)
{
    if (const auto it = timers_.find(timer); it != timers_.end())
        it->second->stop();
}

void CliDeviceHost::enableToolBar()
{
    if (progressDrawn_) {
        console_.progress("\n");
        progressDrawn_ = false;
    }
    if (onEnded)
        onEnded();
}

void CliDeviceHost::setProgressRange(int, int maximum)
{
    progressMaximum_ = maximum;
    progress_ = 0;
}

void CliDeviceHost::setProgressPosition(int position)
{
    progress_ = position;
    drawProgress();
}

void CliDeviceHost::drawProgress()
{
    if (progressBar_ != ProgressBar::Shown || progressMaximum_ <= 0)
        return;
    const int filled = std::clamp(progress_ * BarWidth / progressMaximum_, 0, BarWidth);
    console_.progress("\r[" + QByteArray(filled, '#') + QByteArray(BarWidth - filled, ' ') + "] "
        + QByteArray::number(progress_) + '/' + QByteArray::number(progressMaximum_));
    progressDrawn_ = true;
}

} // namespace tessel::cli
