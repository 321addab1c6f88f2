// Picture files as image programs and the icon library use them: decoded
// each time they are needed, never copied or converted on disk.
#pragma once

#include <QImage>
#include <QString>

namespace tessel {

// The decoder refuses pictures whose decoded form would need more memory
// than this (Qt's own default is 128 MB): 512 MB holds 134 million pixels,
// 16384 × 8192 for example. Converting to 32-bit colour may take as much
// again, so one picture never needs more than about 1 GB.
constexpr int PictureAllocationLimitMB = 512;

// The first frame of the picture file in Format_RGB32; a null image when the
// file is missing, truncated (a BMP may lack only the padding of its last
// row), does not decode, or exceeds PictureAllocationLimitMB. The format is
// recognised by content, not by name. However wide the picture, whether its
// frames fit a program is for the encoder to judge.
QImage LoadPicture(const QString& path);

} // namespace tessel
