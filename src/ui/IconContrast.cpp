#include "ui/IconContrast.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

namespace tessel {

namespace {

double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

// From 1 (alike) to 21 (black on white).
double contrastRatio(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

double legibleShare(const QIcon& icon, const QSize& size, const QColor& background)
{
    const QImage drawn = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage laid(drawn.size(), QImage::Format_RGB32);
    laid.fill(background);
    QPainter painter(&laid);
    painter.drawImage(0, 0, drawn);
    painter.end();
    const auto isDrawn = [&drawn](int x, int y) {
        return x >= 0 && y >= 0 && x < drawn.width() && y < drawn.height() && qAlpha(drawn.pixel(x, y)) >= 128;
    };
    int outline = 0;
    int legible = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            if (!isDrawn(x, y)
                || (isDrawn(x - 1, y) && isDrawn(x + 1, y) && isDrawn(x, y - 1) && isDrawn(x, y + 1)))
                continue;
            ++outline;
            if (contrastRatio(laid.pixel(x, y), background.rgb()) >= 3.0)
                ++legible;
        }
    return outline == 0 ? 0.0 : static_cast<double>(legible) / outline;
}

bool isLegible(const QIcon& icon, const QSize& size, const QColor& background)
{
    return legibleShare(icon, size, background) >= 0.5;
}

} // namespace tessel
