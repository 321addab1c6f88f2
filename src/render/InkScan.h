// Finds the rows of the work canvas that received ink: any pixel that is not
// exactly black.
#pragma once

#include <QImage>

namespace tessel {

struct InkRows {
    int top = 0;
    int bottom = 0;
};

// Scans `height` rows over the columns 0 … width − 1 of the canvas (columns
// the canvas does not have are not ink). No ink: top = height − 1, bottom = 0.
InkRows FindInkRows(const QImage& canvas, int width, int height);

} // namespace tessel
