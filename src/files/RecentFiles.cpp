#include "files/RecentFiles.h"

#include "i18n/LanguageTable.h"
#include "model/AppData.h"

#include <algorithm>

namespace tessel {

void removeRecentFile(AppData& data, const RecentFile& entry)
{
    auto& list = data.recentFiles;
    const auto found = std::find(list.begin(), list.end(), entry);
    if (found != list.end())
        list.erase(found);
}

void addRecentFile(AppData& data, const RecentFile& entry)
{
    removeRecentFile(data, entry);
    if (data.recentFiles.size() == static_cast<size_t>(MaxRecentFiles))
        data.recentFiles.erase(data.recentFiles.begin());
    data.recentFiles.push_back(entry);
}

// The first entry the menu shows: a hand-made list may hold more than fit.
static int firstShownEntry(const AppData& data)
{
    return std::max(0, static_cast<int>(data.recentFiles.size()) - MaxRecentFiles);
}

std::vector<RecentMenuItem> recentMenuItems(const AppData& data, const LanguageTable& texts)
{
    const int count = static_cast<int>(data.recentFiles.size());
    const int first = firstShownEntry(data);
    std::vector<RecentMenuItem> items;
    for (int i = count - 1; i >= first; --i) {
        const RecentFile& entry = data.recentFiles[i];
        items.push_back({ QString::number(count - i) + u' ' + entry.dirPath + entry.fileName,
            FirstRecentCommand + i - first });
    }
    items.push_back({ texts.text(u"clearRecord"), ClearRecentCommand });
    return items;
}

int recentIndexForCommand(const AppData& data, int command)
{
    const int index = firstShownEntry(data) + command - FirstRecentCommand;
    if (command < FirstRecentCommand || command >= ClearRecentCommand
        || index >= static_cast<int>(data.recentFiles.size()))
        return -1;
    return index;
}

} // namespace tessel
