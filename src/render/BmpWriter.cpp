#include "render/BmpWriter.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>

namespace tessel {

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(QByteArray& bytes, int offset, uint16_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}
void put32(QByteArray& bytes, int offset, uint32_t value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

namespace {

QByteArray headerOf(const QImage& pixels)
{
    const qsizetype rowSize = qsizetype(pixels.width()) * 4;
    const qsizetype dataSize = rowSize * pixels.height();
    const int dataOffset = FileHeaderSize + InfoHeaderSize;
    QByteArray bytes(dataOffset, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, uint32_t(dataOffset + dataSize));
    put32(bytes, 10, dataOffset);
    put32(bytes, 14, InfoHeaderSize);
    put32(bytes, 18, uint32_t(pixels.width()));
    put32(bytes, 22, uint32_t(pixels.height())); // positive: bottom-up rows
    put16(bytes, 26, 1); // planes
    put16(bytes, 28, 32); // bits per pixel
    put32(bytes, 34, uint32_t(dataSize));
    return bytes;
}

// One row as blue, green, red and alpha bytes.
void encodeRow(const QImage& pixels, int y, char* out)
{
    const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    for (int x = 0; x < pixels.width(); ++x) {
        *out++ = char(qBlue(line[x]));
        *out++ = char(qGreen(line[x]));
        *out++ = char(qRed(line[x]));
        *out++ = char(0xFF);
    }
}

// Rows go to the file a few at a time: a large picture is never held twice.
constexpr qsizetype ChunkBytes = 256 * 1024;

} // namespace

bool WriteBmp32(const QImage& picture, const QString& path, FileError& error, DashPath dash)
{
    if (picture.isNull())
        return failWith(error, EINVAL);
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    FileWriter writer(dash);
    bool written = writer.open(path) && writer.write(headerOf(pixels));
    const qsizetype rowSize = qsizetype(pixels.width()) * 4;
    const int rowsPerChunk = int(std::max<qsizetype>(1, ChunkBytes / std::max<qsizetype>(rowSize, 1)));
    QByteArray chunk;
    for (int y = pixels.height() - 1; written && y >= 0;) {
        const int rows = std::min(rowsPerChunk, y + 1);
        chunk.resize(rowSize * rows);
        for (int i = 0; i < rows; ++i, --y)
            encodeRow(pixels, y, chunk.data() + i * rowSize);
        written = writer.write(chunk);
    }
    written = written && writer.commit();
    if (!written)
        error = writer.error();
    return written;
}

} // namespace tessel
