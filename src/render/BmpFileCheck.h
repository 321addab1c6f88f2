// Qt decodes a cut-off BMP file without complaint and fills the missing rows;
// a picture file must instead be refused when its pixel data is incomplete.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace tessel {

// The bytes of the file's start that the check needs.
constexpr int BmpHeaderBytes = 54;

// False when `head` (the first bytes of the file) is an uncompressed BMP
// header whose pixel data would end beyond `fileSize`. True for everything
// else, which the decoder judges itself.
bool BmpPixelDataIsComplete(QByteArrayView head, qint64 fileSize);

} // namespace tessel
