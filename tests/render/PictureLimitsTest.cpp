// Pictures whose headers claim more than may be decoded are refused before
// any decoding, on every path that reads a picture file.
#include "render/LedPicture.h"
#include "render/PictureFile.h"
#include "render/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace tessel {
namespace {

QByteArray progressiveJpeg(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    EXPECT_TRUE(writer.write(picture));
    return bytes;
}

// The same file with the size in its frame header changed.
QByteArray claimingSize(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xFF\xC2");
    EXPECT_GT(frame, 0);
    jpeg[frame + 5] = char(height >> 8);
    jpeg[frame + 6] = char(height);
    jpeg[frame + 7] = char(width >> 8);
    jpeg[frame + 8] = char(width);
    return jpeg;
}

long peakKilobytes()
{
    rusage usage { };
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(PictureLimits, AHugeClaimIsRefusedFromTheHeader)
{
    QTemporaryDir dir;
    const QByteArray small = progressiveJpeg(16, 16);
    ASSERT_TRUE(JpegBuffersAllowed(small));
    const QString huge = dir.filePath(QStringLiteral("huge.jpg"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(claimingSize(small, 30000, 30000));
    }
    const long before = peakKilobytes();
    EXPECT_EQ(LoadScaledPicture(huge, 12).error, LedPictureError::TooLarge);
    EXPECT_TRUE(LoadPicture(huge).isNull());
    EXPECT_FALSE(PictureFileIsLedReady(huge, 12, 0));
    EXPECT_LT(peakKilobytes() - before, 300 * 1024);

    // Below the pixel limit but with buffers too large for a progressive decode.
    EXPECT_FALSE(JpegBuffersAllowed(claimingSize(small, 8000, 8000)));
    EXPECT_TRUE(JpegBuffersAllowed(claimingSize(small, 4000, 3000)));
    EXPECT_TRUE(PictureSizeAllowed(QSize(8192, 8192)));
    EXPECT_FALSE(PictureSizeAllowed(QSize(8193, 8192)));
    EXPECT_TRUE(PictureSizeAllowed(QSize()));
}

uint32_t crc32(QByteArrayView bytes)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= uint8_t(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG's header names its size: a claim of 100 million pixels in a file of
// a few bytes, its checksum made right.
TEST(PictureLimits, EveryFormatIsJudgedByItsClaimedSize)
{
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "png"));
    // Signature (8), length (4), "IHDR", width, height at 16 and 20.
    const auto put32 = [&](qsizetype at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            png[at + i] = char(value >> (24 - 8 * i));
    };
    put32(16, 10000);
    put32(20, 10000);
    put32(29, crc32(QByteArrayView(png).sliced(12, 17)));
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(png);
    }
    EXPECT_TRUE(LoadPicture(path).isNull());
    EXPECT_EQ(LoadScaledPicture(path, 12).error, LedPictureError::TooLarge);
}

} // namespace
} // namespace tessel
