// Where a file dragged onto the main window goes: a program file (".led")
// opens wherever it is dropped; a picture dropped on a widget that takes
// pictures goes to that widget's action. Anything else stays with the widget
// under the pointer, so text dropped into the editor is inserted there.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace tessel {

class DropRouter : public QObject {
public:
    using PathAction = std::function<void(const QString& path)>;

    // The actions run after the drop has been answered, so that a question
    // they ask does not hold up the application the file came from.
    DropRouter(PathAction openProgramFile, QObject* parent);

    // Program files dropped on the widget open; with an action, pictures
    // dropped on it go there. The widget takes drops from now on.
    void watch(QWidget& widget, PathAction takePicture = {});

    // The one local file the data carries; empty for none, several or
    // anything other than a file.
    static QString droppedFile(const QMimeData& data);
    static bool isProgramFile(const QString& path);
    // The picture types Browse offers.
    static bool isPictureFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The action the drop on `watched` runs; empty when the widget keeps it.
    PathAction actionFor(QObject* watched, const QString& path) const;

    PathAction openProgramFile_;
    QHash<QObject*, PathAction> pictureTargets_;
};

} // namespace tessel
