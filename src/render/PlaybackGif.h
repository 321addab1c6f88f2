// The playback as an animated GIF: every change of the screen one frame, at
// the zoom of the LED view, each shown as long as the playback shows it.
#pragma once

#include "render/BadgePlayback.h"

#include <cstdint>

class QIODevice;

namespace tessel {

// GIF viewers show shorter frames far too slowly: faster changes are
// merged, so the playback keeps its pace and skips some steps instead.
constexpr int MinGifDelay = 2; // hundredths of a second
// What one GIF may hold: frames and pixels encoded; and how many screens,
// and pixels of them, are looked at for it, so that writing ends in tens of
// seconds at most.
constexpr int MaxGifFrames = 50000;
constexpr int64_t MaxGifPixels = int64_t(1) << 31;
constexpr int64_t MaxGifSamples = 500000;
constexpr int64_t MaxGifSampledPixels = int64_t(1) << 31;

// The most pixels one picture of the GIF may have (64 MB in 32-bit colour).
constexpr int64_t MaxGifPicturePixels = int64_t(1) << 24;

enum class PlaybackGifError : uint8_t {
    None,
    NothingToPlay,
    TooLarge, // the screen at the zoom is wider or higher than GIF allows, or has too many pixels
    WriteFailed,
};

struct PlaybackGifResult {
    PlaybackGifError error = PlaybackGifError::WriteFailed;
    int frames = 0;
    int64_t coveredMs = 0; // how much of the playback the GIF holds
    bool cutShort = false; // a limit above was reached before the end
};

// Writes the playback at the zoom (the LED view's look; one pixel per LED
// at zoom 1), looping, to the device.
PlaybackGifResult WritePlaybackGif(const BadgePlayback& playback, int zoom, QIODevice& out);

} // namespace tessel
