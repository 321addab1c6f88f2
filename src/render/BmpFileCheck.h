// Qt decodes a cut-off BMP file without complaint and fills the missing rows;
// a picture file must instead be refused when its pixel data is incomplete.
// Only the padding of the last row may be missing: some writers end the file
// with the last pixel, and such a picture is whole.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace tessel {

// The bytes of the file's start that the check needs.
constexpr int BmpHeaderBytes = 54;

enum class BmpPixelData {
    Complete, // or not an uncompressed BMP, which the decoder judges itself
    LacksLastRowPadding, // whole but for the zero bytes that pad its last row
    Incomplete,
};

struct BmpDataCheck {
    BmpPixelData state = BmpPixelData::Complete;
    qint64 missingBytes = 0; // bytes the file lacks at its end
};

// How the pixel data of the file, whose first bytes are `head`, compares
// with what its header promises.
BmpDataCheck CheckBmpPixelData(QByteArrayView head, qint64 fileSize);

} // namespace tessel
