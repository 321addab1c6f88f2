// Picture files as image programs and the icon library use them: decoded
// each time they are needed, never copied or converted on disk.
#pragma once

#include <QImage>
#include <QString>

namespace tessel {

// Wider pictures are refused: no badge scrolls that far, and the frame
// count of a program must fit its 16-bit header field.
constexpr int MaxPictureColumns = 65535;
// The decoder refuses pictures that would need more memory than this.
constexpr int PictureAllocationLimitMB = 128;

// The first frame of the picture file in Format_RGB32; a null image when the
// file is missing, truncated, does not decode, or is wider than
// MaxPictureColumns. The format is recognised by content, not by name.
QImage LoadPicture(const QString& path);

} // namespace tessel
