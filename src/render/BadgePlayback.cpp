#include "render/BadgePlayback.h"

#include "render/DeviceImage.h"
#include "render/LedFrame.h"
#include "render/PlaybackEffects.h"
#include "render/PlaybackTiming.h"
#include "render/ProgramEncoder.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr uint8_t AnimationAction = 1;
constexpr uint8_t SameAsEntry = 1;
constexpr int WhiteIndex = 7;

// FNV-1a over the program's header and frames: the same program gets the
// same random choices wherever it is played.
uint32_t seedOf(const QByteArray& header, const QByteArray& frames)
{
    uint32_t hash = 2166136261u;
    for (const QByteArray* bytes : { &header, &frames })
        for (const char byte : *bytes)
            hash = (hash ^ uchar(byte)) * 16777619u;
    return hash;
}

// How often the badge plays the program: the text header counts from one
// (0 after 255 + 1 wrapped), the image header from zero.
int playsOf(const QByteArray& header)
{
    const int count = uchar(header[4]);
    if (header[0] == char(ItemKind::Text))
        return count == 0 ? 256 : count;
    return count + 1;
}

} // namespace

BadgePlayback BadgePlayback::OfList(const AppData& data, const ScreenGeometry& g, const QString& dataDir)
{
    BadgePlayback playback;
    playback.geometry_ = g;
    for (size_t i = 0; i < data.programs.size(); ++i) {
        const Program& program = *data.programs[i];
        if (program.check != 0 && !playback.add(data, program, int(i), dataDir))
            break;
    }
    return playback;
}

BadgePlayback BadgePlayback::OfProgram(
    const AppData& data, const Program& program, const ScreenGeometry& g, const QString& dataDir)
{
    BadgePlayback playback;
    playback.geometry_ = g;
    playback.add(data, program, data.indexOf(&program), dataDir);
    return playback;
}

// Encodes the program as a send does and appends its plays; false when the
// send could carry no more.
bool BadgePlayback::add(const AppData& data, const Program& program, int listIndex, const QString& dataDir)
{
    const QImage source = EncodedSource(data, program, geometry_, dataDir);
    if (source.isNull())
        return true;
    const FramePlan framePlan = PlanFrames(geometry_, EncodedAction(program), data.trimSpace, source.width());
    const int64_t bytes = ProgramHeaderSize + int64_t(framePlan.frameCount) * geometry_.frameSize;
    if (framePlan.frameCount > 0
        && (int(programs_.size()) == MaxEncodedPrograms
            || GlobalHeaderSize + encodedBytes_ + bytes > MaxDeviceImageBytes)) {
        stoppedEarly_ = true;
        return false;
    }
    Played played;
    QByteArray header;
    if (!EncodeProgram(geometry_, program, source, data.trimSpace, header, played.frames))
        return true;
    encodedBytes_ += bytes;
    played.listIndex = listIndex;
    played.entry = uint8_t(header[1]);
    played.seed = seedOf(header, played.frames);
    played.effect = ResolveAction(played.entry, played.seed);
    played.exitEffect = uchar(header[5]) == SameAsEntry ? played.effect : 0;
    played.border = Border { uint8_t(header[6]), uint8_t(header[7]),
        LedColour(geometry_, std::min(uchar(header[9]) + 1, WhiteIndex)) };
    played.stepMs = EffectStepMs(uint8_t(header[2]));
    played.stayMs = StayMs(uint8_t(header[3]));
    played.borderStepMs = BorderStepMs(uint8_t(header[8]));
    played.frameCount = uchar(header[10]) | (uchar(header[11]) << 8);
    played.plays = playsOf(header);
    plan(played);
    played.start = duration_;
    duration_ += played.playLength * played.plays;
    programs_.push_back(std::move(played));
    return true;
}

// The segments of one play: every page's entry and stay (or one scroll over
// all frames and the stay on the last), then the exit.
void BadgePlayback::plan(Played& played) const
{
    const QSize screen(geometry_.columns, geometry_.rows);
    int64_t at = 0;
    const auto append = [&](Phase phase, int page, int64_t length) {
        if (length <= 0)
            return;
        played.segments.push_back(Segment { phase, page, at, length });
        at += length;
    };
    const int last = played.frameCount - 1;
    if (isScrollingAction(played.entry)) {
        append(Phase::Scroll, last, int64_t(played.frameCount) * geometry_.columns * played.stepMs);
        append(Phase::Show, last, played.stayMs);
    } else {
        for (int page = 0; page <= last; ++page) {
            if (played.entry == AnimationAction) {
                // The pages follow one another as the pictures of an animation.
                append(Phase::Show, page, page < last ? played.stepMs : played.stayMs);
                continue;
            }
            append(Phase::Entry, page, int64_t(EffectSteps(played.effect, screen)) * played.stepMs);
            append(Phase::Show, page, played.stayMs);
        }
    }
    const int exitSteps = EffectSteps(played.exitEffect, screen);
    if (exitSteps > 0)
        append(Phase::Exit, last, int64_t(exitSteps) * played.stepMs);
    else
        append(Phase::Dark, last, played.stepMs);
    played.playLength = at;
}

int64_t BadgePlayback::programStart(int played) const
{
    return played >= 0 && played < programCount() ? programs_[size_t(played)].start : duration_;
}

int BadgePlayback::listIndex(int played) const
{
    return played >= 0 && played < programCount() ? programs_[size_t(played)].listIndex : -1;
}

int BadgePlayback::programAt(int64_t time) const
{
    if (programs_.empty() || time < 0)
        return -1;
    const auto after = std::upper_bound(programs_.begin(), programs_.end(), time,
        [](int64_t t, const Played& played) { return t < played.start; });
    return int(after - programs_.begin()) - 1;
}

QImage BadgePlayback::frame(const Played& played, int page) const
{
    if (page < 0 || page >= played.frameCount)
        return DarkScreen(geometry_);
    return DecodeFrame(geometry_,
        QByteArrayView(played.frames).sliced(qsizetype(page) * geometry_.frameSize, geometry_.frameSize));
}

const BadgePlayback::Segment& BadgePlayback::segmentAt(
    const Played& played, int64_t sinceProgram, int64_t& sinceSegment) const
{
    const int64_t withinPlay = sinceProgram % played.playLength;
    const auto after = std::upper_bound(played.segments.begin(), played.segments.end(), withinPlay,
        [](int64_t t, const Segment& segment) { return t < segment.start; });
    const Segment& segment = *(after - 1);
    sinceSegment = withinPlay - segment.start;
    return segment;
}

QImage BadgePlayback::segmentScreen(const Played& played, const Segment& segment, int64_t sinceSegment) const
{
    const int step = int(sinceSegment / played.stepMs);
    const QRgb lit = LedColour(geometry_, WhiteIndex);
    const uint32_t pageSeed = MixSeed(uint32_t(segment.page), played.seed);
    switch (segment.phase) {
    case Phase::Show:
        return frame(played, segment.page);
    case Phase::Entry:
        return EffectFrame(
            played.effect, frame(played, segment.page - 1), frame(played, segment.page), step, pageSeed, lit);
    case Phase::Exit:
        return EffectFrame(played.exitEffect, DarkScreen(geometry_), frame(played, segment.page),
            EffectSteps(played.exitEffect, QSize(geometry_.columns, geometry_.rows)) - 1 - step, pageSeed,
            lit);
    case Phase::Scroll: {
        // The frames side by side in the order the strip passes, behind the
        // dark screen it comes from; the window moves a column a step and
        // stops on the last frame.
        const int columns = geometry_.columns;
        const bool left = played.entry == 2;
        const int64_t position = left ? step : int64_t(played.frameCount) * columns - step;
        const int first = int(position / columns);
        const int offset = int(position % columns);
        // Tape place p: left, 0 is dark and p the frame p - 1; right, the
        // frames run from the last at 0 to the first, then the dark screen.
        const auto tape
            = [&](int place) { return frame(played, left ? place - 1 : played.frameCount - 1 - place); };
        const QImage a = tape(first);
        if (offset == 0)
            return a;
        const QImage b = tape(first + 1);
        QImage window(columns, geometry_.rows, QImage::Format_RGB32);
        for (int y = 0; y < geometry_.rows; ++y) {
            auto* out = reinterpret_cast<QRgb*>(window.scanLine(y));
            const auto* inA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
            const auto* inB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
            std::copy(inA + offset, inA + columns, out);
            std::copy(inB, inB + offset, out + columns - offset);
        }
        return window;
    }
    case Phase::Dark:
        break;
    }
    return DarkScreen(geometry_);
}

QImage BadgePlayback::ledsAt(int64_t time) const
{
    if (programs_.empty() || time >= duration_)
        return DarkScreen(geometry_);
    const int index = std::max(programAt(time), 0);
    const Played& played = programs_[size_t(index)];
    const int64_t sinceProgram = std::max<int64_t>(time - played.start, 0);
    int64_t sinceSegment = 0;
    const Segment& segment = segmentAt(played, sinceProgram, sinceSegment);
    QImage screen = segmentScreen(played, segment, sinceSegment);
    if (HasBorder(played.border)) {
        screen.detach();
        DrawBorder(screen, played.border, sinceProgram / played.borderStepMs);
    }
    return screen;
}

int64_t BadgePlayback::nextChange(int64_t time) const
{
    if (time < 0)
        return programs_.empty() ? duration_ : 0;
    if (time >= duration_)
        return duration_;
    const Played& played = programs_[size_t(programAt(time))];
    const int64_t sinceProgram = time - played.start;
    int64_t sinceSegment = 0;
    const Segment& segment = segmentAt(played, sinceProgram, sinceSegment);
    int64_t next = time - sinceSegment + segment.length;
    if (segment.phase != Phase::Show && segment.phase != Phase::Dark)
        next = std::min(next, time - sinceSegment % played.stepMs + played.stepMs);
    if (BorderMoves(played.border))
        next = std::min(next, time - sinceProgram % played.borderStepMs + played.borderStepMs);
    return std::min(next, duration_);
}

} // namespace tessel
