// tessel-cli play, run as a user runs it: the GIF of a program file's
// playback, frame by frame.
#include "CliTestSupport.h"
#include "support/GifFrames.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

using tessel::test::CliRun;

namespace {

constexpr QRgb Lit = 0xFFFF0000;

using tessel::test::GifFrame;
using tessel::test::readGif;

// The columns with a lit LED, and whether every LED is either dark or lit red.
std::vector<int> litColumns(const QImage& screen)
{
    std::vector<int> columns;
    for (int x = 0; x < screen.width(); ++x)
        for (int y = 0; y < screen.height(); ++y)
            if (screen.pixel(x, y) != 0xFF000000) {
                EXPECT_EQ(screen.pixel(x, y), Lit) << x << "," << y;
                columns.push_back(x);
                break;
            }
    return columns;
}

QString imageProgram(const QString& fileName, int action, int check = 1)
{
    return QStringLiteral(
        "<Program check=\"%3\" type=\"1\" name=\"i\" summary=\"\" borderType=\"0\" "
        "borderAspect=\"0\" borderSpeed=\"0\" borderColor=\"0\" playCount=\"0\">\r\n"
        "<action>%2</action>\r\n<speed>0</speed>\r\n<stay>0</stay>\r\n<exitType>0</exitType>\r\n"
        "<delBgColor>16777215</delBgColor>\r\n<fileName>%1</fileName>\r\n</Program>\r\n")
        .arg(fileName.toHtmlEscaped())
        .arg(action)
        .arg(check);
}

class CliPlayTest : public tessel::test::CliTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(copyTool());
        // No blank columns behind a scrolling picture.
        write(QStringLiteral("app.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n"
            "<App lan=\"0\" lanID=\"1033\" bat=\"0\" bright=\"0\"/>\r\n"
            "<SoftwareOption beforeClose=\"0\" afterExcute=\"0\" trimSpace=\"1\" update=\"0\"/>\r\n"
            "</Records>\r\n");
        // 100 columns, lit only at column 97.
        QImage picture(100, 12, QImage::Format_RGB32);
        picture.fill(Qt::black);
        for (int y = 0; y < 12; ++y)
            picture.setPixel(97, y, Lit);
        ASSERT_TRUE(picture.save(file(QStringLiteral("column.png"))));
    }

    QString programFile(const QString& programs)
    {
        return write(QStringLiteral("list.led"),
            (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Records>\r\n") + programs
                + QStringLiteral("</Records>\r\n"))
                .toUtf8());
    }

    QStringList play(const QString& list, const QStringList& more = {})
    {
        return QStringList { QStringLiteral("play"), list, QStringLiteral("--screen"),
            QStringLiteral("12x48") }
        + more;
    }
};

} // namespace

TEST_F(CliPlayTest, TheGifAtZoomOneIsThePlayback)
{
    const QString list = programFile(imageProgram(file(QStringLiteral("column.png")), 2));
    const CliRun played = run(play(list, { QStringLiteral("-o"), QStringLiteral("out.gif") }));
    ASSERT_EQ(played.status, 0) << played.err.toStdString();
    const std::vector<GifFrame> frames = readGif(read(QStringLiteral("out.gif")));
    // Scrolling left at speed 1 (60 ms a column) over three frames of 48:
    // dark until the column enters at step 98, then one column a step to
    // column 2, the last frame staying (column 1) and a dark step.
    ASSERT_EQ(frames.size(), 1u + 46 + 1 + 1);
    EXPECT_EQ(frames[0].picture.size(), QSize(48, 12));
    EXPECT_TRUE(litColumns(frames[0].picture).empty());
    EXPECT_EQ(frames[0].delayMs, 98 * 60);
    for (int k = 98; k < 144; ++k) {
        const GifFrame& frame = frames[size_t(k - 97)];
        EXPECT_EQ(litColumns(frame.picture), std::vector<int>({ 145 - k })) << k;
        EXPECT_EQ(frame.delayMs, 60) << k;
    }
    EXPECT_EQ(litColumns(frames[47].picture), std::vector<int>({ 1 }));
    EXPECT_EQ(frames[47].delayMs, 1000);
    EXPECT_TRUE(litColumns(frames[48].picture).empty());
    EXPECT_EQ(frames[48].delayMs, 60);
}

TEST_F(CliPlayTest, StandardOutputZoomAndOneProgram)
{
    const QString column = file(QStringLiteral("column.png"));
    const QString list = programFile(imageProgram(column, 0) + imageProgram(column, 13, 0));
    ASSERT_EQ(run(play(list, { QStringLiteral("-o"), QStringLiteral("file.gif") })).status, 0);
    const CliRun piped = run(play(list, { QStringLiteral("-o"), QStringLiteral("-") }));
    ASSERT_EQ(piped.status, 0) << piped.err.toStdString();
    EXPECT_EQ(piped.out, read(QStringLiteral("file.gif")));
    EXPECT_TRUE(piped.err.isEmpty()) << piped.err.toStdString();

    const CliRun zoomed = run(play(
        list, { QStringLiteral("--zoom"), QStringLiteral("3"), QStringLiteral("-o"), QStringLiteral("-") }));
    ASSERT_EQ(zoomed.status, 0);
    const std::vector<GifFrame> big = readGif(zoomed.out);
    ASSERT_FALSE(big.empty());
    EXPECT_EQ(big[0].picture.size(), QSize(144, 36));

    // The unticked second program plays on its own: wiped in from the left.
    const CliRun second = run(play(list,
        { QStringLiteral("--program"), QStringLiteral("2"), QStringLiteral("-o"), QStringLiteral("-") }));
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_NE(second.out, piped.out);
    EXPECT_GT(readGif(second.out).size(), 2u);
}

TEST_F(CliPlayTest, BadUsageAndNothingToPlay)
{
    const QString list = programFile(imageProgram(file(QStringLiteral("column.png")), 0, 0));
    for (const QStringList& more : { QStringList { QStringLiteral("--zoom"), QStringLiteral("17") },
             QStringList { QStringLiteral("--program"), QStringLiteral("2") },
             QStringList { QStringLiteral("--planes"), QStringLiteral("3") }, QStringList() }) {
        const CliRun refused = run(play(list, more));
        EXPECT_EQ(refused.status, 2) << more.join(u' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }
    const CliRun nothing = run(play(list, { QStringLiteral("-o"), QStringLiteral("none.gif") }));
    EXPECT_EQ(nothing.status, 1);
    EXPECT_TRUE(nothing.err.contains("nothing to play")) << nothing.err.toStdString();
    EXPECT_FALSE(QFile::exists(file(QStringLiteral("none.gif"))));
}
