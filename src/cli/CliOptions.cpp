#include "cli/CliOptions.h"

#include <QRegularExpression>
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

std::optional<Screen> parseScreenOption(const QString& text)
{
    constexpr int MaxRows = 255;
    constexpr int MaxColumns = 2047;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[xX]")));
    const auto rows = parts.size() == 2 ? parseNumber(parts[0], 1, MaxRows) : std::nullopt;
    const auto columns = parts.size() == 2 ? parseNumber(parts[1], 1, MaxColumns) : std::nullopt;
    if (!rows || !columns) {
        printError(QStringLiteral("--screen wants ROWSxCOLUMNS, rows 1-%1, columns 1-%2: '%3'")
                       .arg(MaxRows)
                       .arg(MaxColumns)
                       .arg(text));
        return std::nullopt;
    }
    return Screen { *rows, *columns };
}

} // namespace tessel::cli
