#include "ui/ThemedIcon.h"

#include "ui/IconContrast.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace tessel {

namespace {

// The drawings use one dark ink for outlines and glyphs and white for paper;
// those take the palette's text and base colours. Their accents are chosen
// for a light surface; on a dark one they take lighter variants of
// themselves so that they keep their contrast.
constexpr const char* InkColour = "#333333";
constexpr const char* PaperColour = "#ffffff";

struct DarkVariant {
    const char* light;
    const char* dark;
};

constexpr DarkVariant DarkVariants[] = {
    { "#2f6db5", "#7db3f5" }, // blue accents
    { "#2e9a44", "#5fd477" }, // green arrows
    { "#2e8b3a", "#5fd477" },
    { "#d9302c", "#ff7b72" }, // red marks
    { "#a86f00", "#f0b040" }, // outline of the sun
    { "#4a5a6a", "#b4c4d4" }, // outline of a parameter sheet
    { "#7a5010", "#e0a030" },
    { "#606060", "#b0b0b0" }, // the frame of a small LED panel
    { "#6e6e6e", "#b0b0b0" },
};

// Where the renderer is asked for a size it has not got, the drawing is
// rendered again, so it stays sharp at every scale.
constexpr int RenderedSizes[] = { 16, 20, 24, 32, 40, 48, 64 };

// The size at which a theme's image is judged: that of the tool bars.
constexpr int ThemeCheckSize = 24;

// The colour the image is drawn on.
QColor groundOf(const QPalette& palette, IconSurface surface)
{
    return palette.color(surface == IconSurface::Base ? QPalette::Base : QPalette::Window);
}

bool isDark(const QColor& colour)
{
    return colour.lightnessF() < 0.5;
}

QByteArray recoloured(QByteArray svg, const QPalette& palette, IconSurface surface)
{
    const bool base = surface == IconSurface::Base;
    const QColor ink = palette.color(base ? QPalette::Text : QPalette::WindowText);
    const QColor paper = palette.color(QPalette::Base);
    const QColor ground = groundOf(palette, surface);
    // Each colour is replaced by a marker first, so that no replacement is
    // taken for an original colour by a later one.
    svg.replace(InkColour, "@ink@");
    svg.replace(PaperColour, "@paper@");
    if (isDark(ground)) {
        for (const DarkVariant& variant : DarkVariants)
            svg.replace(variant.light, variant.dark);
    }
    svg.replace("@ink@", ink.name().toLatin1());
    svg.replace("@paper@", paper.name().toLatin1());
    return svg;
}

} // namespace

QIcon paletteIcon(const QString& resource, const QPalette& palette, IconSurface surface)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    QSvgRenderer renderer(recoloured(file.readAll(), palette, surface));
    if (!renderer.isValid())
        return QIcon();
    QIcon icon;
    for (int size : RenderedSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon themedIcon(const QString& themeName, const QString& resource, const QPalette& palette, IconSurface surface)
{
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName)) {
        // Many themes draw for a light surface only (dark glyphs that vanish
        // on a dark bar); such an image gives way to the program's own.
        const QIcon themed = QIcon::fromTheme(themeName);
        if (isLegible(themed, QSize(ThemeCheckSize, ThemeCheckSize), groundOf(palette, surface)))
            return themed;
    }
    return paletteIcon(resource, palette, surface);
}

} // namespace tessel
