// How long the playback of a program takes, by the program's speed, stay and
// border speed choices. The badge's own timing is not known: these values
// make the playback look like the badge, not time it to the millisecond.
//
//   choice shown        1     2     3     4     5     6
//   stored value        0     1     2     3     4     5
//   effect step (ms)   60    40    28    20    14    10   one column of a scroll, one row of a move, ...
//   stay (ms)        1000  2000  3000  4000  5000  6000   each page, after its entry
//   border step (ms)  240   180   130    90    60    40   one LED of a moving border, one flash
//
// Stored values beyond 5 (from a hand-edited file) take the last column.
#pragma once

#include <cstdint>

namespace tessel {

// Milliseconds of one step of an entry or exit effect.
int EffectStepMs(uint8_t speed);
// Milliseconds each page stays on the screen after its entry.
int StayMs(uint8_t stay);
// Milliseconds of one step of a moving or flashing border.
int BorderStepMs(uint8_t borderSpeed);

} // namespace tessel
