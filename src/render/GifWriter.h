// An animated GIF written frame by frame to a device, looping forever: the
// frames are encoded by giflib as they come, so a long animation never has
// to be held in memory.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

class QIODevice;
struct GifFileType;

namespace tessel {

// GIF counts its sizes in 16 bits.
constexpr int MaxGifSide = 65535;

class GifWriter {
public:
    explicit GifWriter(QIODevice& out);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Writes the header for pictures of the size; false when the size does
    // not fit a GIF or the device refuses the bytes.
    bool begin(QSize size);
    // Adds the part `area` of the picture (the whole size of begin(); any
    // format) at its place, over the frames before it, shown for `delay`
    // hundredths of a second. More than 256 colours are reduced.
    bool addFrame(const QImage& picture, const QRect& area, int delay);
    // Writes the trailer; false when anything failed on the way.
    bool finish();

private:
    QIODevice& out_;
    GifFileType* gif_ = nullptr;
    QSize size_;
    bool failed_ = false;
};

} // namespace tessel
