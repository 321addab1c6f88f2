// Plays a badge playback in the preview: a timer on the user-interface
// thread asks the playback for the LEDs of the elapsed time and hands each
// changed screen to the view. The clock stands still while the view cannot
// be seen (window hidden or minimised), and the playback loops as the badge
// does.
#pragma once

#include "render/BadgePlayback.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTimer>

class QWidget;

namespace tessel {

// What is playing: the selected program or every ticked program.
enum class PlaybackScope { None, Program, List };

class PreviewPlayer : public QObject {
    Q_OBJECT
public:
    // `view` is the widget whose visibility pauses the clock.
    explicit PreviewPlayer(QWidget& view, QObject* parent = nullptr);

    // Starts the playback at `position` milliseconds (kept within it).
    void play(BadgePlayback playback, PlaybackScope scope, int64_t position = 0);
    void stop();

    PlaybackScope scope() const { return scope_; }
    bool playing() const { return scope_ != PlaybackScope::None; }
    const BadgePlayback& playback() const { return playback_; }
    // Milliseconds into the playback, within one loop.
    int64_t position() const { return position_; }
    // Moves the clock by hand, as the timer does; tests use it.
    void advance(int64_t milliseconds);

    // About 30 screens a second, above the 25 the eye needs for motion.
    static constexpr int FrameIntervalMs = 33;

signals:
    void screenChanged(const QImage& leds);
    void stopped();

private:
    void tick();
    void show();

    QWidget& view_;
    QTimer timer_;
    QElapsedTimer clock_;
    BadgePlayback playback_;
    PlaybackScope scope_ = PlaybackScope::None;
    int64_t position_ = 0;
    int64_t nextChange_ = 0; // the screen shown holds until then
};

} // namespace tessel
