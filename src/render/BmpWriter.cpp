#include "render/BmpWriter.h"

#include <QtEndian>
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

QByteArray EncodeBmp32(const QImage& picture)
{
    if (picture.isNull())
        return {};
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const qsizetype rowSize = qsizetype(pixels.width()) * 4;
    const qsizetype dataSize = rowSize * pixels.height();
    const int dataOffset = FileHeaderSize + InfoHeaderSize;
    QByteArray bytes(dataOffset + dataSize, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, 2, uint32_t(bytes.size()));
    put32(bytes, 10, dataOffset);
    put32(bytes, 14, InfoHeaderSize);
    put32(bytes, 18, uint32_t(pixels.width()));
    put32(bytes, 22, uint32_t(pixels.height())); // positive: bottom-up rows
    put16(bytes, 26, 1); // planes
    put16(bytes, 28, 32); // bits per pixel
    put32(bytes, 34, uint32_t(dataSize));
    char* out = bytes.data() + dataOffset;
    for (int y = pixels.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            *out++ = char(qBlue(line[x]));
            *out++ = char(qGreen(line[x]));
            *out++ = char(qRed(line[x]));
            *out++ = char(0xFF);
        }
    }
    return bytes;
}

bool WriteBmp32(const QImage& picture, const QString& path, FileError& error, DashPath dash)
{
    const QByteArray bytes = EncodeBmp32(picture);
    if (bytes.isEmpty())
        return failWith(error, EINVAL);
    return writeFile(path, bytes, error, dash);
}

} // namespace tessel
