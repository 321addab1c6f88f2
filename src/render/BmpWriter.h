// Windows bitmaps with 32 bits per pixel, which the preview file must be
// (Qt's own BMP writer stores 24 bits).
#pragma once

#include "storage/FileWriter.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tessel {

// The picture as a BMP file: file header, 40-byte info header, no
// compression, rows bottom-up, blue-green-red-alpha bytes (alpha 255).
QByteArray EncodeBmp32(const QImage& picture);

// Writes the BMP through the one file writer, so a failed write leaves the
// old file whole. False, with the reason, on failure or for a null picture.
bool WriteBmp32(const QImage& picture, const QString& path, FileError& error, DashPath dash = DashPath::File);

} // namespace tessel
