#include "render/PlaybackTiming.h"

#include <algorithm>
#include <array>

namespace tessel {

namespace {

// The table of the header comment, one row each.
constexpr std::array<int, 6> EffectStep { 60, 40, 28, 20, 14, 10 };
constexpr std::array<int, 6> Stay { 1000, 2000, 3000, 4000, 5000, 6000 };
constexpr std::array<int, 6> BorderStep { 240, 180, 130, 90, 60, 40 };

int lookUp(const std::array<int, 6>& row, uint8_t choice)
{
    return row[std::min<size_t>(choice, row.size() - 1)];
}

} // namespace

int EffectStepMs(uint8_t speed)
{
    return lookUp(EffectStep, speed);
}

int StayMs(uint8_t stay)
{
    return lookUp(Stay, stay);
}

int BorderStepMs(uint8_t borderSpeed)
{
    return lookUp(BorderStep, borderSpeed);
}

} // namespace tessel
