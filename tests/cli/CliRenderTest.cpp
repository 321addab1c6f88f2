// tessel-cli render and image, run as a user runs them: a copy of the built
// tool in a folder of its own, with its own "app.xml" beside it.
#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

// One pixel as blue, green, red.
struct Bgr {
    uint8_t b, g, r;
};

// A 24-bit BMP, rows bottom-up and padded to four bytes.
QByteArray bmp24(int width, int height, const std::vector<Bgr>& topDownPixels)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray bytes(54 + stride * height, '\0');
    auto put32 = [&](int at, uint32_t v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, bytes.size());
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    qToLittleEndian<uint16_t>(1, bytes.data() + 26);
    qToLittleEndian<uint16_t>(24, bytes.data() + 28);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Bgr p = topDownPixels[y * width + x];
            char* at = bytes.data() + 54 + (height - 1 - y) * stride + x * 3;
            at[0] = char(p.b);
            at[1] = char(p.g);
            at[2] = char(p.r);
        }
    return bytes;
}

QString textProgram(const QString& save, int playCount = 0)
{
    return QStringLiteral(
        "<Program check=\"1\" type=\"0\" name=\"t\" summary=\"\" borderType=\"0\" "
        "borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"%1\">\r\n"
        "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
        "<arabic>0</arabic>\r\n<yOffset>5</yOffset>\r\n<horAlign>0</horAlign>\r\n"
        "<verAlign>1</verAlign>\r\n<charSpacing>1</charSpacing>\r\n<save>%2</save>\r\n"
        "</Program>\r\n")
        .arg(playCount)
        .arg(save.toHtmlEscaped());
}

QString imageProgram(const QString& fileName, int delBgColor)
{
    return QStringLiteral(
        "<Program check=\"1\" type=\"1\" name=\"i\" summary=\"\" borderType=\"0\" "
        "borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\">\r\n"
        "<action>0</action>\r\n<speed>1</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
        "<delBgColor>%1</delBgColor>\r\n<fileName>%2</fileName>\r\n</Program>\r\n")
        .arg(delBgColor)
        .arg(fileName.toHtmlEscaped());
}

QString timeProgram()
{
    return QStringLiteral("<Program check=\"1\" type=\"3\" name=\"c\" summary=\"\" borderType=\"0\" "
                          "borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\"/>\r\n");
}

QString redArialSave(const QString& text)
{
    return QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                          "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 ")
        + text + QStringLiteral("\\par\r\n}\r\n");
}

uint32_t u32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}
int word(const QByteArray& bytes, int at)
{
    return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8;
}

class CliRenderTest : public tessel::test::CliTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(copyTool());
        // Brightness 33 %, charge icon "O", no blank columns, a 14 × 56 screen.
        write(QStringLiteral("app.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n"
            "<App lan=\"0\" lanID=\"1033\" bat=\"0\" bright=\"2\"/>\r\n"
            "<Comm hostID=\"0\" commType=\"0\" commIndex=\"0\"/>\r\n"
            "<SoftwareOption beforeClose=\"0\" afterExcute=\"0\" trimSpace=\"1\" update=\"0\"/>\r\n"
            "<ScreenPara name=\"K9057R\" id=\"0\" yIndex=\"1\" rgb=\"0\" oe=\"0\" polarity=\"0\" "
            "xIndex=\"1\"/>\r\n"
            "</Records>\r\n");
    }

    QString programFile(const QString& programs)
    {
        return write(QStringLiteral("list.led"),
            (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n") + programs
                + QStringLiteral("</Records>\r\n"))
                .toUtf8());
    }
};

} // namespace

TEST_F(CliRenderTest, RenderWritesA32BitBmpOfTheScreen)
{
    const QString list = programFile(textProgram(redArialSave(QString())) + textProgram(redArialSave("Hi")));
    // An empty text on the screen of "app.xml": black, 56 × 14.
    ASSERT_EQ(
        run({ QStringLiteral("render"), list, QStringLiteral("-o"), QStringLiteral("empty.bmp") }).status, 0);
    const QByteArray empty = read(QStringLiteral("empty.bmp"));
    ASSERT_EQ(empty.size(), 54 + 56 * 14 * 4);
    EXPECT_EQ(empty.left(2), "BM");
    EXPECT_EQ(u32(empty, 18), 56u);
    EXPECT_EQ(u32(empty, 22), 14u);
    EXPECT_EQ(word(empty, 28), 32);
    for (int i = 54; i < empty.size(); i += 4)
        ASSERT_EQ(empty.mid(i, 3), QByteArray(3, '\0'));

    const CliRun hi = run({ QStringLiteral("render"), list, QStringLiteral("-p"), QStringLiteral("2"),
        QStringLiteral("--screen"), QStringLiteral("16x64"), QStringLiteral("-o"),
        QStringLiteral("hi.bmp") });
    ASSERT_EQ(hi.status, 0) << hi.err.toStdString();
    const QByteArray picture = read(QStringLiteral("hi.bmp"));
    ASSERT_GT(picture.size(), 54);
    EXPECT_EQ(u32(picture, 22), 16u);
    const uint32_t width = u32(picture, 18);
    EXPECT_GT(width, 4u);
    EXPECT_LT(width, 64u);
    EXPECT_EQ(picture.size(), qsizetype(54 + width * 16 * 4));
    EXPECT_TRUE(picture.mid(54).contains(QByteArray("\x00\x00\xFF", 3))) << "no red text drawn";
}

TEST_F(CliRenderTest, RenderOfAPictureKeepsItsPixels)
{
    const QString picture = write(QStringLiteral("p.bmp"),
        bmp24(
            3, 2, { { 1, 2, 3 }, { 0, 0, 255 }, { 9, 9, 9 }, { 255, 255, 255 }, { 0, 0, 0 }, { 4, 5, 6 } }));
    const QString list = programFile(imageProgram(picture, 0) + timeProgram());
    ASSERT_EQ(
        run({ QStringLiteral("render"), list, QStringLiteral("-o"), QStringLiteral("out.bmp") }).status, 0);
    const QByteArray out = read(QStringLiteral("out.bmp"));
    ASSERT_EQ(out.size(), 54 + 3 * 2 * 4);
    // Bottom row first.
    EXPECT_EQ(out.mid(54),
        QByteArray(
            "\xFF\xFF\xFF\xFF\0\0\0\xFF\x04\x05\x06\xFF\x01\x02\x03\xFF\0\0\xFF\xFF\x09\x09\x09\xFF", 24));

    const CliRun time = run({ QStringLiteral("render"), list, QStringLiteral("-p"), QStringLiteral("2"),
        QStringLiteral("-o"), QStringLiteral("t.bmp") });
    EXPECT_EQ(time.status, 1);
    EXPECT_TRUE(time.err.contains("type 3")) << time.err.toStdString();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("t.bmp"))));
}

TEST_F(CliRenderTest, ImageIsWhatTheBadgeReceives)
{
    // Row 0: red at columns 0 and 7; row 1: white at column 3.
    std::vector<Bgr> pixels(16, Bgr { 0, 0, 0 });
    pixels[0] = pixels[7] = { 0, 0, 255 };
    pixels[11] = { 255, 255, 255 };
    const QString picture = write(QStringLiteral("p.bmp"), bmp24(8, 2, pixels));
    const QString list = programFile(imageProgram(picture, 0) + timeProgram());
    ASSERT_EQ(run({ QStringLiteral("image"), list, QStringLiteral("--screen"), QStringLiteral("2x8"),
                      QStringLiteral("-o"), QStringLiteral("one.bin") })
                  .status,
        0);
    const QByteArray header("\x01\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x03", 16);
    EXPECT_EQ(read(QStringLiteral("one.bin")),
        QByteArray("\x01\x01\x00\x02\x00\x00\x00\x00", 8) + header + QByteArray("\x81\x10", 2));

    ASSERT_EQ(run({ QStringLiteral("image"), list, QStringLiteral("--screen"), QStringLiteral("2x8"),
                      QStringLiteral("--planes"), QStringLiteral("1"), QStringLiteral("-o"),
                      QStringLiteral("two.bin") })
                  .status,
        0);
    EXPECT_EQ(read(QStringLiteral("two.bin")).mid(24), QByteArray("\x81\x10\x00\x10", 4));
}

TEST_F(CliRenderTest, ImageOfATextOnTheDefaultScreen)
{
    const QString list = programFile(textProgram(redArialSave(QStringLiteral("Hello badge")), 255));
    ASSERT_EQ(
        run({ QStringLiteral("image"), list, QStringLiteral("-o"), QStringLiteral("text.bin") }).status, 0);
    const QByteArray image = read(QStringLiteral("text.bin"));
    ASSERT_GE(image.size(), 24);
    EXPECT_EQ(image.left(8), QByteArray("\x01\x01\x00\x02\x00\x00\x00\x00", 8));
    EXPECT_EQ(uint8_t(image[8 + 4]), 0); // play count 255 + 1 in 8 bits
    int sum = 0;
    for (int i = 8; i < 23; ++i)
        sum += uint8_t(image[i]);
    EXPECT_EQ(uint8_t(image[23]), sum % 256);
    // 14 rows × 7 bytes per frame on the 56-column screen of "app.xml".
    const int frames = word(image, 18);
    EXPECT_GE(frames, 1);
    EXPECT_EQ(image.size(), 8 + 16 + frames * 98);
}

TEST_F(CliRenderTest, NothingToSendIsAFailure)
{
    const QString list = programFile(timeProgram());
    const CliRun nothing
        = run({ QStringLiteral("image"), list, QStringLiteral("-o"), QStringLiteral("x.bin") });
    EXPECT_EQ(nothing.status, 1);
    EXPECT_FALSE(nothing.err.isEmpty());
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.bin"))));
    EXPECT_EQ(run({ QStringLiteral("image"), file(QStringLiteral("none.led")), QStringLiteral("-o"),
                      QStringLiteral("x.bin") })
                  .status,
        1);
}

TEST_F(CliRenderTest, BadUsage)
{
    const QString list = programFile(textProgram(redArialSave("a")) + timeProgram());
    const QString o = QStringLiteral("-o");
    const QString out = QStringLiteral("out.bin");
    const QList<QStringList> bad {
        { "render", list },
        { "render", list, o, out, "-p", "0" },
        { "render", list, o, out, "-p", "3" },
        { "render", list, o, out, "-p", "x" },
        { "render", list, o, out, "--planes", "1" },
        { "render", list, o, out, "--screen", "0x48" },
        { "render", list, o, out, "--screen", "12x2048" },
        { "render", list, o, out, "--screen", "256x48" },
        { "render", list, o, out, "--screen", "12" },
        { "image", list, o, out, "--planes", "3" },
        { "image", list, o, out, "--planes", "-1" },
        { "image", list, o, out, "-p", "1" },
        { "image", list, list, o, out },
        { "image", list, o },
        { "image", list, o, out, "--bogus" },
    };
    for (const QStringList& args : bad) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(u' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(file(out)));
}

// Installed in <prefix>/bin: the settings come from the user's configuration
// folder and the icon library from <prefix>/share/tessel; nothing is written
// beside the program.
TEST_F(CliRenderTest, AnInstalledToolFindsItsSettingsAndData)
{
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("prefix/bin")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("xdg-config/tessel")));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("prefix/share/tessel/image/14")));
    ASSERT_TRUE(
        QFile::rename(file(QStringLiteral("app.xml")), file(QStringLiteral("xdg-config/tessel/app.xml"))));
    ASSERT_TRUE(QFile::rename(tool, file(QStringLiteral("prefix/bin/tessel-cli"))));
    tool = file(QStringLiteral("prefix/bin/tessel-cli"));
    write(QStringLiteral("prefix/share/tessel/image/14/[B000].bmp"),
        bmp24(14, 14, std::vector<Bgr>(14 * 14, Bgr { 255, 255, 255 })));

    const QString list = programFile(textProgram(redArialSave(QStringLiteral("[B000]"))));
    const CliRun result
        = run({ QStringLiteral("render"), list, QStringLiteral("-o"), QStringLiteral("icon.bmp") });
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QByteArray picture = read(QStringLiteral("icon.bmp"));
    ASSERT_GT(picture.size(), 54);
    EXPECT_EQ(u32(picture, 22), 14u); // the screen of that "app.xml"
    EXPECT_TRUE(picture.mid(54).contains(QByteArray("\xFF\xFF\xFF", 3))) << "the icon was not drawn";
    EXPECT_EQ(QDir(file(QStringLiteral("prefix/bin"))).entryList(QDir::Files), QStringList { "tessel-cli" });
}
