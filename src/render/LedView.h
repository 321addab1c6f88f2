// The preview picture drawn as the badge's LEDs at a zoom: one pixel per LED
// at zoom 1, square blocks at zoom 2, and from zoom 3 on a round dot per LED
// with a gap around it, unlit LEDs as dim dots, and a thin mark in the gap
// where each screen-wide page begins.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace tessel {

constexpr int MinPreviewZoom = 1;
constexpr int MaxPreviewZoom = 16;
// From this zoom on every LED is a round dot.
constexpr int DotPreviewZoom = 3;

// The zoom within MinPreviewZoom..MaxPreviewZoom.
int ClampPreviewZoom(int zoom);

// The size of the whole view: the picture's size times the zoom.
QSize LedViewSize(const QSize& picture, int zoom);

// The part `area` (in view pixels, clipped to the view) of the picture drawn
// at the zoom; `pageColumns` is the screen's width (0: no page marks). The
// picture is read as 32-bit colour; a pixel whose components all stay below
// the lit level is an unlit LED. Only the requested part is drawn, so a long
// strip at a high zoom costs what is on screen.
QImage DrawLedView(const QImage& picture, int zoom, int pageColumns, const QRect& area);

// The whole view (DrawLedView of every pixel).
QImage DrawLedView(const QImage& picture, int zoom, int pageColumns);

} // namespace tessel
