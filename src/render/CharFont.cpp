#include "render/CharFont.h"

#include "render/FontSubstitutions.h"
#include "render/UnknownFace.h"

#include <QGuiApplication>
#include <algorithm>

namespace tessel {

int FontPixelHeight(int twips)
{
    return std::clamp(twips / TwipsPerPixel, 0, MaxFontPixels);
}

QFont FontForFormat(const CharFormat& format)
{
    InstallFontSubstitutions();
    QFont font(FaceToLookUp(format.face));
    if (const int pixels = FontPixelHeight(format.twips); pixels > 0) {
        font.setPixelSize(pixels);
    } else {
        // No height: the platform's default size, that of the application font.
        const QFont platform = QGuiApplication::font();
        if (platform.pixelSize() > 0)
            font.setPixelSize(platform.pixelSize());
        else
            font.setPointSizeF(platform.pointSizeF());
    }
    font.setWeight(format.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(format.italic);
    font.setUnderline(format.underline);
    font.setKerning(false);
    font.setStyleHint(QFont::SansSerif);
    // Last: setStyleHint resets the style strategy.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

bool SameFont(const CharFormat& a, const CharFormat& b)
{
    return a.twips == b.twips && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline
        && a.face == b.face;
}

} // namespace tessel
