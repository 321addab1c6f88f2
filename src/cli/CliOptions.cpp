#include "cli/CliOptions.h"

#include <cstdio>

namespace tessel::cli {

void printError(const QString& message)
{
    std::fprintf(stderr, "tessel-cli: %s\n", message.toUtf8().constData());
}

std::optional<int> parseNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace tessel::cli
