// The icon library beside the executable: image/12, image/14 and image/16
// hold the bitmaps that icon codes in a text stand for.
#pragma once

#include <QImage>
#include <QString>
#include <QStringView>

namespace tessel {

// exeDir + "image/<size>/<code>.bmp", e.g. "image/14/[B007].bmp".
QString IconFilePath(const QString& exeDir, int size, QStringView code);

// The icon as a size × size picture in Format_RGB32 (a file of another size
// is scaled, nearest neighbour); a null image when the file is missing or
// does not decode.
QImage LoadIconBitmap(const QString& exeDir, int size, QStringView code);

} // namespace tessel
