// Windows bitmaps with 32 bits per pixel, which the preview file must be
// (Qt's own BMP writer stores 24 bits).
#pragma once

#include "storage/FileWriter.h"

#include <QImage>
#include <QString>

namespace tessel {

// Writes the picture as a BMP file (file header, 40-byte info header, no
// compression, rows bottom-up, blue-green-red-alpha bytes with alpha 255)
// through the one file writer, a few rows at a time, so a failed write
// leaves the old file whole. False, with the reason, on failure or for a
// null picture.
bool WriteBmp32(const QImage& picture, const QString& path, FileError& error, DashPath dash = DashPath::File);

} // namespace tessel
