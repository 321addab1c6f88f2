// Reading the values of command-line options, and telling the user what was
// wrong with them.
#pragma once

#include "cli/CliCommand.h"
#include "model/AppData.h"

#include <QString>
#include <optional>

namespace tessel::cli {

// A decimal number from low to high; nothing for other text.
std::optional<int> parseNumber(const QString& text, int low, int high);

// Prints that the option's value is not one it takes; `allowed` says which
// are (e.g. "0-30").
void badValue(const CliCall& call, const QString& option, const QString& allowed);

// The option's value as a number from low to high: nothing when the option
// is not given; *bad set (and the reason printed) for another value.
std::optional<int> numberOption(const CliCall& call, const QString& option, int low, int high, bool* bad);

// A screen given as "RxC", e.g. "12x48".
struct Screen {
    int rows = 0;
    int columns = 0;
};

// The value of --screen: nothing when it is not given; *bad set (and the
// reason printed) for bad text.
std::optional<Screen> screenOption(const CliCall& call, bool* bad);

// The screen named on the command line, else the current screen parameter
// set of the settings.
Screen screenOrSettings(const std::optional<Screen>& named, const AppData& data);

} // namespace tessel::cli
