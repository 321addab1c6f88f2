#include "render/LedFrame.h"

namespace tessel {

namespace {

// Where each plane's LED sits in a QRgb: red, green, blue.
constexpr QRgb PlaneColour[] = { 0xFF0000, 0x00FF00, 0x0000FF };

} // namespace

QImage DarkScreen(const ScreenGeometry& g)
{
    QImage screen(g.columns, g.rows, QImage::Format_RGB32);
    screen.fill(Qt::black);
    return screen;
}

QImage DecodeFrame(const ScreenGeometry& g, QByteArrayView frame)
{
    QImage screen = DarkScreen(g);
    const int planes = g.extraPlanes <= 2 ? g.extraPlanes + 1 : 1;
    for (int plane = 0; plane < planes; ++plane) {
        const qsizetype planeOffset = qsizetype(plane) * g.planeSize;
        for (int y = 0; y < g.rows; ++y) {
            auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
            const qsizetype rowOffset = planeOffset + qsizetype(y) * g.rowBytes;
            for (int x = 0; x < g.columns && x / 8 < g.rowBytes; ++x) {
                const qsizetype at = rowOffset + x / 8;
                if (at < frame.size() && (uchar(frame[at]) & (0x80 >> (x % 8))) != 0)
                    line[x] |= PlaneColour[plane];
            }
        }
    }
    return screen;
}

QRgb LedColour(const ScreenGeometry& g, int colourIndex)
{
    QRgb colour = 0xFF000000;
    const int planes = g.extraPlanes <= 2 ? g.extraPlanes + 1 : 1;
    for (int plane = 0; plane < planes; ++plane)
        if ((colourIndex >> plane) & 1)
            colour |= PlaneColour[plane];
    return colour;
}

} // namespace tessel
