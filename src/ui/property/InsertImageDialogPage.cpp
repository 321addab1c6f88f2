#include "ui/property/InsertImageDialogPage.h"
#include "ui/MirroredPlacement.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <cstdlib>

namespace tessel {

namespace {

QChar codeLetter(int iconSize)
{
    return QLatin1Char(iconSize == 12 ? 'A' : iconSize == 14 ? 'B' : 'C');
}

// The picture of an icon file, scaled to the icon's size as the library
// holds it; a file that does not decode gives an empty picture.
QPixmap iconPicture(const QString& path, int iconSize)
{
    QImageReader reader(path);
    reader.setScaledSize(QSize(iconSize, iconSize));
    return QPixmap::fromImage(reader.read());
}

// An icon as the library draws it, unchanged and without a frame, with the
// style's focus mark when it has the keyboard focus.
class IconButton : public QAbstractButton {
public:
    IconButton(const QPixmap& picture, QWidget* parent)
        : QAbstractButton(parent)
        , picture_(picture)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QSize size = picture_.deviceIndependentSize().toSize();
        painter.drawPixmap(
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size), picture_);
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }

private:
    QPixmap picture_;
};

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

} // namespace

InsertImageDialogPage::InsertImageDialogPage(int iconSize, const QString& dataDir, QWidget* parent)
    : QWidget(parent)
    , iconSize_(iconSize)
{
    setCursor(Qt::ArrowCursor);
    build(dataDir + QStringLiteral("image/%1/").arg(iconSize));
}

QAbstractButton* InsertImageDialogPage::iconAt(int position) const
{
    if (position < 0 || position >= IconPositions)
        return nullptr;
    return icons_[static_cast<size_t>(position)];
}

QString InsertImageDialogPage::codeAt(int position) const
{
    return QStringLiteral("[%1%2]").arg(codeLetter(iconSize_)).arg(position, 3, 10, QLatin1Char('0'));
}

// The 12-pixel page offers as many positions as there are files, numbered
// from 0; the others offer all 100. A missing file leaves no gap: the next
// icon of the row takes its cell.
void InsertImageDialogPage::build(const QString& folder)
{
    if (iconSize_ == 12) {
        const qsizetype files = QDir(folder).entryList({ QStringLiteral("*.bmp") }, QDir::Files).size();
        positionCount_ = static_cast<int>(std::min<qsizetype>(files, IconPositions));
    } else {
        positionCount_ = IconPositions;
    }
    const int start = iconSize_ == 12 ? 6 : 5;
    int x = start;
    for (int position = 0; position < positionCount_; ++position) {
        if (position % IconsPerRow == 0)
            x = start;
        const QString path = folder + codeAt(position) + QStringLiteral(".bmp");
        if (!QFileInfo(path).isFile())
            continue;
        auto* icon = new IconButton(iconPicture(path, iconSize_), this);
        icon->setGeometry(x, start + position / IconsPerRow * IconCellStep, iconSize_, iconSize_);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setFocusPolicy(Qt::NoFocus);
        // A screen reader reads the code the icon inserts.
        icon->setAccessibleName(codeAt(position));
        icon->setProperty("iconPosition", position);
        icon->installEventFilter(this);
        connect(icon, &QAbstractButton::clicked, this, [this, position] {
            setCurrent(position);
            emit iconClicked(codeAt(position));
        });
        icons_[static_cast<size_t>(position)] = icon;
        x += IconCellStep;
        if (current_ < 0)
            setCurrent(position);
    }
    new MirroredPlacement(*this);
}

// Only the current icon is in the Tab order, so that Tab leaves the page in
// one step.
void InsertImageDialogPage::setCurrent(int position)
{
    if (QAbstractButton* old = iconAt(current_))
        old->setFocusPolicy(Qt::NoFocus);
    current_ = position;
    if (QAbstractButton* icon = iconAt(current_))
        icon->setFocusPolicy(Qt::StrongFocus);
}

void InsertImageDialogPage::focusCurrentIcon()
{
    if (QAbstractButton* icon = iconAt(current_))
        icon->setFocus(Qt::OtherFocusReason);
}

int InsertImageDialogPage::neighbour(int key) const
{
    if (current_ < 0)
        return -1;
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        // Along the numbers; a mirrored page runs them from the right.
        const int step = (key == Qt::Key_Right) != isRightToLeft() ? 1 : -1;
        for (int position = current_ + step; position >= 0 && position < IconPositions; position += step)
            if (iconAt(position))
                return position;
        return -1;
    }
    // The nearest icon of the next row that has one: missing files leave no
    // gaps, so the columns of the rows need not line up.
    const int step = key == Qt::Key_Down ? 1 : -1;
    const int x = iconAt(current_)->x();
    for (int row = current_ / IconsPerRow + step; row >= 0 && row < IconPositions / IconsPerRow;
         row += step) {
        int best = -1;
        for (int position = row * IconsPerRow; position < (row + 1) * IconsPerRow; ++position) {
            const QAbstractButton* icon = iconAt(position);
            if (icon && (best < 0 || std::abs(icon->x() - x) < std::abs(iconAt(best)->x() - x)))
                best = position;
        }
        if (best >= 0)
            return best;
    }
    return -1;
}

bool InsertImageDialogPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == iconAt(current_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return QWidget::eventFilter(watched, event);
        if (isArrow(key->key())) {
            const int target = neighbour(key->key());
            if (target >= 0) {
                setCurrent(target);
                focusCurrentIcon();
            }
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) {
            emit iconClicked(codeAt(current_));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessel
