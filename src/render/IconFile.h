// The icon library in the data folder: image/12, image/14 and image/16
// hold the bitmaps that icon codes in a text stand for.
#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace tessel {

// dataDir + "image/<size>/<code>.bmp", e.g. "image/14/[B007].bmp".
QString IconFilePath(const QString& dataDir, int size, QStringView code);

// The icon as a size × size picture in Format_RGB32 (a file of another size
// is scaled, nearest neighbour); a null image when the file is missing or
// does not decode.
QImage LoadIconBitmap(const QString& dataDir, int size, QStringView code);

} // namespace tessel
