#include "cli/CliOptions.h"

#include "render/ScreenGeometry.h"

#include <QRegularExpression>

namespace tessel::cli {

std::optional<int> parseNumber(const QString& text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

void badValue(const CliCall& call, const QString& option, const QString& allowed)
{
    call.console.error(CliMessage::BadValue, { typedOption(option), call.value(option), allowed });
}

std::optional<int> numberOption(const CliCall& call, const QString& option, int low, int high, bool* bad)
{
    if (!call.isSet(option))
        return std::nullopt;
    const auto value = parseNumber(call.value(option), low, high);
    if (!value) {
        badValue(call, option, QStringLiteral("%1-%2").arg(low).arg(high));
        *bad = true;
    }
    return value;
}

std::optional<Screen> screenOption(const CliCall& call, bool* bad)
{
    constexpr int MaxRows = 255;
    constexpr int MaxColumns = 2047;
    const QString option = QStringLiteral("screen");
    if (!call.isSet(option))
        return std::nullopt;
    const QStringList parts = call.value(option).split(QRegularExpression(QStringLiteral("[xX]")));
    const auto rows = parts.size() == 2 ? parseNumber(parts[0], 1, MaxRows) : std::nullopt;
    const auto columns = parts.size() == 2 ? parseNumber(parts[1], 1, MaxColumns) : std::nullopt;
    if (!rows || !columns) {
        badValue(call, option, QStringLiteral("ROWSxCOLUMNS, 1-%1 x 1-%2").arg(MaxRows).arg(MaxColumns));
        *bad = true;
        return std::nullopt;
    }
    return Screen { *rows, *columns };
}

Screen screenOrSettings(const std::optional<Screen>& named, const AppData& data)
{
    if (named)
        return *named;
    const ScreenGeometry preview = PreviewGeometry(data.screenPara);
    return Screen { preview.rows, preview.columns };
}

} // namespace tessel::cli
