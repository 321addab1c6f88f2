// The entry effects of the badge's programs, drawn step by step on the LED
// screen: how a page replaces what the screen showed before. Each effect is
// named by its action value, the index of its name in the language files.
//
//   0 Static, 1 Animation       no steps: the page stands at once
//   2 / 3 Scroll left / right   the page pushes the old one out, a column a step
//   4 / 5 Move up / down        the page pushes the old one out, a row a step
//   6 Flash                     the page flashes three times
//   7 Snow                      the page's LEDs fall into place while the old ones melt
//   8 Laser                     a lit beam sweeps right, leaving the page behind it
//   9 / 10 Open from / close to centre   the page is revealed from the centre / both edges
//   11 / 12 Curtain up / down   the old page is drawn up / down, uncovering the page
//   13-16 Wipes                 from left, right, top, bottom, a column or row a step
//   17 / 18 Blinds              slats of 4 rows / 8 columns open together
//   19 Dissolve                 the page appears LED by LED in random order
//   20 Sparkle                  as dissolve, the next LEDs lit as sparks first
//   21 Typewriter               the page is typed cell by cell behind a cursor
//   22 / 23 Drop in / rise in   the page slides down / up over the old one
//   24 / 25 Zoom in / out       the page grows from the centre / shrinks from 4 times
//   26 Rotate                   the old page turns away about the middle row, the page turns in
//   27 Mosaic                   the page appears in 4 × 4 tiles in random order
//   28 Checkerboard             the squares of a checkerboard wipe in, then the others
//   29 Diagonal wipe            from the top-left corner
//   30 Random                   one of the effects 2-29, chosen by the program's seed
//
// Values beyond 30 (from a hand-edited file) stand at once, as Static.
#pragma once

#include <QImage>
#include <cstdint>

namespace tessel {

constexpr uint8_t RandomAction = 30;

// The effect Random stands for with the seed; any other action itself.
uint8_t ResolveAction(uint8_t action, uint32_t seed);

// How many steps the effect takes on a screen of the size (0: none).
int EffectSteps(uint8_t action, QSize screen);

// The screen `step` steps into the entry of `to` over `from` (same size,
// Format_RGB32): `from` at step 0 and before, `to` from the last step on.
// `seed` fixes the random order of snow, dissolve, sparkle and mosaic;
// `lit` is the colour of the beam, the sparks and the cursor.
QImage EffectFrame(uint8_t action, const QImage& from, const QImage& to, int step, uint32_t seed, QRgb lit);

// A well-mixed 32-bit hash of a value and a seed, for repeatable randomness.
uint32_t MixSeed(uint32_t value, uint32_t seed);

} // namespace tessel
