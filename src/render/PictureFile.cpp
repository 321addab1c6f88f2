#include "render/PictureFile.h"

#include "render/BmpFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace tessel {

QImage LoadPicture(const QString& path)
{
    // Only regular files: a pipe or a device could block or never end.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (!BmpPixelDataIsComplete(file.peek(BmpHeaderBytes), file.size()))
        return {};
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(PictureAllocationLimitMB);
    // A header may claim any size: refuse absurd ones before decoding.
    const QSize claimed = reader.size();
    if (claimed.isValid() && claimed.width() > MaxPictureColumns)
        return {};
    QImage picture = reader.read();
    if (picture.isNull() || picture.width() > MaxPictureColumns)
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace tessel
