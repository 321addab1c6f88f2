#include "render/PictureFile.h"

#include "render/BmpFileCheck.h"
#include "render/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tessel {

namespace {

QImage decode(QIODevice& device)
{
    // Judged before the decoder sees a byte.
    if (!JpegBuffersAllowed(device.peek(PictureHeadBytes)))
        return {};
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(PictureAllocationLimitMB);
    if (!PictureSizeAllowed(reader.size()))
        return {};
    QImage picture = reader.read();
    if (picture.isNull())
        return {};
    picture.convertTo(QImage::Format_RGB32);
    return picture;
}

} // namespace

QImage LoadPicture(const QString& path)
{
    // Only regular files: a pipe or a device could block or never end.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const BmpDataCheck check = CheckBmpPixelData(file.peek(BmpHeaderBytes), file.size());
    switch (check.state) {
    case BmpPixelData::Complete:
        return decode(file);
    case BmpPixelData::Incomplete:
        return {};
    case BmpPixelData::LacksLastRowPadding:
        break;
    }
    // The decoder would drop the last row for want of its padding: decode
    // the file with the padding restored.
    QByteArray bytes = file.readAll();
    bytes.append(check.missingBytes, '\0');
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return decode(buffer);
}

} // namespace tessel
