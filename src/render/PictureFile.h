// Picture files as image programs and the icon library use them: decoded
// each time they are needed, never copied or converted on disk.
#pragma once

#include <QImage>
#include <QString>

namespace tessel {

// The decoder refuses pictures whose decoded form would need more memory
// than this (Qt's own default is 128 MB): 256 MB hold the largest picture
// the header check lets through (PictureLimits.h) at 32 bits per pixel, and
// the conversion to 32-bit colour happens in place where it can.
constexpr int PictureAllocationLimitMB = 256;
// How much of a file's start the header checks read.
constexpr qint64 PictureHeadBytes = 256 * 1024;

// The first frame of the picture file in Format_RGB32; a null image when the
// file is missing, is larger than its header check allows, truncated (a BMP may lack only the padding of its last
// row), does not decode, or exceeds PictureAllocationLimitMB. The format is
// recognised by content, not by name. However wide the picture, whether its
// frames fit a program is for the encoder to judge.
QImage LoadPicture(const QString& path);

} // namespace tessel
