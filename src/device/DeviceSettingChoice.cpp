#include "device/DeviceSettingChoice.h"

#include "model/AppData.h"

namespace tessel {

namespace {

std::optional<int> Select(uint8_t& setting, int item, int firstItem, int lastItem)
{
    if (item < firstItem || item > lastItem || setting == item - firstItem)
        return std::nullopt;
    const int previous = setting;
    setting = static_cast<uint8_t>(item - firstItem);
    return previous;
}

} // namespace

std::optional<int> SelectBrightness(AppData& data, int item)
{
    return Select(data.bright, item, FirstBrightnessItem, LastBrightnessItem);
}

std::optional<int> SelectChargeIcon(AppData& data, int item)
{
    return Select(data.bat, item, FirstChargeIconItem, LastChargeIconItem);
}

} // namespace tessel
