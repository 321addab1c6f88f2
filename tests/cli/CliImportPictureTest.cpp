// tessel-cli import-picture, run as a user runs it: pictures of every shape
// turned into BMPs of the screen's height in pure LED colours.
#include "CliTestSupport.h"

#include <QtEndian>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

// A 24-bit BMP of one colour (blue, green, red), rows padded to four bytes.
QByteArray flatBmp(int width, int height, uint8_t b, uint8_t g, uint8_t r)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray bytes(54 + stride * height, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian<uint32_t>(bytes.size(), bytes.data() + 2);
    qToLittleEndian<uint32_t>(54, bytes.data() + 10);
    qToLittleEndian<uint32_t>(40, bytes.data() + 14);
    qToLittleEndian<int32_t>(width, bytes.data() + 18);
    qToLittleEndian<int32_t>(height, bytes.data() + 22);
    qToLittleEndian<uint16_t>(1, bytes.data() + 26);
    qToLittleEndian<uint16_t>(24, bytes.data() + 28);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char* at = bytes.data() + 54 + y * stride + x * 3;
            at[0] = char(b);
            at[1] = char(g);
            at[2] = char(r);
        }
    return bytes;
}

struct BmpInfo {
    int width = 0;
    int height = 0;
    int bits = 0;
};

BmpInfo infoOf(const QByteArray& bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return {};
    return { qFromLittleEndian<int32_t>(bytes.constData() + 18),
        qFromLittleEndian<int32_t>(bytes.constData() + 22),
        qFromLittleEndian<uint16_t>(bytes.constData() + 28) };
}

// The first pixel stored (blue, green, red).
QByteArray firstPixel(const QByteArray& bytes)
{
    const int offset = qFromLittleEndian<int32_t>(bytes.constData() + 10);
    return bytes.mid(offset, 3);
}

class CliImportPictureTest : public tessel::test::CliTest { };

} // namespace

TEST_F(CliImportPictureTest, TurnsPicturesOfAnyShapeIntoScreenHighLedPictures)
{
    write(u"dot.bmp"_qs, flatBmp(1, 1, 0, 0, 200));
    CliRun result
        = run({ u"import-picture"_qs, u"dot.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"-o"_qs, u"out.bmp"_qs });
    ASSERT_EQ(result.status, 0) << result.err.constData();
    BmpInfo info = infoOf(read(u"out.bmp"_qs));
    EXPECT_EQ(info.width, 12);
    EXPECT_EQ(info.height, 12);
    EXPECT_EQ(info.bits, 24);
    EXPECT_EQ(firstPixel(read(u"out.bmp"_qs)), QByteArray("\0\0\xff", 3));

    write(u"strip.bmp"_qs, flatBmp(10000, 10, 0, 0, 0));
    result = run({ u"import-picture"_qs, u"strip.bmp"_qs, u"--screen"_qs, u"16x64"_qs, u"--invert"_qs,
        u"--planes"_qs, u"2"_qs, u"-o"_qs, u"strip-out.bmp"_qs });
    ASSERT_EQ(result.status, 0) << result.err.constData();
    info = infoOf(read(u"strip-out.bmp"_qs));
    EXPECT_EQ(info.width, 16000);
    EXPECT_EQ(info.height, 16);
    EXPECT_EQ(firstPixel(read(u"strip-out.bmp"_qs)), QByteArray("\xff\xff\xff", 3));

    // Below the threshold the LED stays dark; dithering lights some of them.
    write(u"grey.bmp"_qs, flatBmp(12, 12, 100, 100, 100));
    result = run({ u"import-picture"_qs, u"grey.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"--threshold"_qs,
        u"101"_qs, u"-o"_qs, u"grey-out.bmp"_qs });
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(firstPixel(read(u"grey-out.bmp"_qs)), QByteArray("\0\0\0", 3));
    result = run({ u"import-picture"_qs, u"grey.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"--dither"_qs,
        u"-o"_qs, u"grey-dither.bmp"_qs });
    ASSERT_EQ(result.status, 0);
    EXPECT_TRUE(read(u"grey-dither.bmp"_qs).mid(54).contains('\xff'));
}

TEST_F(CliImportPictureTest, BrokenPicturesAndBadUsageAreReported)
{
    QByteArray cut = flatBmp(40, 40, 0, 0, 255);
    cut.chop(2000);
    write(u"cut.bmp"_qs, cut);
    CliRun result
        = run({ u"import-picture"_qs, u"cut.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"-o"_qs, u"o.bmp"_qs });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains("not a picture"));
    EXPECT_FALSE(QFile::exists(file(u"o.bmp"_qs)));

    write(u"text.png"_qs, "not a picture at all");
    EXPECT_EQ(
        run({ u"import-picture"_qs, u"text.png"_qs, u"--screen"_qs, u"12x48"_qs, u"-o"_qs, u"o.bmp"_qs })
            .status,
        1);
    EXPECT_EQ(
        run({ u"import-picture"_qs, u"missing.png"_qs, u"--screen"_qs, u"12x48"_qs, u"-o"_qs, u"o.bmp"_qs })
            .status,
        1);

    write(u"ok.bmp"_qs, flatBmp(4, 4, 0, 0, 255));
    EXPECT_EQ(run({ u"import-picture"_qs, u"ok.bmp"_qs, u"-o"_qs, u"o.bmp"_qs }).status, 2);
    EXPECT_EQ(
        run({ u"import-picture"_qs, u"ok.bmp"_qs, u"--screen"_qs, u"12"_qs, u"-o"_qs, u"o.bmp"_qs }).status,
        2);
    EXPECT_EQ(run({ u"import-picture"_qs, u"ok.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"--threshold"_qs,
                      u"256"_qs, u"-o"_qs, u"o.bmp"_qs })
                  .status,
        2);
    EXPECT_EQ(run({ u"import-picture"_qs, u"ok.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"--planes"_qs, u"3"_qs,
                      u"-o"_qs, u"o.bmp"_qs })
                  .status,
        2);
    EXPECT_EQ(run({ u"import-picture"_qs, u"ok.bmp"_qs, u"--screen"_qs, u"12x48"_qs, u"-o"_qs,
                      file(u"no-such-folder/o.bmp"_qs) })
                  .status,
        1);
}
