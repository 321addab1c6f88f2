#include "cli/CliColour.h"

#include <array>
#include <cctype>

namespace tessel::cli {

namespace {

// By colour index, as the editor's lists order them: bit 0 red, bit 1
// green, bit 2 blue.
constexpr std::array<const char*, 8> ColourNames
    = { "black", "red", "green", "yellow", "blue", "purple", "cyan", "white" };

uint32_t colourOfIndex(size_t index)
{
    return ((index & 1) ? 0x0000FFu : 0) | ((index & 2) ? 0x00FF00u : 0) | ((index & 4) ? 0xFF0000u : 0);
}

} // namespace

const char* const ColourNamesHelp = "black, red, green, yellow, blue, purple, cyan, white or #RRGGBB";

std::optional<uint32_t> parseColour(const QString& text)
{
    for (size_t i = 0; i < ColourNames.size(); ++i)
        if (text.compare(QLatin1String(ColourNames[i]), Qt::CaseInsensitive) == 0)
            return colourOfIndex(i);
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    for (const QChar c : text.mid(1))
        if (!isxdigit(c.unicode()))
            return std::nullopt;
    bool ok = false;
    const uint32_t rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return ((rgb >> 16) & 0xFF) | (rgb & 0x00FF00) | ((rgb & 0xFF) << 16);
}

} // namespace tessel::cli
