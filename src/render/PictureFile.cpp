#include "render/PictureFile.h"

#include "render/BmpFileCheck.h"
#include "render/PictureLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cstring>

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

// A file read as if it ended with some zero bytes more, without reading it
// into memory: a picture of hundreds of megabytes is not held twice.
class PaddedFile : public QIODevice {
public:
    PaddedFile(QFile& file, qint64 padding)
        : file_(file)
        , padding_(padding)
    {
    }
    bool isSequential() const override { return false; }
    qint64 size() const override { return file_.size() + padding_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 at = pos();
        const qint64 fileSize = file_.size();
        qint64 got = 0;
        if (at < fileSize) {
            if (!file_.seek(at))
                return -1;
            got = file_.read(data, std::min(maxSize, fileSize - at));
            if (got < 0)
                return -1;
        }
        const qint64 zeros = std::min(maxSize - got, size() - (at + got));
        if (zeros > 0) {
            std::memset(data + got, 0, size_t(zeros));
            got += zeros;
        }
        return got;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QFile& file_;
    qint64 padding_;
};

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
    PaddedFile padded(file, check.missingBytes);
    padded.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return decode(padded);
}

} // namespace tessel
