// The badge's playback of programs, without a window: what the screen shows
// at any moment. It plays what a send transfers, the frames exactly as the
// device image cuts them, in list order: each program as often as its play
// count says, each page entering by the program's effect, staying, and the
// last page leaving by the exit effect, with the border lit around it.
//
// Times are milliseconds from the start of the playback; the timing of the
// speed and stay choices is the table of PlaybackTiming.h. A window drives
// it from a timer: the LEDs at the elapsed time, restarted (or looped) after
// duration().
#pragma once

#include "model/AppData.h"
#include "render/BorderPattern.h"
#include "render/ScreenGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace tessel {

class BadgePlayback {
public:
    // Nothing to play: duration 0, a dark screen of no size.
    BadgePlayback() = default;

    // The ticked text and image programs of the list, as a send encodes
    // them for the geometry (ComputeScreenGeometry already applied; icons
    // from the data folder). Programs beyond what one send can carry are
    // left out and stoppedEarly() tells so.
    static BadgePlayback OfList(const AppData& data, const ScreenGeometry& geometry, const QString& dataDir);
    // One program, ticked or not (nothing for a program that is not sent).
    static BadgePlayback OfProgram(
        const AppData& data, const Program& program, const ScreenGeometry& geometry, const QString& dataDir);

    const ScreenGeometry& geometry() const { return geometry_; }
    // Milliseconds from the start to the end of the last exit.
    int64_t duration() const { return duration_; }
    // Whether the list held more than one send can carry.
    bool stoppedEarly() const { return stoppedEarly_; }

    // The programs played, in order: where each begins and its place in the
    // program list.
    int programCount() const { return int(programs_.size()); }
    int64_t programStart(int played) const;
    int listIndex(int played) const;
    // The program played at the time (-1 before the start or when there is
    // nothing; the last one after the end).
    int programAt(int64_t time) const;

    // The screen at the time: columns × rows, Format_RGB32, lit LEDs in the
    // colours of their planes, unlit ones black. Before the start it is the
    // start; from duration() on the screen is dark.
    QImage ledsAt(int64_t time) const;
    // The first time after `time` at which the screen may change;
    // duration() when nothing changes before the end.
    int64_t nextChange(int64_t time) const;

private:
    enum class Phase : uint8_t { Entry, Show, Scroll, Exit, Dark };
    struct Segment {
        Phase phase = Phase::Show;
        int page = 0;
        int64_t start = 0; // from the start of one play
        int64_t length = 0;
    };
    struct Played {
        int listIndex = 0;
        uint8_t entry = 0; // the header's action
        uint8_t effect = 0; // the effect it stands for (Random resolved)
        uint8_t exitEffect = 0; // the effect played backwards on exit
        int stepMs = 1; // one step of the effects
        int stayMs = 0; // each page
        Border border;
        int borderStepMs = 1;
        uint32_t seed = 0;
        int frameCount = 0;
        QByteArray frames;
        int plays = 1;
        std::vector<Segment> segments; // of one play
        int64_t playLength = 0;
        int64_t start = 0;
    };

    bool add(const AppData& data, const Program& program, int listIndex, const QString& dataDir);
    void plan(Played& played) const;
    QImage frame(const Played& played, int page) const;
    QImage segmentScreen(const Played& played, const Segment& segment, int64_t sinceSegment) const;
    // The program and segment at a time within [0, duration()).
    const Segment& segmentAt(const Played& played, int64_t sinceProgram, int64_t& sinceSegment) const;

    ScreenGeometry geometry_;
    std::vector<Played> programs_;
    int64_t duration_ = 0;
    int64_t encodedBytes_ = 0;
    bool stoppedEarly_ = false;
};

} // namespace tessel
