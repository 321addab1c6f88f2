#include "render/InkScan.h"

#include <algorithm>

namespace tessel {

namespace {

bool rowHasInk(const QImage& canvas, int row, int width)
{
    const auto* pixels = reinterpret_cast<const QRgb*>(canvas.constScanLine(row));
    return std::any_of(pixels, pixels + width, [](QRgb pixel) { return (pixel & 0x00FFFFFF) != 0; });
}

} // namespace

InkRows FindInkRows(const QImage& canvas, int width, int height)
{
    InkRows ink { height - 1, 0 };
    const int scanWidth = std::clamp(width, 0, canvas.width());
    const int scanHeight = std::min(height, canvas.height());
    if (scanWidth == 0)
        return ink;
    for (int row = 0; row < scanHeight; ++row)
        if (rowHasInk(canvas, row, scanWidth)) {
            ink.top = row;
            break;
        }
    for (int row = scanHeight - 1; row >= 0; --row)
        if (rowHasInk(canvas, row, scanWidth)) {
            ink.bottom = row;
            break;
        }
    return ink;
}

} // namespace tessel
