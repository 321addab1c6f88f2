#include "ui/preview/PreviewPlayer.h"

#include <QWidget>

namespace tessel {

PreviewPlayer::PreviewPlayer(QWidget& view, QObject* parent)
    : QObject(parent)
    , view_(view)
{
    timer_.setInterval(FrameIntervalMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PreviewPlayer::tick);
}

void PreviewPlayer::play(BadgePlayback playback, PlaybackScope scope, int64_t position)
{
    playback_ = std::move(playback);
    if (playback_.duration() <= 0 || scope == PlaybackScope::None) {
        stop();
        return;
    }
    scope_ = scope;
    position_ = std::clamp<int64_t>(position, 0, playback_.duration() - 1);
    show();
    clock_.start();
    timer_.start();
}

void PreviewPlayer::stop()
{
    timer_.stop();
    const bool was = playing();
    scope_ = PlaybackScope::None;
    playback_ = BadgePlayback();
    position_ = 0;
    if (was)
        emit stopped();
}

void PreviewPlayer::tick()
{
    const int64_t elapsed = clock_.restart();
    // Hidden, nothing is drawn and the playback waits where it is.
    if (!view_.isVisible() || view_.window()->isMinimized())
        return;
    advance(elapsed);
}

void PreviewPlayer::advance(int64_t milliseconds)
{
    if (!playing())
        return;
    const int64_t duration = playback_.duration();
    const int64_t next = position_ + std::max<int64_t>(0, milliseconds);
    const bool looped = next >= duration;
    position_ = next % duration;
    if (looped || position_ >= nextChange_)
        show();
}

void PreviewPlayer::show()
{
    nextChange_ = playback_.nextChange(position_);
    emit screenChanged(playback_.ledsAt(position_));
}

} // namespace tessel
