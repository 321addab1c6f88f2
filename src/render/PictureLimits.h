// How large a picture may be before it is decoded at all: judged from its
// header, so that a small hostile file cannot make the decoder take
// gigabytes.
#pragma once

#include <QByteArrayView>
#include <QSize>
#include <QtGlobal>

namespace tessel {

// 8192 × 8192: far beyond any badge, and 256 MB at 32 bits per pixel.
constexpr qint64 MaxPicturePixels = qint64(1) << 26;
// A progressive JPEG keeps every coefficient of the whole picture while it
// decodes (two bytes per sample), whatever size it is decoded to.
constexpr qint64 MaxJpegCoefficientBytes = qint64(128) << 20;

// Whether a picture of the size its header claims may be decoded. An
// invalid (unknown) size is left to the decoder's own allocation limit.
bool PictureSizeAllowed(QSize claimed);

// For JPEG data (its first bytes, as many as are at hand): whether its frame
// header promises coefficient buffers beyond MaxJpegCoefficientBytes. Other
// data and headers not found in `head` are allowed.
bool JpegBuffersAllowed(QByteArrayView head);

} // namespace tessel
