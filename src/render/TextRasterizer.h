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
// The most LEDs (columns × rows) a strip may hold. Every 8 columns of a
// frame row are at least one byte of the device image, so a larger strip
// would make an image longer than a send can announce (65535 packets of 56
// bytes); it also bounds the strip's memory.
constexpr qint64 MaxStripLeds = qint64(65535) * 56 * 8;

// The strip of the text (Format_RGB32, geometry.rows high, pad + content
// width wide), or a null image when there is nothing to show: an empty text,
// a content width of 0, or no rows; also when the strip would hold more than
// MaxStripLeds, as such a text cannot be sent. The content width counts the
// whole text; only the first CanvasColumns columns are drawn, the rest stays
// black. Icon codes are drawn from the icon library of the data folder
// (dataDir ends in "/").
QImage RasterizeText(
    const ScreenGeometry& geometry, const TextItem& item, const RichText& text, const QString& dataDir);

// How many leading UTF-16 units of the text end with a character (or icon)
// that is drawn whole within the canvas, laid out as RasterizeText lays it
// out: the whole length when the text fits. A text cut there shows all it
// holds and no blank columns beyond the canvas.
qsizetype FittingLength(const ScreenGeometry& geometry, const TextItem& item, const RichText& text);

} // namespace tessel
