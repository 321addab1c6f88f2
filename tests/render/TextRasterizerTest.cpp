#include "render/TextRasterizer.h"

#include "RenderFixtures.h"

#include <QSet>

using namespace tessel;
using namespace tessel::test;

namespace {

// A 12-row badge with a library holding a white 12 × 12 icon [A000].
class RasterizerTest : public ::testing::Test {
protected:
    void SetUp() override { folder.writeIcon(12, QStringLiteral("[A000]"), filled(12, 12, White)); }

    QImage rasterize(const QString& text, const TextItem& item, const ScreenGeometry& g = geometry(12, 48))
    {
        return RasterizeText(g, item, richText(text), folder.exeDir());
    }

    // The left edges of the white icon blocks in row 0.
    static std::vector<int> iconStarts(const QImage& strip)
    {
        std::vector<int> starts;
        for (int x = 0; x < strip.width(); ++x)
            if (strip.pixel(x, 0) == White && (x == 0 || strip.pixel(x - 1, 0) != White))
                starts.push_back(x);
        return starts;
    }

    AppFolder folder;
};

} // namespace

TEST_F(RasterizerTest, EmptyTextHasNoStrip)
{
    EXPECT_TRUE(rasterize(QString(), plainText()).isNull());
    TextItem arabic = plainText();
    arabic.arabic = 1;
    EXPECT_TRUE(rasterize(QString(), arabic).isNull());
}

TEST_F(RasterizerTest, EveryPixelIsTextOrBackgroundColour)
{
    RichText rich = richText(QStringLiteral("Wg 8@"));
    rich.formats[1].textColor = Green;
    rich.formats[1].bold = true;
    rich.formats[2].italic = true;
    rich.formats[3].underline = true;
    rich.formats[3].hasBackground = true;
    rich.formats[3].backColor = 0xFF0000; // blue
    rich.formats[4].twips = 240;
    const QImage strip = RasterizeText(geometry(16, 64), plainText(), rich, folder.exeDir());
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.format(), QImage::Format_RGB32);
    const QSet<QRgb> allowed { Black, qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255) };
    QSet<QRgb> seen;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            seen.insert(strip.pixel(x, y));
    EXPECT_TRUE(allowed.contains(seen)) << "unexpected colours in the strip";
    EXPECT_TRUE(seen.contains(qRgb(255, 0, 0)) && seen.contains(qRgb(0, 255, 0)));
}

TEST_F(RasterizerTest, CharSpacingAddsOrCutsColumns)
{
    // A background colour fills each character's measured cell, which shows
    // where the clipping to the advance cuts.
    CharFormat format = redArial();
    format.hasBackground = true;
    format.backColor = 0xFF0000;
    const int a = advanceOf(u'a', format);
    const int b = advanceOf(u'b', format);
    auto strip = [&](uint8_t spacing) {
        return RasterizeText(
            geometry(12, 48), plainText(2, spacing), richText(QStringLiteral("ab"), format), folder.exeDir());
    };
    const int row = 6; // inside the character cells
    EXPECT_EQ(strip(1).width(), a + b);
    EXPECT_EQ(strip(1).pixel(a + b - 1, row), qRgb(0, 0, 255));

    const QImage wide = strip(3);
    ASSERT_EQ(wide.width(), a + b + 4);
    EXPECT_TRUE(columnIsBlack(wide, a));
    EXPECT_TRUE(columnIsBlack(wide, a + 1));
    EXPECT_TRUE(columnIsBlack(wide, a + b + 3));
    EXPECT_FALSE(columnIsBlack(wide, a + 2));

    const QImage tight = strip(0);
    ASSERT_EQ(tight.width(), a + b - 2);
    for (int x = 0; x < tight.width(); ++x)
        EXPECT_FALSE(columnIsBlack(tight, x)) << x;
}

TEST_F(RasterizerTest, PagingMovesWhatCrossesAScreenEdge)
{
    // Advances of 13: the fourth icon would cross column 48.
    const QString icons = QStringLiteral("[A000][A000][A000][A000]");
    const QImage paged = rasterize(icons, plainText(0, 2));
    EXPECT_EQ(paged.width(), 48 + 13);
    EXPECT_EQ(iconStarts(paged), (std::vector<int> { 0, 13, 26, 48 }));
    for (uint8_t action : { 2, 3 }) {
        const QImage running = rasterize(icons, plainText(action, 2));
        EXPECT_EQ(running.width(), 52);
        EXPECT_EQ(iconStarts(running), (std::vector<int> { 0, 13, 26, 39 }));
    }
}

TEST_F(RasterizerTest, HorizontalAlignmentPadsTheLastPage)
{
    const QString two = QStringLiteral("[A000][A000]"); // two advances of 15: 30 columns
    TextItem item = plainText(0, 4);
    item.horAlign = 1;
    QImage strip = rasterize(two, item);
    EXPECT_EQ(strip.width(), 39);
    EXPECT_EQ(iconStarts(strip), (std::vector<int> { 9, 24 }));
    item.horAlign = 2;
    strip = rasterize(two, item);
    EXPECT_EQ(strip.width(), 48);
    EXPECT_EQ(iconStarts(strip).front(), 18);

    item.action = 2; // scrolling texts are never padded
    EXPECT_EQ(rasterize(two, item).width(), 30);

    TextItem full = plainText(0, 1);
    full.horAlign = 2;
    EXPECT_EQ(rasterize(QStringLiteral("[A000][A000][A000][A000]"), full).width(), 48);
    EXPECT_EQ(rasterize(QString(8, u' ').replace(u' ', QStringLiteral("[A000]")), full).width(), 96);
}

TEST_F(RasterizerTest, VerticalOffsetAndAlignmentChooseTheBand)
{
    // Ink in icon rows 2-9, each row its own shade of red.
    QImage icon = filled(12, 12, Black);
    for (int y = 2; y < 10; ++y)
        for (int x = 0; x < 12; ++x)
            icon.setPixel(x, y, qRgb(230 + y, 0, 0));
    folder.writeIcon(12, QStringLiteral("[A001]"), icon);
    // The icon sits at canvas row (24 - 12) / 2 = 6: ink in canvas rows 8-15.
    auto firstRow = [&](uint8_t verAlign, uint8_t yOffset) {
        TextItem item = plainText();
        item.verAlign = verAlign;
        item.yOffset = yOffset;
        const QImage strip = rasterize(QStringLiteral("[A001]"), item);
        for (int y = 0; y < strip.height(); ++y)
            if (strip.pixel(0, y) != Black)
                return std::pair(y, qRed(strip.pixel(0, y)) - 230);
        return std::pair(-1, -1);
    };
    EXPECT_EQ(firstRow(0, 5), std::pair(0, 2)); // band starts at the first inked row
    EXPECT_EQ(firstRow(0, 6), std::pair(0, 3)); // one row lower: content moves up
    EXPECT_EQ(firstRow(0, 3), std::pair(2, 2));
    EXPECT_EQ(firstRow(1, 5), std::pair(2, 2)); // h = 7: R = 8 - (12 - 7) / 2
    EXPECT_EQ(firstRow(2, 5), std::pair(4, 2)); // R = 15 - 12 + 1
}

TEST_F(RasterizerTest, IconCodeDrawsTheLibraryBitmapCentred)
{
    QImage icon = filled(14, 14, Black);
    for (int i = 0; i < 14; ++i)
        icon.setPixel(i, i, qRgb(255, 255, 0));
    folder.writeIcon(14, QStringLiteral("[B123]"), icon);
    const QImage strip = rasterize(QStringLiteral("[B123]"), plainText(), geometry(14, 42));
    ASSERT_EQ(strip.size(), QSize(14, 14));
    EXPECT_EQ(strip, icon.convertToFormat(QImage::Format_RGB32));
}

TEST_F(RasterizerTest, IconOfAnotherSizeIsScaledNearestNeighbour)
{
    QImage small = filled(6, 6, Black);
    small.setPixel(0, 0, White);
    folder.writeIcon(12, QStringLiteral("[A002]"), small);
    TextItem item = plainText();
    item.verAlign = 0;
    const QImage strip = rasterize(QStringLiteral("[A002]"), item);
    ASSERT_EQ(strip.width(), 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(strip.pixel(x, y), x < 2 && y < 2 ? White : Black) << x << "," << y;
}

TEST_F(RasterizerTest, MissingOrBrokenIconStillAdvances)
{
    QDir().mkpath(folder.path(QStringLiteral("image/12")));
    QFile broken(folder.path(QStringLiteral("image/12/[A003].bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a bitmap");
    broken.close();
    for (const char* text : { "[A099][A000]", "[A003][A000]" }) {
        const QImage strip = rasterize(QString::fromLatin1(text), plainText());
        EXPECT_EQ(strip.width(), 24);
        EXPECT_EQ(iconStarts(strip), (std::vector<int> { 12 })) << text;
    }
}

TEST_F(RasterizerTest, MalformedCodesAreCharacters)
{
    for (const char* code : { "[D123]", "[A12]", "[A1x3]" }) {
        const QString text = QString::fromLatin1(code);
        int width = 0;
        for (QChar c : text)
            width += advanceOf(c);
        const QImage strip = rasterize(text, plainText(2));
        EXPECT_EQ(strip.width(), width) << code;
        EXPECT_EQ(iconStarts(strip), std::vector<int> {}) << code;
    }
}

TEST_F(RasterizerTest, ArabicModeDrawsTheWholeTextInTheFirstFormat)
{
    RichText rich = richText(QStringLiteral("[A000]ab"));
    for (std::size_t i = 1; i < rich.formats.size(); ++i)
        rich.formats[i].textColor = Green;
    TextItem item = plainText(0, 3);
    item.arabic = 1;
    const QImage strip = RasterizeText(geometry(12, 48), item, rich, folder.exeDir());
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.width(), QFontMetrics(FontForFormat(redArial())).horizontalAdvance(rich.text));
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            EXPECT_TRUE(strip.pixel(x, y) == Black || strip.pixel(x, y) == qRgb(255, 0, 0));

    const RichText arabic = richText(QString::fromUtf16(u"مرحبا بكم"));
    EXPECT_FALSE(RasterizeText(geometry(12, 48), item, arabic, folder.exeDir()).isNull());
}

TEST_F(RasterizerTest, ArabicModeMeasuresTabsAndBreaksAsCharacters)
{
    TextItem whole = plainText(2);
    whole.arabic = 1;
    // A tab is not widened to a tab stop, a paragraph break is not dropped.
    const int l = advanceOf(u'l');
    const QImage mixed = rasterize(QStringLiteral("l\tl\rl"), whole);
    EXPECT_EQ(mixed.width(), 3 * l + advanceOf(u'\t') + advanceOf(u'\r'));
    // The runs on either side of a tab are drawn where they are measured.
    EXPECT_FALSE(
        columnIsBlack(mixed, l + advanceOf(u'\t')) && columnIsBlack(mixed, l + advanceOf(u'\t') + 1));
    const QImage breakOnly = rasterize(QStringLiteral("\r"), whole);
    ASSERT_FALSE(breakOnly.isNull());
    EXPECT_EQ(breakOnly.width(), rasterize(QStringLiteral("\r"), plainText(2)).width());
}

TEST_F(RasterizerTest, SpacesOnlyGiveABlackStrip)
{
    const QImage strip = rasterize(QStringLiteral("   "), plainText(2));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.width(), 3 * advanceOf(u' '));
    EXPECT_EQ(strip.height(), 12);
    for (int x = 0; x < strip.width(); ++x)
        EXPECT_TRUE(columnIsBlack(strip, x));
}

TEST_F(RasterizerTest, ColumnsBeyondTheCanvasCountAsInk)
{
    // A thin line in icon row 5; 900 icons run to column 10800.
    QImage line = filled(12, 12, Black);
    for (int x = 0; x < 12; ++x)
        line.setPixel(x, 5, White);
    folder.writeIcon(12, QStringLiteral("[A004]"), line);
    QString text;
    for (int i = 0; i < 900; ++i)
        text += QStringLiteral("[A004]");
    TextItem item = plainText(2);
    item.verAlign = 0;
    const QImage strip = rasterize(text, item);
    ASSERT_EQ(strip.width(), 10800);
    // Every row has ink beyond the canvas: the band starts at canvas row 0,
    // and the line (icon row 5, canvas row 6 + 5) is its row 11.
    EXPECT_EQ(strip.pixel(0, 0), Black);
    EXPECT_EQ(strip.pixel(0, 11), White);
    EXPECT_EQ(strip.pixel(CanvasColumns - 1, 11), White);

    // Bottom alignment: the band is the canvas's last 12 rows, below the line.
    item.verAlign = 2;
    EXPECT_TRUE(columnIsBlack(rasterize(text, item), 0));
    EXPECT_TRUE(columnIsBlack(strip, CanvasColumns));
    EXPECT_TRUE(columnIsBlack(strip, 10799));
}

TEST_F(RasterizerTest, ContentWidthCountsTheWholeText)
{
    QString text;
    for (int i = 0; i < 300; ++i)
        text += QStringLiteral("[A000]");
    // 300 × (12 + 254) columns, far beyond the canvas.
    const QImage strip = rasterize(text, plainText(2, 255));
    ASSERT_EQ(strip.width(), 79800);
    EXPECT_FALSE(columnIsBlack(strip, 0));
    EXPECT_TRUE(columnIsBlack(strip, 79799));
    // A strip no send could carry is not made.
    QString longer;
    for (int i = 0; i < 120; ++i)
        longer += text;
    EXPECT_TRUE(rasterize(longer, plainText(2, 255), geometry(12, 48)).isNull());
}

TEST_F(RasterizerTest, ScreenWithoutColumnsOrRowsDoesNotFail)
{
    // Without columns every piece pages back to the pen's page start: only
    // the last one counts.
    EXPECT_EQ(rasterize(QStringLiteral("[A000]x"), plainText(), geometry(12, 0)).width(), advanceOf(u'x'));
    EXPECT_TRUE(rasterize(QStringLiteral("[A000]"), plainText(), geometry(0, 48)).isNull());
    // 128 rows: the 8-bit canvas height wraps to 0 and nothing is drawn.
    const QImage tall = rasterize(QStringLiteral("[A000]"), plainText(), geometry(128, 48));
    ASSERT_EQ(tall.size(), QSize(12, 128));
    EXPECT_TRUE(columnIsBlack(tall, 0));
}

TEST_F(RasterizerTest, FittingLengthEndsAtTheLastCharacterWithinTheCanvas)
{
    const ScreenGeometry g = geometry(12, 48);
    // Icons of 12 columns, paged on a 48-column screen: 833 fit (9996 columns).
    QString icons;
    for (int i = 0; i < 900; ++i)
        icons += QStringLiteral("[A000]");
    TextItem item = plainText(0);
    EXPECT_EQ(FittingLength(g, item, richText(icons)), 833 * 6);
    EXPECT_EQ(FittingLength(g, item, richText(icons.left(60))), 60);
    EXPECT_LE(rasterize(icons.left(833 * 6), item).width(), CanvasColumns);

    // The whole text in one piece: the longest prefix that fits.
    item.arabic = 1;
    const QString text(5000, u'W');
    const qsizetype fitting = FittingLength(g, item, richText(text));
    ASSERT_GT(fitting, 0);
    ASSERT_LT(fitting, text.size());
    EXPECT_LE(rasterize(text.left(fitting), item).width(), CanvasColumns);
    EXPECT_GT(rasterize(text.left(fitting + 1), item).width(), CanvasColumns);
}
