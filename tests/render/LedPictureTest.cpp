#include "render/LedPicture.h"

#include "RenderFixtures.h"
#include "render/DeviceImage.h"
#include "render/ProgramEncoder.h"

#include <QFile>
#include <QTemporaryDir>

using namespace tessel;
using namespace tessel::test;

namespace {

QImage flat(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

double litFraction(const QImage& picture, int shift)
{
    int lit = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            lit += ((picture.pixel(x, y) >> shift) & 0xFF) == 255;
    return double(lit) / (picture.width() * picture.height());
}

LedPictureOptions options(int rows, int extraPlanes = 0)
{
    LedPictureOptions result;
    result.rows = rows;
    result.extraPlanes = extraPlanes;
    return result;
}

} // namespace

TEST(LedPicture, ThresholdDecidesEachLedFromItsPlanesChannel)
{
    // Red levels around the threshold, in a 12-row picture that needs no scaling.
    QImage picture = flat(4, 12, qRgb(0, 0, 0));
    for (int y = 0; y < 12; ++y) {
        picture.setPixel(0, y, qRgb(127, 0, 0));
        picture.setPixel(1, y, qRgb(128, 0, 0));
        picture.setPixel(2, y, qRgb(0, 255, 255)); // no red: dark on a one-plane screen
        picture.setPixel(3, y, qRgb(200, 0, 0));
    }
    auto opts = options(12);
    const QImage leds = ReduceToLeds(picture, opts);
    EXPECT_EQ(leds.pixel(0, 5), qRgb(0, 0, 0));
    EXPECT_EQ(leds.pixel(1, 5), qRgb(255, 0, 0));
    EXPECT_EQ(leds.pixel(2, 5), qRgb(0, 0, 0));
    EXPECT_EQ(leds.pixel(3, 5), qRgb(255, 0, 0));

    opts.threshold = 201;
    EXPECT_EQ(ReduceToLeds(picture, opts).pixel(3, 5), qRgb(0, 0, 0));

    opts.threshold = 128;
    opts.inversion = Inversion::Inverted;
    const QImage inverted = ReduceToLeds(picture, opts);
    EXPECT_EQ(inverted.pixel(0, 5), qRgb(255, 0, 0)); // 255 - 127 = 128
    EXPECT_EQ(inverted.pixel(1, 5), qRgb(0, 0, 0));
    EXPECT_EQ(inverted.pixel(2, 5), qRgb(255, 0, 0));
}

TEST(LedPicture, EachPlaneTakesItsOwnChannelAndNoMore)
{
    const QImage orange = flat(2, 12, qRgb(250, 160, 200));
    EXPECT_EQ(ConvertToLedPicture(orange, options(12, 0)).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(ConvertToLedPicture(orange, options(12, 1)).pixel(0, 0), qRgb(255, 255, 0));
    EXPECT_EQ(ConvertToLedPicture(orange, options(12, 2)).pixel(0, 0), qRgb(255, 255, 255));
    const QImage darkGreen = flat(2, 12, qRgb(10, 140, 20));
    EXPECT_EQ(ConvertToLedPicture(darkGreen, options(12, 2)).pixel(1, 11), qRgb(0, 255, 0));
}

TEST(LedPicture, DitherLightsFlatGreysInProportionToTheirLevel)
{
    for (const int level : { 0, 32, 64, 128, 192, 255 }) {
        auto opts = options(16);
        opts.dithering = Dithering::ErrorDiffusion;
        const QImage leds = ReduceToLeds(flat(160, 16, qRgb(level, level, level)), opts);
        EXPECT_NEAR(litFraction(leds, 16), level / 255.0, 0.03) << "grey " << level;
        // Only the one plane of this screen.
        EXPECT_EQ(litFraction(leds, 8), 0.0);
        opts.inversion = Inversion::Inverted;
        EXPECT_NEAR(litFraction(ReduceToLeds(flat(160, 16, qRgb(level, level, level)), opts), 16),
            1.0 - level / 255.0, 0.03)
            << "inverted grey " << level;
    }
}

TEST(LedPicture, ScalingKeepsTheAspectRatioForTinyHugeAndWidePictures)
{
    EXPECT_EQ(ScaleToRows(flat(400, 300, qRgb(255, 255, 255)), 12).picture.size(), QSize(16, 12));
    EXPECT_EQ(ScaleToRows(flat(100, 16, qRgb(255, 255, 255)), 16).picture.size(), QSize(100, 16));
    // One pixel becomes a whole screen-high square, lit as the pixel was.
    const QImage dot = ConvertToLedPicture(flat(1, 1, qRgb(255, 0, 0)), options(14));
    EXPECT_EQ(dot.size(), QSize(14, 14));
    EXPECT_EQ(dot.pixel(7, 7), qRgb(255, 0, 0));
    EXPECT_EQ(ScaleToRows(flat(10000, 10, qRgb(0, 0, 0)), 12).picture.size(), QSize(12000, 12));
    // A strip so long that no program could hold it is refused, not built.
    EXPECT_EQ(ScaleToRows(flat(60000, 10, qRgb(0, 0, 0)), 12).error, LedPictureError::TooWide);
    EXPECT_EQ(ScaledColumns(3, 1000, 12), 1);
}

TEST(LedPicture, TransparentPartsStayDark)
{
    QImage picture(4, 12, QImage::Format_ARGB32);
    picture.fill(qRgba(255, 255, 255, 0));
    EXPECT_EQ(litFraction(ReduceToLeds(picture, options(12)), 16), 0.0);
}

TEST(LedPicture, ReadyOnlyAtTheScreensHeightInPureLedColours)
{
    QImage picture = flat(8, 12, qRgb(0, 0, 0));
    picture.setPixel(1, 1, qRgb(255, 0, 0));
    EXPECT_TRUE(IsLedReady(picture, 12, 0));
    EXPECT_FALSE(IsLedReady(picture, 16, 0));
    picture.setPixel(2, 1, qRgb(255, 255, 0));
    EXPECT_FALSE(IsLedReady(picture, 12, 0));
    EXPECT_TRUE(IsLedReady(picture, 12, 1));
    picture.setPixel(3, 1, qRgb(250, 0, 0));
    EXPECT_FALSE(IsLedReady(picture, 12, 2));
    // Every conversion is ready for the screen it was made for.
    for (int planes = 0; planes <= 2; ++planes) {
        auto opts = options(12, planes);
        opts.dithering = Dithering::ErrorDiffusion;
        EXPECT_TRUE(IsLedReady(ConvertToLedPicture(flat(50, 37, qRgb(90, 170, 220)), opts), 12, planes));
    }
}

TEST(LedPicture, FilesDecodeScaledAndBrokenFilesAreRefused)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(flat(300, 200, qRgb(255, 0, 0)).save(png));
    const ScaledPicture loaded = LoadScaledPicture(png, 12);
    EXPECT_EQ(loaded.error, LedPictureError::None);
    EXPECT_EQ(loaded.picture.size(), QSize(18, 12));
    EXPECT_FALSE(PictureFileIsLedReady(png, 12, 0));

    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n and then no picture at all");
    file.close();
    EXPECT_EQ(LoadScaledPicture(broken, 12).error, LedPictureError::Unreadable);
    EXPECT_EQ(LoadScaledPicture(dir.path(), 12).error, LedPictureError::Unreadable);
    EXPECT_EQ(LoadScaledPicture(dir.filePath(QStringLiteral("missing.bmp")), 12).error,
        LedPictureError::Unreadable);
    EXPECT_FALSE(PictureFileIsLedReady(broken, 12, 0));
}

TEST(LedPicture, WrittenBmpIsReadyAndSendsExactlyTheLedsShown)
{
    QTemporaryDir dir;
    auto opts = options(12, 1);
    opts.dithering = Dithering::ErrorDiffusion;
    QImage photo(90, 45, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 255 / 89, y * 255 / 44, 128));
    const QImage leds = ConvertToLedPicture(photo, opts);
    const QString path = dir.filePath(QStringLiteral("photo.bmp"));
    FileError error;
    ASSERT_TRUE(WriteLedPicture(leds, path, error)) << qPrintable(error.message);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(uchar(bytes[28]), 24); // bits per pixel
    EXPECT_TRUE(PictureFileIsLedReady(path, 12, 1));

    // The image program built from the file lights exactly the LEDs of the picture.
    AppData data;
    Program* program = data.addProgram(ItemKind::Image, QStringLiteral("image"));
    program->check = 1;
    program->image()->fileName = path;
    const ScreenGeometry geometry = BadgeGeometry(12, leds.width(), 1);
    const DeviceImageBuild build = BuildDeviceImage(data, geometry, dir.path() + u'/');
    ASSERT_EQ(build.programCount, 1);
    const QByteArray frame = build.bytes.mid(GlobalHeaderSize + ProgramHeaderSize, geometry.frameSize);
    for (int plane = 0; plane < 2; ++plane)
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < leds.width(); ++x) {
                const int offset = plane * geometry.planeSize + y * geometry.rowBytes + x / 8;
                const bool sent = uchar(frame[offset]) & (0x80 >> (x % 8));
                const bool shown = ((leds.pixel(x, y) >> (16 - 8 * plane)) & 0xFF) == 255;
                EXPECT_EQ(sent, shown) << plane << " " << x << "," << y;
            }
}
