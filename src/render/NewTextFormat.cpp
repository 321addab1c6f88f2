#include "render/NewTextFormat.h"

#include "model/AppData.h"

namespace tessel {

namespace {

bool isChineseLanguage(int32_t lanID)
{
    return lanID == 2052 || lanID == 1028 || lanID == 3076;
}

// The character height fills the screen's rows: 12, 14 or 16 pixels at 15
// twips per pixel.
int defaultTwips(uint8_t yIndex)
{
    switch (yIndex) {
    case 0:
        return 180;
    case 1:
        return 220;
    default:
        return 240;
    }
}

} // namespace

CharFormat NewTextFormat(const AppData& data)
{
    CharFormat format;
    format.face = isChineseLanguage(data.lanID) ? QStringLiteral("宋体") : QStringLiteral("Arial");
    format.twips = defaultTwips(data.screenPara.yIndex);
    format.textColor = 0x0000FF; // red
    return format;
}

} // namespace tessel
