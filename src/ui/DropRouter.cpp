#include "ui/DropRouter.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace tessel {

DropRouter::DropRouter(PathAction openProgramFile, QObject* parent)
    : QObject(parent)
    , openProgramFile_(std::move(openProgramFile))
{
}

void DropRouter::watch(QWidget& widget, PathAction takePicture)
{
    widget.setAcceptDrops(true);
    widget.installEventFilter(this);
    if (takePicture)
        pictureTargets_.insert(&widget, std::move(takePicture));
    connect(&widget, &QObject::destroyed, this, [this](QObject* gone) { pictureTargets_.remove(gone); });
}

QString DropRouter::droppedFile(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).isFile() ? path : QString();
}

bool DropRouter::isProgramFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("led"), Qt::CaseInsensitive) == 0;
}

bool DropRouter::isPictureFile(const QString& path)
{
    static const QStringList Suffixes
        = { QStringLiteral("bmp"), QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
              QStringLiteral("gif") };
    return Suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

DropRouter::PathAction DropRouter::actionFor(QObject* watched, const QString& path) const
{
    if (path.isEmpty())
        return {};
    if (isProgramFile(path))
        return openProgramFile_;
    if (isPictureFile(path))
        return pictureTargets_.value(watched);
    return {};
}

bool DropRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(*drop->mimeData());
    const PathAction action = actionFor(watched, path);
    if (!action)
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, [action, path] { action(path); }, Qt::QueuedConnection);
    return true;
}

} // namespace tessel
