// The font a character is drawn in, made from its character format as the
// badge's layout asks: pixel height from the twips, no antialiasing, so that
// every pixel drawn is either the text colour or the background colour.
#pragma once

#include "render/RichText.h"

#include <QFont>

namespace tessel {

constexpr int TwipsPerPixel = 15;
// The tallest character a format carries: 32767 twips, the largest size the
// RTF reader takes (\fs3276). Taller heights are drawn at this height.
constexpr int MaxFontPixels = 32767 / TwipsPerPixel;

// twips ÷ 15, truncated, at most MaxFontPixels; 0 (below 15 twips, or a
// negative height) asks for the platform's default size.
int FontPixelHeight(int twips);

// Face, pixel height, weight (bold or normal), italic and underline of the
// format; a sans-serif face stands in for a face that is not installed.
QFont FontForFormat(const CharFormat& format);

// Whether two formats ask for the same font (colours aside).
bool SameFont(const CharFormat& a, const CharFormat& b);

} // namespace tessel
