#include "render/LedView.h"

#include "render/ProgramEncoder.h"

#include <algorithm>
#include <vector>

namespace tessel {

namespace {

constexpr QRgb UnlitDot = qRgb(44, 44, 44);
constexpr QRgb PageMark = qRgb(70, 130, 200);
// Each axis of an LED's cell is sampled this many times for the dot's edge.
constexpr int EdgeSamples = 4;

bool isLit(QRgb pixel)
{
    return qRed(pixel) >= LitThreshold || qGreen(pixel) >= LitThreshold || qBlue(pixel) >= LitThreshold;
}

// The gap between two dots: a quarter of the cell, at least one pixel.
int gapOf(int zoom)
{
    return std::max(1, zoom / 4);
}

// How much of each pixel of one cell the round dot covers (0-255), row by
// row; the dot fills the cell's top-left square and leaves the gap right and
// below.
std::vector<uint8_t> dotCoverage(int zoom)
{
    const int diameter = zoom - gapOf(zoom);
    const double radius = diameter / 2.0;
    std::vector<uint8_t> coverage(size_t(zoom) * zoom, 0);
    for (int y = 0; y < diameter; ++y)
        for (int x = 0; x < diameter; ++x) {
            int inside = 0;
            for (int sy = 0; sy < EdgeSamples; ++sy)
                for (int sx = 0; sx < EdgeSamples; ++sx) {
                    const double dx = x + (sx + 0.5) / EdgeSamples - radius;
                    const double dy = y + (sy + 0.5) / EdgeSamples - radius;
                    inside += dx * dx + dy * dy <= radius * radius;
                }
            coverage[size_t(y) * zoom + x] = uint8_t(inside * 255 / (EdgeSamples * EdgeSamples));
        }
    return coverage;
}

QRgb shade(QRgb colour, int coverage)
{
    return qRgb(qRed(colour) * coverage / 255, qGreen(colour) * coverage / 255, qBlue(colour) * coverage / 255);
}

} // namespace

int ClampPreviewZoom(int zoom)
{
    return std::clamp(zoom, MinPreviewZoom, MaxPreviewZoom);
}

QSize LedViewSize(const QSize& picture, int zoom)
{
    const int z = ClampPreviewZoom(zoom);
    return QSize(picture.width() * z, picture.height() * z);
}

QImage DrawLedView(const QImage& picture, int zoom, int pageColumns, const QRect& area)
{
    const int z = ClampPreviewZoom(zoom);
    const QRect target = area.intersected(QRect(QPoint(0, 0), LedViewSize(picture.size(), z)));
    if (picture.isNull() || target.isEmpty())
        return {};
    const QImage source = picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
        ? picture
        : picture.convertToFormat(QImage::Format_RGB32);
    QImage view(target.size(), QImage::Format_RGB32);
    view.fill(Qt::black);
    const bool dots = z >= DotPreviewZoom;
    const std::vector<uint8_t> coverage = dots ? dotCoverage(z) : std::vector<uint8_t>();
    for (int vy = target.top(); vy <= target.bottom(); ++vy) {
        const int row = vy / z;
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(view.scanLine(vy - target.top()));
        const uint8_t* cellCoverage = dots ? coverage.data() + size_t(vy % z) * z : nullptr;
        // Column and position inside its cell advance together, without a
        // division per pixel: the view is redrawn on every keystroke.
        int column = target.left() / z;
        int cellX = target.left() % z;
        for (int vx = 0; vx < target.width(); ++vx) {
            if (!dots) {
                out[vx] = in[column] | 0xFF000000;
            } else if (pageColumns > 0 && cellX == z - 1 && (column + 1) % pageColumns == 0
                && column + 1 < source.width()) {
                // The page mark sits in the last gap pixel before a page's first column.
                out[vx] = PageMark;
            } else if (const int cover = cellCoverage[cellX]; cover > 0) {
                out[vx] = shade(isLit(in[column]) ? in[column] : UnlitDot, cover);
            }
            if (++cellX == z) {
                cellX = 0;
                ++column;
            }
        }
    }
    return view;
}

QImage DrawLedView(const QImage& picture, int zoom, int pageColumns)
{
    return DrawLedView(picture, zoom, pageColumns, QRect(QPoint(0, 0), LedViewSize(picture.size(), zoom)));
}

} // namespace tessel
