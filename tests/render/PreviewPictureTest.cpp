#include "render/PreviewPicture.h"

#include "RenderFixtures.h"

#include <QFile>

using namespace tessel;
using namespace tessel::test;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeIcon(12, QStringLiteral("[A000]"), filled(12, 12, White));
        data.paths = PortablePaths(folder.exeDir());
    }

    Program text(const QString& content, uint8_t horAlign = 0, uint8_t charSpacing = 1)
    {
        Program program;
        program.type = uint8_t(ItemKind::Text);
        TextItem item;
        item.save = redArialSave(content);
        item.horAlign = horAlign;
        item.charSpacing = charSpacing;
        program.item = item;
        return program;
    }

    Program image(const QString& fileName, ItemKind kind = ItemKind::Image)
    {
        Program program;
        program.type = uint8_t(kind);
        program.item = newProgramItem(program.type);
        if (program.image())
            program.image()->fileName = fileName;
        return program;
    }

    QString preBmp() const { return data.paths.previewPath; }

    QByteArray preBytes() const
    {
        QFile file(preBmp());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writePreBmp(const QByteArray& bytes) const
    {
        QFile file(preBmp());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    AppData data;
    AppFolder folder;
};

bool isBlack(const QImage& picture)
{
    for (int x = 0; x < picture.width(); ++x)
        if (!columnIsBlack(picture, x))
            return false;
    return true;
}

} // namespace

TEST_F(PreviewTest, EmptyTextIsABlackScreen)
{
    const QImage picture = RenderPreview(data, text(QString()), folder.exeDir());
    EXPECT_EQ(picture.size(), QSize(48, 12));
    EXPECT_TRUE(isBlack(picture));
    const QByteArray bytes = preBytes();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(uint8_t(bytes[28]), 32); // bits per pixel
    EXPECT_EQ(bytes.size(), 54 + 48 * 12 * 4);
    EXPECT_EQ(QImage(preBmp()).convertToFormat(QImage::Format_RGB32), picture);

    data.screenPara.yIndex = 2;
    data.screenPara.xIndex = 0;
    EXPECT_EQ(RenderPreview(data, text(QString()), folder.exeDir()).size(), QSize(48, 16));
    EXPECT_EQ(QImage(preBmp()).size(), QSize(48, 16));
}

TEST_F(PreviewTest, TextStripIsStoredAsDrawn)
{
    // W = 20 (icon advance 12 + 8): right aligned on 48 columns.
    const QImage picture = RenderPreview(data, text(QStringLiteral("[A000]"), 2, 9), folder.exeDir());
    ASSERT_EQ(picture.size(), QSize(48, 12));
    for (int x = 0; x < 48; ++x)
        EXPECT_EQ(columnIsBlack(picture, x), x < 28 || x >= 40) << x;
    EXPECT_EQ(QImage(preBmp()).convertToFormat(QImage::Format_RGB32), picture);

    const QImage welcome = RenderPreview(data, text(QStringLiteral("Hi!")), folder.exeDir());
    EXPECT_FALSE(isBlack(welcome));
    EXPECT_EQ(QImage(preBmp()).convertToFormat(QImage::Format_RGB32), welcome);
}

TEST_F(PreviewTest, KindsWithoutPreviewKeepThePreviousPicture)
{
    writePreBmp("previous");
    for (ItemKind kind : { ItemKind::Animation, ItemKind::Time, ItemKind::Count }) {
        EXPECT_TRUE(
            RenderPreview(data, image(folder.path(QStringLiteral("x.gif")), kind), folder.exeDir()).isNull());
        EXPECT_EQ(preBytes(), "previous");
    }
}

TEST_F(PreviewTest, ImageFileIsCopiedAndShownWhole)
{
    const QString png = folder.path(QStringLiteral("big.png"));
    QImage big = filled(100, 30, qRgb(10, 20, 30));
    big.setPixel(99, 29, qRgb(200, 0, 0));
    ASSERT_TRUE(big.save(png));
    QFile source(png);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray pngBytes = source.readAll();

    const QImage picture = RenderPreview(data, image(png), folder.exeDir());
    EXPECT_EQ(picture, big);
    EXPECT_EQ(preBytes(), pngBytes);
}

TEST_F(PreviewTest, OnlyPicturesAreCopied)
{
    writePreBmp("previous");
    const QString secret = folder.path(QStringLiteral("secret.txt"));
    QFile file(secret);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    EXPECT_TRUE(RenderPreview(data, image(secret), folder.exeDir()).isNull());
    EXPECT_TRUE(
        RenderPreview(data, image(folder.path(QStringLiteral("gone.bmp"))), folder.exeDir()).isNull());
    EXPECT_EQ(preBytes(), "previous");
}

TEST_F(PreviewTest, ImageWithoutFileIsABlackScreen)
{
    const QImage picture = RenderPreview(data, image(QString()), folder.exeDir());
    EXPECT_EQ(picture.size(), QSize(48, 12));
    EXPECT_TRUE(isBlack(picture));
    EXPECT_EQ(uint8_t(preBytes()[28]), 32);
}
