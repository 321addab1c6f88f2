// One frame of the device image as the badge lights it: a picture of the
// screen, one pixel per LED, lit LEDs in the colour of their planes (red for
// the first, green for the second, blue for the third, each 255), unlit
// LEDs black.
#pragma once

#include "render/ScreenGeometry.h"

#include <QByteArrayView>
#include <QImage>

namespace tessel {

// A dark screen: columns × rows, Format_RGB32, black.
QImage DarkScreen(const ScreenGeometry& geometry);

// The LEDs of one encoded frame (frameSize bytes: plane 0, then the extra
// planes). Bytes the frame lacks are unlit.
QImage DecodeFrame(const ScreenGeometry& geometry, QByteArrayView frame);

// The colour of the LEDs of a 3-bit colour index (bit 0 red, bit 1 green,
// bit 2 blue) on a screen with the geometry's planes: components the screen
// cannot light stay 0.
QRgb LedColour(const ScreenGeometry& geometry, int colourIndex);

} // namespace tessel
