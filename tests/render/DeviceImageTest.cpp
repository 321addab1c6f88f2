#include "render/DeviceImage.h"

#include "RenderFixtures.h"
#include "render/ProgramEncoder.h"
#include "render/RtfReader.h"
#include "render/TextRasterizer.h"

using namespace tessel;
using namespace tessel::test;

namespace {

class DeviceImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data.bright = 2;
        data.bat = 0;
        folder.writeIcon(12, QStringLiteral("[A000]"), filled(12, 12, White));
    }

    Program& addText(const QString& text, uint8_t action = 0)
    {
        Program& program = adopt(ItemKind::Text);
        program.text()->save = redArialSave(text);
        program.text()->action = action;
        return program;
    }

    Program& addImage(const QString& fileName)
    {
        Program& program = adopt(ItemKind::Image);
        program.image()->fileName = fileName;
        return program;
    }

    Program& adopt(ItemKind kind)
    {
        auto program = std::make_unique<Program>();
        program->type = uint8_t(kind);
        program->item = newProgramItem(program->type);
        return *data.adoptProgram(std::move(program));
    }

    DeviceImageBuild build(const ScreenGeometry& g = geometry(12, 48))
    {
        return BuildDeviceImage(data, g, folder.exeDir());
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder.path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    AppData data;
    AppFolder folder;
};

} // namespace

TEST_F(DeviceImageTest, NothingTickedIsTheGlobalHeaderAlone)
{
    addText(QStringLiteral("off")).check = 0;
    adopt(ItemKind::Animation);
    adopt(ItemKind::Time);
    adopt(ItemKind::Count);
    addText(QString());
    const DeviceImageBuild image = build();
    EXPECT_EQ(image.bytes, QByteArray("\x00\x01\x00\x02\x00\x00\x00\x00", 8));
    EXPECT_EQ(image.programCount, 0);
    EXPECT_FALSE(image.tooManyPrograms);
}

TEST_F(DeviceImageTest, TextFramesFollowAllHeaders)
{
    addText(QStringLiteral("Welcome"));
    adopt(ItemKind::Animation);
    Program& icons = addText(QStringLiteral("[A000][A000][A000][A000][A000]"), 2);
    icons.playCount = 4;
    const DeviceImageBuild image = build();
    ASSERT_EQ(image.programCount, 2);
    EXPECT_EQ(uint8_t(image.bytes[0]), 2);

    // The first text, as the preview rasterizes it.
    const QImage welcome = RasterizeText(geometry(12, 48), *data.programs[0]->text(),
        RichTextFromSave(data.programs[0]->text()->save, 1252), folder.exeDir());
    const int welcomeFrames = (welcome.width() + 47) / 48;
    const QByteArray first = image.bytes.mid(8, 16);
    EXPECT_EQ(uint8_t(first[10]), welcomeFrames);
    EXPECT_EQ(first.mid(12, 2), QByteArray(2, '\0'));

    // Icons: W = 60, W' = 108 with trimSpace 0: 3 frames, 12 columns in the last.
    const QByteArray second = image.bytes.mid(24, 16);
    const QByteArray expected("\x00\x02\x01\x00\x05\x00\x00\x00\x00\x00\x03\x00\x0C\x00\x00", 15);
    EXPECT_EQ(second.first(15), expected);
    EXPECT_EQ(uint8_t(second[15]), HeaderChecksum(expected));
    ASSERT_EQ(image.bytes.size(), 8 + 2 * 16 + (welcomeFrames + 3) * 72);

    const QByteArray iconFrames = image.bytes.mid(8 + 32 + welcomeFrames * 72);
    // Frame 0 shows icon rows lit over all 48 columns, frame 1 the last
    // 12 columns of the icons, frame 2 the blank tail.
    EXPECT_EQ(iconFrames.first(6), QByteArray(6, '\xFF'));
    EXPECT_EQ(iconFrames.mid(72, 6), QByteArray("\xFF\xF0\x00\x00\x00\x00", 6));
    EXPECT_EQ(iconFrames.mid(144), QByteArray(72, '\0'));
}

TEST_F(DeviceImageTest, PicturesThatDoNotDecodeAreSkipped)
{
    const QString good = folder.path(QStringLiteral("good.bmp"));
    ASSERT_TRUE(filled(20, 12, qRgb(255, 0, 0)).save(good));
    QFile::copy(good, folder.path(QStringLiteral("cut.bmp")));
    QFile cut(folder.path(QStringLiteral("cut.bmp")));
    cut.resize(60);
    addImage(folder.path(QStringLiteral("missing.bmp")));
    addImage(cut.fileName());
    addImage(writeFile(QStringLiteral("text.bmp"), "just some text"));
    // A header claiming 100000 × 100000 pixels with no data behind it.
    QByteArray liar = QByteArray::fromHex("424d000000000000000036000000280000");
    liar += QByteArray::fromHex("a0860100a08601000100200000000000000000000000000000000000000000000000");
    addImage(writeFile(QStringLiteral("liar.bmp"), liar));
    addImage(QString());
    addImage(QStringLiteral("/dev/zero"));
    addImage(folder.path(QString()));
    addImage(good).playCount = 7;
    const DeviceImageBuild image = build();
    ASSERT_EQ(image.programCount, 1);
    ASSERT_EQ(image.bytes.size(), 8 + 16 + 72);
    EXPECT_EQ(uint8_t(image.bytes[8]), 1);
    EXPECT_EQ(uint8_t(image.bytes[12]), 7);
    EXPECT_EQ(image.bytes.mid(24, 3), QByteArray("\xFF\xFF\xF0", 3));
}

TEST_F(DeviceImageTest, MoreThan255ProgramsAreRefused)
{
    const QString dot = folder.path(QStringLiteral("dot.bmp"));
    ASSERT_TRUE(filled(1, 1, White).save(dot));
    for (int i = 0; i < 255; ++i)
        addImage(dot);
    DeviceImageBuild image = build();
    EXPECT_EQ(image.programCount, 255);
    EXPECT_EQ(uint8_t(image.bytes[0]), 255);
    EXPECT_FALSE(image.tooManyPrograms);

    addImage(dot);
    image = build();
    EXPECT_TRUE(image.tooManyPrograms);
    EXPECT_TRUE(image.bytes.isEmpty());
}

TEST_F(DeviceImageTest, ImagesASendCannotAnnounceAreRefused)
{
    const QString wide = folder.path(QStringLiteral("wide.png"));
    ASSERT_TRUE(filled(60000, 16, White).save(wide));
    for (int i = 0; i < 4; ++i)
        addImage(wide);
    // 60000 frames of 16 bytes each per picture on a one-column badge.
    const DeviceImageBuild image = build(geometry(16, 1));
    EXPECT_TRUE(image.tooLarge);
    EXPECT_FALSE(image.tooManyPrograms);
    EXPECT_TRUE(image.bytes.isEmpty());
}

TEST_F(DeviceImageTest, TextsWiderThan65535ColumnsCountEveryColumn)
{
    // 300 icons 12 + 254 columns apart: 79800 columns, scrolled with a
    // screen of blank columns after them.
    QString icons;
    for (int i = 0; i < 300; ++i)
        icons += QStringLiteral("[A000]");
    addText(icons, 2).text()->charSpacing = 255;
    data.trimSpace = 0;
    const DeviceImageBuild image = build();
    ASSERT_EQ(image.programCount, 1);
    EXPECT_EQ(uint8_t(image.bytes[18]) | uint8_t(image.bytes[19]) << 8, 1664);
    EXPECT_EQ(uint8_t(image.bytes[20]) | uint8_t(image.bytes[21]) << 8, 24);
    ASSERT_EQ(image.bytes.size(), 8 + 16 + 1664 * 72);
    // The first icon is drawn; icons beyond the canvas stay unlit. Wider
    // than the canvas, the text has ink in all 24 canvas rows: the centred
    // band starts at row 5, and the icon (rows 6-17) begins in frame row 1.
    EXPECT_EQ(image.bytes.mid(24, 2), QByteArray(2, '\0'));
    EXPECT_EQ(image.bytes.mid(24 + 6, 2), QByteArray("\xFF\xF0", 2));
    EXPECT_EQ(image.bytes.mid(24 + 1663 * 72), QByteArray(72, '\0'));
}

TEST_F(DeviceImageTest, WideLargeAndUnpaddedPicturesAreEncoded)
{
    // 70000 columns: 1459 frames of 48.
    const QString wide = folder.path(QStringLiteral("wide.png"));
    QImage wideImage = filled(70000, 12, Black);
    wideImage.setPixel(69999, 0, qRgb(255, 0, 0));
    ASSERT_TRUE(wideImage.save(wide));
    addImage(wide);
    // 6000 × 6000 pixels decode to 144 MB, beyond Qt's default limit.
    const QString large = folder.path(QStringLiteral("large.png"));
    ASSERT_TRUE(filled(6000, 6000, qRgb(255, 0, 0)).save(large));
    addImage(large);
    // A 24-bit BMP whose file ends with the last pixel, before the padding
    // of its last row (3 pixels: 9 bytes of a 12-byte row).
    const QString unpadded = folder.path(QStringLiteral("unpadded.bmp"));
    ASSERT_TRUE(filled(3, 12, qRgb(255, 0, 0)).save(unpadded, "BMP"));
    QFile cut(unpadded);
    ASSERT_TRUE(cut.resize(cut.size() - 3));
    addImage(unpadded);

    const DeviceImageBuild image = build();
    ASSERT_EQ(image.programCount, 3);
    EXPECT_EQ(uint8_t(image.bytes[18]) | uint8_t(image.bytes[19]) << 8, 1459);
    EXPECT_EQ(uint8_t(image.bytes[34]) | uint8_t(image.bytes[35]) << 8, 125);
    EXPECT_EQ(uint8_t(image.bytes[50]) | uint8_t(image.bytes[51]) << 8, 1);
    const int frames = 8 + 3 * 16;
    // The last column of the wide picture is the last of its frames.
    EXPECT_EQ(uint8_t(image.bytes[frames + 1458 * 72 + 1]), 0x01);
    // Every row of the unpadded picture is lit, its top row included.
    const QByteArray last = image.bytes.right(72);
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(uint8_t(last[row * 6]), 0xE0) << row;

    // Missing more than the padding: refused as before.
    ASSERT_TRUE(cut.resize(cut.size() - 1));
    data.clearPrograms();
    addImage(unpadded);
    EXPECT_EQ(build().programCount, 0);
}

// More frames than the header counts: the build names the program rather
// than leave the list with nothing to send.
TEST_F(DeviceImageTest, AProgramOfMoreThan65535FramesIsNamed)
{
    const QString dot = folder.path(QStringLiteral("dot.bmp"));
    ASSERT_TRUE(filled(1, 1, White).save(dot));
    const QString wide = folder.path(QStringLiteral("wide.bmp"));
    ASSERT_TRUE(filled(65536, 1, White).save(wide));
    addImage(dot);
    addImage(wide);
    DeviceImageBuild image = build(geometry(1, 1));
    EXPECT_TRUE(image.tooLarge);
    EXPECT_EQ(image.tooManyFramesProgram, 2);
    EXPECT_EQ(image.framesNeeded, 65536);
    EXPECT_TRUE(image.bytes.isEmpty());

    data.programs.pop_back();
    addImage(folder.path(QStringLiteral("exact.bmp")));
    ASSERT_TRUE(filled(65535, 1, White).save(folder.path(QStringLiteral("exact.bmp"))));
    image = build(geometry(1, 1));
    EXPECT_FALSE(image.tooLarge);
    EXPECT_EQ(image.programCount, 2);
}
