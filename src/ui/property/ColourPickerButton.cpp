#include "ui/property/ColourPickerButton.h"

#include <QColorDialog>
#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace tessel {

namespace {

QColor toQColor(uint32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

uint32_t fromQColor(const QColor& colour)
{
    return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8)
        | (static_cast<uint32_t>(colour.blue()) << 16);
}

} // namespace

ColourPickerButton::ColourPickerButton(QWidget* parent)
    : QPushButton(parent)
    , chooser_([](const QColor& initial, QWidget* owner) { return QColorDialog::getColor(initial, owner); })
{
    connect(this, &QPushButton::clicked, this, &ColourPickerButton::choose);
    showSwatch();
}

void ColourPickerButton::setChooser(Chooser chooser)
{
    chooser_ = std::move(chooser);
}

void ColourPickerButton::setColour(uint32_t colour)
{
    colour_ = colour & 0xFFFFFF;
    showSwatch();
}

uint32_t ColourPickerButton::colour() const
{
    return colour_;
}

void ColourPickerButton::choose()
{
    const QColor chosen = chooser_(toQColor(colour_), this);
    if (!chosen.isValid())
        return;
    setColour(fromQColor(chosen));
    emit colourChosen();
}

void ColourPickerButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showSwatch();
}

// The swatch fills the button but for a small margin, outlined in the
// button's text colour so that black and white stay visible on its face.
void ColourPickerButton::showSwatch()
{
    const QSize size(36, 12);
    QPixmap swatch(size);
    swatch.fill(toQColor(colour_));
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    setIconSize(size);
    setIcon(QIcon(swatch));
}

} // namespace tessel
