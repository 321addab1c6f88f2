// The brightness and charge-icon pop-ups of the main window: a choice only
// changes the setting; the value travels when the matching device command
// runs (command 0x0A or 0x0C carries it).
#pragma once

#include <optional>

namespace tessel {

class AppData;

constexpr int FirstBrightnessItem = 620; // "100%", "66%", "33%"
constexpr int LastBrightnessItem = 622;
constexpr int FirstChargeIconItem = 630; // "O", "I"
constexpr int LastChargeIconItem = 631;

// Stores bright = item - 620 and returns the previous value, so the pop-up
// can move its check mark; nothing when the item is outside 620-622 or
// already chosen.
std::optional<int> SelectBrightness(AppData& data, int item);
// The same for bat = item - 630 (items 630-631).
std::optional<int> SelectChargeIcon(AppData& data, int item);

} // namespace tessel
