// Colours named on the command line: the eight of the editor's colour lists
// by their English names, or any colour as #RRGGBB.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace tessel::cli {

// "black", "red", "green", "yellow", "blue", "purple", "cyan", "white" (any
// case) or "#RRGGBB"; the colour as 0x00BBGGRR, nothing for other text.
std::optional<uint32_t> parseColour(const QString& text);

// The names parseColour knows, for help and error texts.
extern const char* const ColourNamesHelp;

} // namespace tessel::cli
