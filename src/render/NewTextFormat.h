// The character format a new text program starts with, wherever it is made
// (the property pane, tessel-cli say): the face of the language in force, a
// height that fills the rows of the current screen, red on no background.
#pragma once

#include "render/RichText.h"

namespace tessel {

class AppData;

constexpr int TwipsPerPoint = 20;

// 宋体 for the Chinese languages, Arial otherwise; 9, 11 or 12 points for a
// screen of 12, 14 or 16 rows (yIndex 0-2).
CharFormat NewTextFormat(const AppData& data);

} // namespace tessel
