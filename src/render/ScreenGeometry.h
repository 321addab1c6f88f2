// The LED screen as rendering sees it. The caller sets rows, fullBytes,
// extraBits and extraPlanes; ComputeScreenGeometry derives the rest with the
// 8- and 16-bit truncation the badge's layout uses.
#pragma once

#include "model/Settings.h"

#include <cstdint>

namespace tessel {

struct ScreenGeometry {
    uint8_t rows = 0;
    uint8_t drawHeight = 0; // rows * 2: height of the work canvas
    uint8_t fullBytes = 0; // whole bytes in one screen row
    uint8_t extraBits = 0; // columns beyond the whole bytes (0-7)
    uint8_t rowBytes = 0;
    uint8_t extraPlanes = 0; // colour planes beyond the first
    uint16_t columns = 0;
    uint16_t planeSize = 0;
    uint16_t plane2Offset = 0;
    uint16_t frameSize = 0;
};

void ComputeScreenGeometry(ScreenGeometry& geometry);

// Rows 12, 14 or 16 for yIndex 0-2 (16 for any other), columns
// (xIndex + 3) * rows computed in 16 bits, one colour plane: the geometry the
// preview uses.
ScreenGeometry PreviewGeometry(const ScreenPara& para);

// The geometry as a send takes it from the badge: rows, whole bytes
// columns / 8, extra columns columns % 8, and the extra colour planes.
ScreenGeometry BadgeGeometry(int rows, int columns, int extraPlanes);

} // namespace tessel
