#include "ui/property/ColourLists.h"

#include "i18n/LanguageTable.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

namespace tessel {

namespace {

const char16_t* const ColourNames[ColourCount] = { u"黑", u"红", u"绿", u"黄", u"蓝", u"紫", u"青", u"白" };
const char16_t* const ColourKeys[ColourCount] = { u"colourBlack", u"colourRed", u"colourGreen", u"colourYellow",
    u"colourBlue", u"colourMagenta", u"colourCyan", u"colourWhite" };

// The colour lists are 50 pixels wide: a narrower arrow leaves room for the
// swatch and the colour's name in the closed list.
class ColourListStyle : public QProxyStyle {
    Q_OBJECT
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
        const QWidget* widget) const override
    {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control != CC_ComboBox)
            return rect;
        constexpr int ArrowWidth = 12;
        const QRect frame = option->rect;
        if (part == SC_ComboBoxArrow)
            rect.setLeft(frame.right() - ArrowWidth);
        else if (part == SC_ComboBoxEditField)
            rect = QRect(frame.left() + 2, rect.top(), frame.width() - ArrowWidth - 4, rect.height());
        return rect;
    }
};

// The list owns its style, which outlives the list's own destructor.
void useColourListStyle(QComboBox& list)
{
    if (qobject_cast<ColourListStyle*>(list.style()))
        return;
    auto* style = new ColourListStyle;
    style->setParent(&list);
    list.setStyle(style);
}

} // namespace

int screenColourCount(uint8_t rgb)
{
    return rgb >= 2 ? ColourCount : 2 << rgb;
}

QString colourName(int index, const LanguageTable& texts)
{
    if (index < 0 || index >= ColourCount)
        return {};
    return texts.textOr(ColourKeys[index], QString::fromUtf16(ColourNames[index]));
}

uint32_t colourValue(int index)
{
    uint32_t value = 0;
    if (index & 1)
        value |= 0x0000FF;
    if (index & 2)
        value |= 0x00FF00;
    if (index & 4)
        value |= 0xFF0000;
    return value;
}

std::optional<int> colourIndexOf(uint32_t colour)
{
    for (int index = 0; index < ColourCount; ++index)
        if (colourValue(index) == colour)
            return index;
    return std::nullopt;
}

QPixmap colourSwatch(int index)
{
    const uint32_t value = colourValue(index);
    QPixmap swatch(SwatchSize, SwatchSize);
    swatch.fill(QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
    QPainter painter(&swatch);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, SwatchSize - 1, SwatchSize - 1);
    return swatch;
}

void fillColourList(QComboBox& list, int first, int count, const LanguageTable& texts)
{
    list.clear();
    useColourListStyle(list);
    list.setIconSize(QSize(SwatchSize, SwatchSize));
    for (int index = first; index < count; ++index)
        list.addItem(QIcon(colourSwatch(index)), colourName(index, texts));
}

} // namespace tessel

#include "ColourLists.moc"
