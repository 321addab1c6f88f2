// The text rasterizer: one text program into a strip, a 32-bit picture one
// screen high whose columns are the columns the badge shows, left to right.
// The device image cuts it into frames, the preview shows it as it is.
#pragma once

#include "model/Program.h"
#include "render/RichText.h"
#include "render/ScreenGeometry.h"

#include <QImage>
#include <QString>

namespace tessel {

// Text drawn beyond this column of the work canvas is lost.
constexpr int CanvasColumns = 10000;
// The content width of a text stops growing here (a text this wide is
// already black beyond column 10000); it keeps strips and frame counts bounded.
constexpr int MaxStripColumns = 65535;

// The strip of the text (Format_RGB32, geometry.rows high, pad + content
// width wide), or a null image when there is nothing to show: an empty text,
// a content width of 0, or no rows. Icon codes are drawn from the icon
// library of the data folder (dataDir ends in "/").
QImage RasterizeText(
    const ScreenGeometry& geometry, const TextItem& item, const RichText& text, const QString& dataDir);

} // namespace tessel
