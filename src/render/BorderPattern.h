// The border of a program: a pattern of LEDs around the screen's edge, in the
// border colour, standing still, running round or flashing.
//
//   borderType    0 no border; 1 dashes (4 lit, 2 dark); 2 dots (every
//                 other LED); 3 a double line (the edge and the ring two LEDs
//                 in); 4 dash and dot (4 lit, 1 dark, 1 lit, 1 dark)
//   borderAspect  0 static; 1 clockwise and 2 anticlockwise (one LED a
//                 step); 3 flashing (lit every other step); 4 alternating
//                 (the pattern and its half-period shift, for the double line
//                 its outer and inner ring, take turns)
//
// Values beyond these (from a hand-edited file): types are no border,
// aspects static.
#pragma once

#include <QImage>
#include <cstdint>

namespace tessel {

struct Border {
    uint8_t type = 0;
    uint8_t aspect = 0;
    QRgb colour = 0xFF000000;
};

// Whether the border ever lights an LED, and whether it changes over time.
bool HasBorder(const Border& border);
bool BorderMoves(const Border& border);

// Lights the border, `step` border steps after the program began, over the
// screen (Format_RGB32): the pattern's LEDs take the border colour, all
// others keep what the screen shows.
void DrawBorder(QImage& screen, const Border& border, int64_t step);

} // namespace tessel
