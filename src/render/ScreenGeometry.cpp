#include "render/ScreenGeometry.h"

namespace tessel {

void ComputeScreenGeometry(ScreenGeometry& g)
{
    g.drawHeight = static_cast<uint8_t>(g.rows * 2);
    g.rowBytes = static_cast<uint8_t>(g.fullBytes + (g.extraBits != 0 ? 1 : 0));
    g.columns = static_cast<uint16_t>(g.fullBytes * 8 + g.extraBits);
    g.planeSize = static_cast<uint16_t>(g.rows * g.rowBytes);
    g.plane2Offset = static_cast<uint16_t>(g.planeSize * 2);
    g.frameSize = static_cast<uint16_t>(g.planeSize * (g.extraPlanes + 1));
}

ScreenGeometry PreviewGeometry(const ScreenPara& para)
{
    static constexpr uint8_t rowsByIndex[] = { 12, 14, 16 };
    ScreenGeometry g;
    g.rows = para.yIndex < 3 ? rowsByIndex[para.yIndex] : 16;
    const auto columns = static_cast<uint16_t>((para.xIndex + 3) * g.rows);
    g.fullBytes = static_cast<uint8_t>(columns / 8);
    g.extraBits = static_cast<uint8_t>(columns % 8);
    g.extraPlanes = 0;
    ComputeScreenGeometry(g);
    return g;
}

ScreenGeometry BadgeGeometry(int rows, int columns, int extraPlanes)
{
    ScreenGeometry g;
    g.rows = static_cast<uint8_t>(rows);
    g.fullBytes = static_cast<uint8_t>(columns / 8);
    g.extraBits = static_cast<uint8_t>(columns % 8);
    g.extraPlanes = static_cast<uint8_t>(extraPlanes);
    ComputeScreenGeometry(g);
    return g;
}

} // namespace tessel
