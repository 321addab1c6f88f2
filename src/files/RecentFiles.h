// The recent-file list (oldest first) and the menu it shows.
#pragma once

#include "model/Settings.h"

#include <QString>
#include <vector>

namespace tessel {

class AppData;
class LanguageTable;

constexpr int FirstRecentCommand = 706;
constexpr int ClearRecentCommand = 716;

// Removes the entry equal to this one (both strings match exactly).
void removeRecentFile(AppData& data, const RecentFile& entry);

// Appends the entry as the newest after removing an equal one; the oldest is
// dropped when exactly MaxRecentFiles entries remain. A longer list written
// by hand is kept as it is.
void addRecentFile(AppData& data, const RecentFile& entry);

struct RecentMenuItem {
    QString label;
    int command;

    bool operator==(const RecentMenuItem&) const = default;
};

// The recent-file submenu from top to bottom: the newest file first,
// labelled "1 " + folder + name, then older ones, then the clear item.
// At most MaxRecentFiles files are shown, so that their commands stay below
// the clear command.
std::vector<RecentMenuItem> recentMenuItems(const AppData& data, const LanguageTable& texts);

// The recentFiles index a recent-file command of that menu stands for, or -1.
int recentIndexForCommand(const AppData& data, int command);

} // namespace tessel
