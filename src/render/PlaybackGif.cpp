#include "render/PlaybackGif.h"

#include "render/GifWriter.h"
#include "render/LedView.h"

namespace tessel {

namespace {

int64_t centiseconds(int64_t ms)
{
    return (ms + 5) / 10;
}

// The smallest rectangle around every pixel that differs.
QRect changedArea(const QImage& before, const QImage& after)
{
    int left = after.width();
    int right = -1;
    int top = after.height();
    int bottom = -1;
    for (int y = 0; y < after.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < after.width(); ++x)
            if (a[x] != b[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

PlaybackGifResult WritePlaybackGif(const BadgePlayback& playback, int zoom, QIODevice& out)
{
    PlaybackGifResult result;
    const int64_t end = playback.duration();
    if (end <= 0) {
        result.error = PlaybackGifError::NothingToPlay;
        return result;
    }
    const ScreenGeometry& g = playback.geometry();
    const QSize size = LedViewSize(QSize(g.columns, g.rows), zoom);
    if (size.width() > MaxGifSide || size.height() > MaxGifSide
        || int64_t(size.width()) * size.height() > MaxGifPicturePixels) {
        result.error = PlaybackGifError::TooLarge;
        return result;
    }
    const auto view = [&](int64_t time) { return DrawLedView(playback.ledsAt(time), zoom, 0); };
    QImage shown = view(0);
    GifWriter gif(out);
    if (shown.isNull() || !gif.begin(shown.size()))
        return result;
    // The frame on screen is written once the next different one is known,
    // so its delay is the time until then.
    QRect area = shown.rect();
    int64_t shownSince = 0;
    int64_t pixels = 0;
    int64_t samples = 0;
    int64_t sampledPixels = 0;
    const auto writeShown = [&](int64_t until) {
        const int delay = int(std::max<int64_t>(centiseconds(until) - centiseconds(shownSince), MinGifDelay));
        pixels += int64_t(area.width()) * area.height();
        ++result.frames;
        return gif.addFrame(shown, area, delay);
    };
    int64_t time = 0;
    while (true) {
        int64_t next = playback.nextChange(time);
        while (next < end && centiseconds(next) - centiseconds(shownSince) < MinGifDelay)
            next = playback.nextChange(next);
        // A last picture too short to be shown: the one before stays to the end.
        if (next >= end || centiseconds(end) - centiseconds(next) < MinGifDelay)
            break;
        ++samples;
        sampledPixels += int64_t(shown.width()) * shown.height();
        if (result.frames >= MaxGifFrames || pixels >= MaxGifPixels || samples > MaxGifSamples
            || sampledPixels > MaxGifSampledPixels) {
            result.cutShort = true;
            result.coveredMs = time;
            break;
        }
        time = next;
        QImage now = view(time);
        const QRect changed = changedArea(shown, now);
        if (changed.isEmpty())
            continue;
        if (!writeShown(time))
            return result;
        shown = std::move(now);
        area = changed;
        shownSince = time;
    }
    if (!result.cutShort)
        result.coveredMs = end;
    if (!writeShown(result.coveredMs) || !gif.finish())
        return result;
    result.error = PlaybackGifError::None;
    return result;
}

} // namespace tessel
