#include "device/ScreenParaFields.h"

#include <algorithm>

namespace tessel {

namespace {

namespace ParaOffset {
constexpr int Id = 4;
constexpr int Height = 5;
constexpr int WidthBytes = 6;
constexpr int WidthBits = 7;
constexpr int Rgb = 8;
constexpr int Oe = 9;
constexpr int Polarity = 10;
} // namespace ParaOffset

uint8_t YIndexOfHeight(int height)
{
    return height == 12 ? 0 : height == 14 ? 1 : 2;
}

} // namespace

int HeightOfIndex(uint8_t yIndex)
{
    return yIndex < 3 ? ScreenHeights[yIndex] : 16;
}

ScreenParaChoice ChoiceOf(const ScreenPara& para)
{
    const int height = HeightOfIndex(para.yIndex);
    return { para.id, height, (para.xIndex + 3) * height, para.rgb, para.oe, para.polarity };
}

ScreenParameterBytes ParameterBytesOf(const ScreenParaChoice& choice, uint8_t lastByte)
{
    ScreenParameterBytes bytes;
    bytes.id = static_cast<uint8_t>(choice.id);
    bytes.height = static_cast<uint8_t>(choice.height);
    bytes.widthBytes = static_cast<uint8_t>(choice.width / 8);
    bytes.widthBits = static_cast<uint8_t>(choice.width % 8);
    bytes.rgb = static_cast<uint8_t>(choice.rgb);
    bytes.oe = static_cast<uint8_t>(choice.oe);
    bytes.polarity = static_cast<uint8_t>(choice.polarity);
    bytes.last = lastByte;
    return bytes;
}

ScreenPara ScreenParaFromReply(const QByteArray& reply)
{
    ScreenPara para;
    para.name.clear();
    para.id = ReplyByte(reply, ParaOffset::Id);
    para.yIndex = YIndexOfHeight(ReplyByte(reply, ParaOffset::Height));
    // The height as taken, never the raw byte: no division by zero.
    const int height = HeightOfIndex(para.yIndex);
    const int width = ReplyByte(reply, ParaOffset::WidthBytes) * 8 + ReplyByte(reply, ParaOffset::WidthBits);
    para.xIndex = static_cast<uint16_t>(std::clamp(width / height - 3, 0, MaxXIndex));
    para.rgb = ReplyByte(reply, ParaOffset::Rgb);
    para.oe = ReplyByte(reply, ParaOffset::Oe);
    para.polarity = ReplyByte(reply, ParaOffset::Polarity);
    return para;
}

QString RgbText(int rgb)
{
    return rgb == 0 ? QStringLiteral("R") : rgb == 1 ? QStringLiteral("RG") : QStringLiteral("RGB");
}

QString OeText(int oe)
{
    return oe == 0 ? QStringLiteral("Low") : QStringLiteral("Hign");
}

QString PolarityText(int polarity)
{
    return polarity == 0 ? QStringLiteral("595") : QStringLiteral("5026");
}

QString ScreenParaSummary(const ScreenPara& para)
{
    const ScreenParaChoice choice = ChoiceOf(para);
    return QStringLiteral("%1,%2,%3*%4,%5,%6,%7")
        .arg(para.name)
        .arg(choice.id)
        .arg(choice.height)
        .arg(choice.width)
        .arg(RgbText(para.rgb), OeText(para.oe), PolarityText(para.polarity));
}

} // namespace tessel
