// Inputs that could hold the tool for ever or fill its memory: a standard
// input without end, a FIFO in place of the settings or a language file.
#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

using tessel::test::CliRun;

namespace {

class CliHostileInputTest : public tessel::test::CliTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(copyTool()); }
};

} // namespace

TEST_F(CliHostileInputTest, StandardInputIsReadUpToOneMebibyte)
{
    const QByteArray limit(1024 * 1024, 'a');
    const CliRun tooMuch = run({ QStringLiteral("say"), QStringLiteral("-"), QStringLiteral("-o"),
                                   QStringLiteral("x.led") },
        limit + "a");
    EXPECT_EQ(tooMuch.status, 1);
    EXPECT_TRUE(tooMuch.err.contains("more than 1 MiB")) << tooMuch.err.constData();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("x.led"))));
}

TEST_F(CliHostileInputTest, AFifoInPlaceOfTheSettingsOrALanguageFileIsSkipped)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(file(QStringLiteral("app.xml"))).constData(), 0600), 0);
    const QString language = file(QStringLiteral("language"));
    ASSERT_TRUE(QDir().mkpath(language));
    for (const QString& name : QDir(QStringLiteral(TESSEL_BIN_DIR "/language")).entryList(QDir::Files))
        ASSERT_EQ(::mkfifo(QFile::encodeName(language + u'/' + name).constData(), 0600), 0);
    // Returns at once rather than waiting for a writer.
    const CliRun said
        = run({ QStringLiteral("say"), QStringLiteral("Hi"), QStringLiteral("-o"), QStringLiteral("x.led") });
    EXPECT_EQ(said.status, 0) << said.err.constData();
    EXPECT_TRUE(QFile::exists(file(QStringLiteral("x.led"))));
    EXPECT_TRUE(said.err.contains("app.xml' cannot be read")) << said.err.constData();
    EXPECT_TRUE(said.err.contains(".ini' is not a regular file")) << said.err.constData();
}

// 100 000 characters would make thousands of blank frames: the text ends
// after its last character that fits in 10000 columns.
TEST_F(CliHostileInputTest, ATextWiderThanTheCanvasIsCutAfterItsLastFittingCharacter)
{
    const CliRun said = run({ QStringLiteral("say"), QStringLiteral("-"), QStringLiteral("-o"),
                                QStringLiteral("long.led") },
        QByteArray(100000, 'W'));
    ASSERT_EQ(said.status, 0) << said.err.constData();
    EXPECT_TRUE(said.err.contains("the rest is cut off")) << said.err.constData();
    ASSERT_EQ(run({ QStringLiteral("image"), QStringLiteral("long.led"), QStringLiteral("-o"),
                      QStringLiteral("long.bin") })
                  .status,
        0);
    // The default 12 × 48 screen: 72 bytes a frame after 24 bytes of headers,
    // and no more frames than 10000 columns fill.
    const qsizetype frames = (read(QStringLiteral("long.bin")).size() - 24) / 72;
    EXPECT_GT(frames, (10000 - 48) / 48);
    EXPECT_LE(frames, (10000 + 47) / 48);

    const CliRun fits = run({ QStringLiteral("say"), QString(100, u'W'), QStringLiteral("-o"),
                                QStringLiteral("short.led") });
    EXPECT_EQ(fits.status, 0);
    EXPECT_FALSE(fits.err.contains("the rest is cut off"));
}

// A picture wider than 65535 screens: the program is named, where a skipped
// program would leave only "nothing to send".
TEST_F(CliHostileInputTest, AProgramOfMoreThan65535FramesIsNamed)
{
    // A 24-bit BMP of one white row.
    constexpr int Width = 65536;
    QByteArray bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    qToLittleEndian<uint32_t>(54 + Width * 3, bmp.data() + 2);
    qToLittleEndian<uint32_t>(54, bmp.data() + 10);
    qToLittleEndian<uint32_t>(40, bmp.data() + 14);
    qToLittleEndian<uint32_t>(Width, bmp.data() + 18);
    qToLittleEndian<uint32_t>(1, bmp.data() + 22);
    qToLittleEndian<uint16_t>(1, bmp.data() + 26);
    qToLittleEndian<uint16_t>(24, bmp.data() + 28);
    write(QStringLiteral("wide.bmp"), bmp + QByteArray(Width * 3, '\xFF'));
    write(QStringLiteral("wide.led"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n"
        "<Program check=\"1\" type=\"1\" name=\"banner\" summary=\"\" borderType=\"0\" borderAspect=\"0\" "
        "borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\">\r\n<action>0</action>\r\n<speed>1</speed>\r\n"
        "<stay>0</stay>\r\n<exitType>0</exitType>\r\n<delBgColor>0</delBgColor>\r\n<fileName>"
            + file(QStringLiteral("wide.bmp")).toUtf8() + "</fileName>\r\n</Program>\r\n</Records>\r\n");
    const CliRun image = run({ QStringLiteral("image"), QStringLiteral("wide.led"), QStringLiteral("--screen"),
        QStringLiteral("1x1"), QStringLiteral("-o"), QStringLiteral("wide.bin") });
    EXPECT_EQ(image.status, 1);
    EXPECT_TRUE(image.err.contains("program 1 ('banner') needs 65536 frames")) << image.err.constData();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("wide.bin"))));
}
