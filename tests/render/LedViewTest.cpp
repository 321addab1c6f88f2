#include "render/LedView.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A 12-row strip: column 0 lit red, column 1 a dark red the badge leaves
// unlit, the rest black.
QImage strip(int columns)
{
    QImage picture(columns, 12, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int y = 0; y < 12; ++y) {
        picture.setPixel(0, y, qRgb(255, 0, 0));
        picture.setPixel(1, y, qRgb(200, 0, 0));
    }
    return picture;
}

} // namespace

TEST(LedView, ZoomOneIsThePictureAndZoomTwoSquareBlocks)
{
    const QImage picture = strip(48);
    EXPECT_EQ(DrawLedView(picture, 1, 48), picture);
    const QImage two = DrawLedView(picture, 2, 48);
    EXPECT_EQ(two.size(), QSize(96, 24));
    EXPECT_EQ(two.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(two.pixel(3, 3), qRgb(200, 0, 0)); // as drawn, without dots
    EXPECT_EQ(DrawLedView(picture, 40, 48).size(), QSize(48 * 16, 12 * 16)); // the zoom stops at 16
    EXPECT_EQ(DrawLedView(picture, 0, 48).size(), QSize(48, 12));
}

TEST(LedView, FromZoomThreeLedsAreRoundDotsWithAGapAndUnlitOnesAreDim)
{
    const QImage view = DrawLedView(strip(48), 8, 48);
    ASSERT_EQ(view.size(), QSize(384, 96));
    // Centre of a lit dot, its corner outside the circle, and the gap.
    EXPECT_EQ(view.pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(view.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(7, 3), qRgb(0, 0, 0));
    // A dark red and a black LED are both unlit: the same dim dot.
    const QRgb unlit = view.pixel(8 + 3, 3);
    EXPECT_EQ(unlit, view.pixel(16 + 3, 3));
    EXPECT_GT(qRed(unlit), 0);
    EXPECT_LT(qRed(unlit), 100);
    EXPECT_EQ(qRed(unlit), qGreen(unlit));
}

TEST(LedView, PageMarksSitInTheGapBeforeEachPageButTheFirst)
{
    const QImage view = DrawLedView(strip(100), 4, 48);
    const QRgb atFirstPage = view.pixel(47 * 4 + 3, 0);
    const QRgb atSecondPage = view.pixel(95 * 4 + 3, 0);
    const QRgb ordinaryGap = view.pixel(46 * 4 + 3, 0);
    EXPECT_NE(atFirstPage, qRgb(0, 0, 0));
    EXPECT_EQ(atFirstPage, atSecondPage);
    EXPECT_EQ(ordinaryGap, qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(99 * 4 + 3, 0), qRgb(0, 0, 0)); // no mark after the last column
    EXPECT_EQ(DrawLedView(strip(100), 4, 0).pixel(47 * 4 + 3, 0), qRgb(0, 0, 0));
}

TEST(LedView, APartOfTheViewMatchesTheSameAreaOfTheWhole)
{
    const QImage picture = strip(100);
    const QImage whole = DrawLedView(picture, 7, 48);
    const QRect area(40, 10, 333, 50);
    EXPECT_EQ(DrawLedView(picture, 7, 48, area), whole.copy(area));
    // Areas beyond the view are clipped; none at all gives nothing.
    EXPECT_EQ(DrawLedView(picture, 7, 48, QRect(690, 0, 100, 10)).size(), QSize(10, 10));
    EXPECT_TRUE(DrawLedView(picture, 7, 48, QRect(800, 0, 10, 10)).isNull());
    EXPECT_TRUE(DrawLedView(QImage(), 7, 48).isNull());
}
