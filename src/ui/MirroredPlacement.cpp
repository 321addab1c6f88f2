#include "ui/MirroredPlacement.h"

#include <QEvent>
#include <QLayout>
#include <QStyle>
#include <QWidget>

namespace tessel {

MirroredPlacement::MirroredPlacement(QWidget& container)
    : QObject(&container)
    , container_(container)
{
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || (container.layout() && container.layout()->indexOf(child) >= 0))
            continue;
        rects_.emplace_back(child, child->geometry());
    }
    container.installEventFilter(this);
    place();
}

void MirroredPlacement::place()
{
    for (const auto& [child, rect] : rects_)
        if (child)
            child->setGeometry(QStyle::visualRect(container_.layoutDirection(), container_.rect(), rect));
}

bool MirroredPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &container_
        && (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::Resize))
        place();
    return QObject::eventFilter(watched, event);
}

} // namespace tessel
