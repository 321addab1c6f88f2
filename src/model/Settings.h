// Records held in the settings: screen parameter sets and recent files.
#pragma once

#include <QString>
#include <cstdint>

namespace tessel {

struct ScreenPara {
    QString name = QStringLiteral("K9057R");
    uint8_t id = 0;
    uint8_t yIndex = 0; // 0: 12 rows, 1: 14 rows, 2: 16 rows
    uint8_t rgb = 0; // colours offered: 2^(rgb + 1)
    uint8_t oe = 0;
    uint8_t polarity = 0;
    uint16_t xIndex = 1; // columns = (xIndex + 3) * rows

    bool operator==(const ScreenPara&) const = default;
};

struct RecentFile {
    QString fileName;
    QString dirPath; // ends in a separator, or empty, or relative to the settings folder

    bool operator==(const RecentFile&) const = default;
};

constexpr int MaxRecentFiles = 10;

} // namespace tessel
