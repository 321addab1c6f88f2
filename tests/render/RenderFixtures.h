// Building blocks of the render tests: formats, rich texts, geometries and an
// icon library written into a temporary application folder.
#pragma once

#include "model/Program.h"
#include "render/CharFont.h"
#include "render/RichText.h"
#include "render/ScreenGeometry.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessel::test {

constexpr uint32_t Red = 0x0000FF; // 0x00BBGGRR
constexpr uint32_t Green = 0x00FF00;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

inline CharFormat redArial(int twips = 180)
{
    CharFormat format;
    format.face = QStringLiteral("Arial");
    format.twips = twips;
    format.textColor = Red;
    return format;
}

inline RichText richText(const QString& text, const CharFormat& format = redArial())
{
    RichText rich;
    rich.text = text;
    rich.formats.assign(text.size(), format);
    rich.paragraphs.resize(text.count(ParagraphBreak) + 1);
    rich.insertionFormat = format;
    return rich;
}

inline int advanceOf(QChar c, const CharFormat& format = redArial())
{
    return QFontMetrics(FontForFormat(format)).horizontalAdvance(c);
}

inline ScreenGeometry geometry(int rows, int columns, int extraPlanes = 0)
{
    return BadgeGeometry(rows, columns, extraPlanes);
}

// A text program laid out from the left, without offsets.
inline TextItem plainText(uint8_t action = 0, uint8_t charSpacing = 1)
{
    TextItem item;
    item.action = action;
    item.charSpacing = charSpacing;
    item.horAlign = 0;
    item.verAlign = 1;
    return item;
}

inline QImage filled(int width, int height, QRgb color)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    return picture;
}

inline bool columnIsBlack(const QImage& strip, int x)
{
    for (int y = 0; y < strip.height(); ++y)
        if ((strip.pixel(x, y) & 0xFFFFFF) != 0)
            return false;
    return true;
}

// An application folder with its own icon library.
class AppFolder {
public:
    AppFolder() { EXPECT_TRUE(dir_.isValid()); }
    QString exeDir() const { return dir_.path() + QLatin1Char('/'); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Writes image/<size>/<code>.bmp.
    void writeIcon(int size, const QString& code, const QImage& icon) const
    {
        const QString folder = dir_.filePath(QStringLiteral("image/%1").arg(size));
        QDir().mkpath(folder);
        ASSERT_TRUE(icon.save(folder + QLatin1Char('/') + code + QStringLiteral(".bmp"), "BMP"));
    }

private:
    QTemporaryDir dir_;
};

} // namespace tessel::test

namespace tessel::test {

// A stored `save` string as the badge's rich edit control writes it: red
// Arial, 9 points (180 twips).
inline QString redArialSave(const QString& text)
{
    return QStringLiteral(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Arial;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\cf1\\f0\\fs18 ")
        + text + QStringLiteral("\\par\r\n}\r\n");
}

} // namespace tessel::test
