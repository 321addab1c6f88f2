#include "render/CharFont.h"

#include "RenderFixtures.h"

#include <QFontInfo>
#include <QGuiApplication>

using namespace tessel;
using namespace tessel::test;

TEST(CharFont, PixelHeightIsTwipsOverFifteenTruncated)
{
    EXPECT_EQ(FontForFormat(redArial(180)).pixelSize(), 12);
    EXPECT_EQ(FontForFormat(redArial(229)).pixelSize(), 15);
    // The tallest size the RTF reader takes (\fs3276) keeps its height.
    EXPECT_EQ(FontForFormat(redArial(32760)).pixelSize(), 2184);
    EXPECT_EQ(FontPixelHeight(1000000), MaxFontPixels);
    // Below one pixel: the platform's default size, not a one-pixel font.
    for (int twips : { 14, 0, -30 }) {
        const QFont font = FontForFormat(redArial(twips));
        EXPECT_EQ(font.pixelSize(), -1) << twips;
        EXPECT_EQ(font.pointSizeF(), QGuiApplication::font().pointSizeF()) << twips;
    }
    // setStyleHint resets the strategy: it must survive the font's making.
    EXPECT_TRUE(FontForFormat(redArial()).styleStrategy() & QFont::NoAntialias);
}

TEST(CharFont, WindowsFacesMapToInstalledFonts)
{
    EXPECT_EQ(QFontInfo(FontForFormat(redArial())).family(), QStringLiteral("Liberation Sans"));
    CharFormat chinese = redArial();
    for (const char16_t* face : { u"宋体", u"SimSun", u"微软雅黑", u"MS Gothic", u"Gulim" }) {
        chinese.face = QString::fromUtf16(face);
        EXPECT_EQ(QFontInfo(FontForFormat(chinese)).family(), QStringLiteral("WenQuanYi Zen Hei"))
            << chinese.face.toStdString();
    }
    chinese.face = QStringLiteral("Times New Roman");
    EXPECT_EQ(QFontInfo(FontForFormat(chinese)).family(), QStringLiteral("Liberation Serif"));
}
