// The font a character is drawn in, made from its character format as the
// badge's layout asks: pixel height from the twips, no antialiasing, so that
// every pixel drawn is either the text colour or the background colour.
#pragma once

#include "render/RichText.h"

#include <QFont>

namespace tessel {

constexpr int TwipsPerPixel = 15;
// Larger heights are drawn at this height: no screen is taller than 255 rows,
// and giant glyphs would cost time and memory for nothing.
constexpr int MaxFontPixels = 1024;

// twips ÷ 15, truncated, within 1 … MaxFontPixels.
int FontPixelHeight(int twips);

// Face, pixel height, weight (bold or normal), italic and underline of the
// format; a sans-serif face stands in for a face that is not installed.
QFont FontForFormat(const CharFormat& format);

// Whether two formats ask for the same font (colours aside).
bool SameFont(const CharFormat& a, const CharFormat& b);

} // namespace tessel
