#include "render/BmpFileCheck.h"

#include <QtEndian>
#include <cstdlib>

namespace tessel {

namespace {

constexpr int CoreHeaderSize = 12; // the OS/2 header with 16-bit sizes
constexpr uint32_t Uncompressed = 0;
constexpr uint32_t BitFields = 3;
constexpr uint32_t AlphaBitFields = 6;

uint32_t u32(QByteArrayView bytes, int offset)
{
    return qFromLittleEndian<uint32_t>(bytes.data() + offset);
}
uint16_t u16(QByteArrayView bytes, int offset)
{
    return qFromLittleEndian<uint16_t>(bytes.data() + offset);
}

} // namespace

BmpDataCheck CheckBmpPixelData(QByteArrayView head, qint64 fileSize)
{
    if (head.size() < 26 || head[0] != 'B' || head[1] != 'M')
        return {};
    const qint64 dataOffset = u32(head, 10);
    const uint32_t infoSize = u32(head, 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    uint32_t compression = Uncompressed;
    if (infoSize == CoreHeaderSize) {
        width = u16(head, 18);
        height = u16(head, 20);
        bitCount = u16(head, 24);
    } else if (head.size() >= 34) {
        width = qint32(u32(head, 18));
        height = std::abs(qint64(qint32(u32(head, 22))));
        bitCount = u16(head, 28);
        compression = u32(head, 30);
    } else {
        return {};
    }
    if (compression != Uncompressed && compression != BitFields && compression != AlphaBitFields)
        return {};
    if (width <= 0 || height <= 0 || bitCount <= 0)
        return {};
    // Rows are padded to whole 32-bit words.
    const qint64 pixelBytes = (width * bitCount + 7) / 8;
    const qint64 stride = (width * bitCount + 31) / 32 * 4;
    // A header may claim far more rows than the file holds: no overflow.
    if (height > fileSize / stride + 1)
        return { BmpPixelData::Incomplete, 0 };
    const qint64 missing = dataOffset + stride * height - fileSize;
    if (missing <= 0)
        return {};
    const bool onlyPadding = missing <= stride - pixelBytes;
    return { onlyPadding ? BmpPixelData::LacksLastRowPadding : BmpPixelData::Incomplete, missing };
}

} // namespace tessel
