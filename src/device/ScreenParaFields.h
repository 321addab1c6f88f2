// Screen parameter sets as the badge sees them: the values a dialog chooses,
// the eight bytes that set them, the set read from a 0x05 reply, and the
// one-line summary of a set.
#pragma once

#include "device/Packet.h"
#include "model/Settings.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace tessel {

// The height table: yIndex 0, 1, 2.
constexpr int ScreenHeights[] = { 12, 14, 16 };
constexpr int MaxScreenId = 254;
constexpr int MaxXIndex = 13; // widths 3h ... 16h
constexpr int MaxRgb = 2;

// The values shown in the dialog's controls.
struct ScreenParaChoice {
    int id = 0;
    int height = 12; // rows, the number shown in the height list
    int width = 48; // columns, the number shown in the width list
    int rgb = 0;
    int oe = 0;
    int polarity = 0;
};

// Rows for a yIndex: 12, 14, 16 (16 for any other value).
int HeightOfIndex(uint8_t yIndex);
// The choice that shows `para`.
ScreenParaChoice ChoiceOf(const ScreenPara& para);

// The parameter bytes of "set screen parameters"; `lastByte` is the setting
// paraByte (64).
ScreenParameterBytes ParameterBytesOf(const ScreenParaChoice& choice, uint8_t lastByte);

// The set carried by a 0x05 reply: name empty; a height other than 12 or 14
// is taken as 16; xIndex = width / height - 3, kept within the width list
// (0-13). Id, rgb, oe and polarity are the bytes the badge reported, whatever
// their value; a dialog's lists select the nearest item they hold.
ScreenPara ScreenParaFromReply(const QByteArray& reply);

// "name,id,height*width,rgb,oe,polarity", e.g. "K9057R,0,12*48,R,Low,595".
QString ScreenParaSummary(const ScreenPara& para);
QString RgbText(int rgb); // "R", "RG", "RGB"
QString OeText(int oe); // "Low", "Hign"
QString PolarityText(int polarity); // "595", "5026"

} // namespace tessel
