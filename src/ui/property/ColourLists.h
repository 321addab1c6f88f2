// The eight colours of the badge's LEDs and the drop-down lists that offer
// them. A colour index is a 3-bit value: bit 0 red, bit 1 green, bit 2 blue.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QComboBox;
class QPixmap;

namespace tessel {

class LanguageTable;

constexpr int ColourCount = 8;
constexpr int SwatchSize = 12;

// The number of colours of a screen of colour mode rgb: 2^(rgb + 1), and
// never more than the eight there are names for.
int screenColourCount(uint8_t rgb);

// The colour's name in the language file ("colourBlack", ...), by colour
// index; "黑", "红", ... where the file names none.
QString colourName(int index, const LanguageTable& texts);
// The colour of a colour index as 0x00BBGGRR, each lit component 255.
uint32_t colourValue(int index);
// The colour index of a 0x00BBGGRR value that is one of the eight exactly.
std::optional<int> colourIndexOf(uint32_t colour);
// A 12 × 12 swatch of the colour of the index, with a grey outline.
QPixmap colourSwatch(int index);

// Empties the list and fills it with the colours first … count - 1 (name and
// swatch); the list entry i stands for colour first + i.
void fillColourList(QComboBox& list, int first, int count, const LanguageTable& texts);

} // namespace tessel
