#include "ui/property/InsertImageDialogPage.h"
#include "ui/MirroredPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

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

} // namespace

InsertImageDialogPage::InsertImageDialogPage(int iconSize, const QString& dataDir, QWidget* parent)
    : QWidget(parent)
    , iconSize_(iconSize)
{
    setCursor(Qt::ArrowCursor);
    build(dataDir + QStringLiteral("image/%1/").arg(iconSize));
}

QLabel* InsertImageDialogPage::iconAt(int position) const
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
        auto* icon = new QLabel(this);
        icon->setAlignment(Qt::AlignCenter);
        icon->setPixmap(iconPicture(path, iconSize_));
        icon->setGeometry(x, start + position / IconsPerRow * IconCellStep, iconSize_, iconSize_);
        icon->setCursor(Qt::PointingHandCursor);
        icon->setProperty("iconPosition", position);
        icon->installEventFilter(this);
        icons_[static_cast<size_t>(position)] = icon;
        x += IconCellStep;
    }
    new MirroredPlacement(*this);
}

bool InsertImageDialogPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* icon = qobject_cast<QLabel*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (icon && mouse->button() == Qt::LeftButton && icon->rect().contains(mouse->position().toPoint())) {
            emit iconClicked(codeAt(icon->property("iconPosition").toInt()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessel
