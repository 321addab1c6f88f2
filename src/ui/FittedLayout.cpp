#include "ui/FittedLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

namespace tessel {

namespace {

// The text as a button shows it: "&&" is one ampersand, a single "&" marks
// the mnemonic and takes no room.
QString shownText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown.append(text[i]);
    }
    return shown;
}

int labelWidth(const QLabel& label)
{
    if (label.wordWrap() || label.text().isEmpty() || !label.pixmap().isNull())
        return 0;
    const QFontMetrics metrics = label.fontMetrics();
    int indent = label.indent();
    if (indent < 0)
        indent = label.frameWidth() > 0 ? metrics.horizontalAdvance(u'x') / 2 : 0;
    return metrics.horizontalAdvance(label.text()) + 2 * label.frameWidth() + 2 * label.margin() + indent + 1;
}

int buttonWidth(const QAbstractButton& button)
{
    if (button.text().isEmpty())
        return 0;
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)
        || qobject_cast<const QToolButton*>(&button))
        return button.sizeHint().width();
    // A push button's text and its margins; the style's own minimum width
    // of a push button is no requirement of the text.
    const QStyle* style = button.style();
    int width = button.fontMetrics().horizontalAdvance(shownText(button.text()))
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button) + 4;
    if (!button.icon().isNull())
        width += button.iconSize().width() + 4;
    return width;
}

int comboWidth(const QComboBox& list)
{
    int content = 0;
    for (int i = 0; i < list.count(); ++i) {
        int item = list.fontMetrics().horizontalAdvance(list.itemText(i));
        if (!list.itemIcon(i).isNull())
            item += list.iconSize().width() + 4;
        content = std::max(content, item);
    }
    if (content == 0)
        return 0;
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    option.frame = list.hasFrame();
    option.rect = QRect(QPoint(0, 0), list.size());
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    // What the list keeps around its edit field, plus the field's text margin.
    return content + (list.width() - field.width()) + 4;
}

int groupWidth(const QGroupBox& group)
{
    if (group.title().isEmpty())
        return 0;
    // The title sits a little in from the left edge and needs room to the right.
    return group.fontMetrics().horizontalAdvance(shownText(group.title())) + 24;
}

} // namespace

void FittedLayout::record(const QWidget& parent)
{
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        minimum_.insert(child, child->geometry());
}

int FittedLayout::neededWidth(const QWidget& control)
{
    // Measured at the font and style the control is shown with.
    control.ensurePolished();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return labelWidth(*label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return buttonWidth(*button);
    if (const auto* list = qobject_cast<const QComboBox*>(&control))
        return comboWidth(*list);
    if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        return groupWidth(*group);
    return 0;
}

void FittedLayout::fitWindow(QWidget& window)
{
    FittedLayout layout;
    layout.record(window);
    const QList<QWidget*> children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<QWidget*> controls;
    std::vector<QWidget*> spanning;
    QRect before;
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        if (child->x() <= 0 && child->width() >= window.width())
            spanning.push_back(child);
        else
            controls.push_back(child);
        before |= child->geometry();
    }
    const std::vector<FittedRect> fitted = layout.fittedRects(controls);
    QRect after = before;
    for (const FittedRect& entry : fitted)
        after |= entry.rect;
    const QSize size(window.width() + std::max(0, after.right() - before.right()),
        window.height() + std::max(0, after.bottom() - before.bottom()));
    if (size != window.size())
        window.setFixedSize(size);
    for (const FittedRect& entry : fitted)
        entry.control->setGeometry(visualRect(*entry.control, entry.rect));
    for (QWidget* child : spanning) {
        // The panes of a status bar stand at fixed places in it too.
        std::vector<std::pair<QWidget*, QRect>> inner;
        for (QWidget* grandchild : child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!grandchild->isWindow() && (!child->layout() || child->layout()->indexOf(grandchild) < 0))
                inner.emplace_back(grandchild, grandchild->geometry());
        child->resize(size.width(), child->height());
        for (const auto& [grandchild, rect] : inner)
            grandchild->setGeometry(visualRect(*grandchild, rect));
    }
}

QRect FittedLayout::visualRect(const QWidget& control, const QRect& rect)
{
    const QWidget* parent = control.parentWidget();
    if (!parent)
        return rect;
    return QStyle::visualRect(parent->layoutDirection(), parent->rect(), rect);
}

namespace {

struct Placed {
    QWidget* control;
    QRect minimum;
    QRect fitted;
    bool group;
};

// An edit field gives up some of its width before it moves: it keeps its
// right edge while it keeps at least this share of its width.
constexpr double ShrinkableShare = 0.6;

bool shrinks(const QWidget& control)
{
    return qobject_cast<const QLineEdit*>(&control) || qobject_cast<const QTextEdit*>(&control);
}

// Moves the control right by `extra`; an edit field in the row of the grown
// control narrows from the left instead.
void makeRoom(Placed& placed, const Placed& grown, int extra)
{
    const int narrowed = placed.fitted.width() - extra;
    const bool sameRow = placed.minimum.top() <= grown.minimum.bottom() && grown.minimum.top() <= placed.minimum.bottom();
    if (sameRow && shrinks(*placed.control) && narrowed >= placed.minimum.width() * ShrinkableShare)
        placed.fitted.setLeft(placed.fitted.left() + extra);
    else
        placed.fitted.translate(extra, 0);
}

} // namespace

std::vector<FittedLayout::FittedRect> FittedLayout::fittedRects(const std::vector<QWidget*>& controls) const
{
    std::vector<Placed> placed;
    for (QWidget* control : controls) {
        const auto found = minimum_.constFind(control);
        if (found != minimum_.cend())
            placed.push_back({ control, *found, *found, qobject_cast<QGroupBox*>(control) != nullptr });
    }
    std::stable_sort(placed.begin(), placed.end(),
        [](const Placed& a, const Placed& b) { return a.minimum.left() < b.minimum.left(); });

    // Left to right: a control that grows pushes every later column along.
    for (Placed& grown : placed) {
        const int extra = neededWidth(*grown.control) - grown.fitted.width();
        if (extra <= 0)
            continue;
        grown.fitted.setWidth(grown.fitted.width() + extra);
        const int edge = grown.minimum.left() + grown.minimum.width();
        for (Placed& other : placed)
            if (&other != &grown && other.minimum.left() >= edge)
                makeRoom(other, grown, extra);
    }
    // A group box keeps its margin right of the controls it encloses.
    for (Placed& group : placed) {
        if (!group.group)
            continue;
        for (const Placed& inner : placed) {
            if (inner.group || !group.minimum.contains(inner.minimum))
                continue;
            const int margin = group.minimum.right() - inner.minimum.right();
            group.fitted.setRight(std::max(group.fitted.right(), inner.fitted.right() + margin));
        }
    }
    std::vector<FittedRect> rects;
    rects.reserve(placed.size());
    for (const Placed& entry : placed)
        rects.push_back({ entry.control, entry.fitted });
    return rects;
}

QRect FittedLayout::fit(const std::vector<QWidget*>& controls) const
{
    QRect bounds;
    for (const FittedRect& entry : fittedRects(controls)) {
        entry.control->setGeometry(visualRect(*entry.control, entry.rect));
        bounds |= entry.rect;
    }
    return bounds;
}

} // namespace tessel
