// Reading the values of command-line options, and telling the user what was
// wrong with them.
#pragma once

#include <QString>
#include <optional>

namespace tessel::cli {

// Prints "tessel-cli: <message>" on stderr.
void printError(const QString& message);

// A decimal number from low to high; nothing for other text.
std::optional<int> parseNumber(const QString& text, int low, int high);

// A screen given as "RxC", e.g. "12x48".
struct Screen {
    int rows = 0;
    int columns = 0;
};

// The value of --screen; on bad text prints what it wants and gives nothing.
std::optional<Screen> parseScreenOption(const QString& text);

} // namespace tessel::cli
