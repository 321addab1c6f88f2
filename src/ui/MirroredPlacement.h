// Keeps the children of a window drawn at fixed rectangles where a
// right-to-left language expects them: the rectangles are counted from the
// left edge as the window is built, and mirrored, counted from the right
// edge, while the window is right-to-left, on every change of its direction
// or of its size. Children laid out by a layout mirror on their own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <utility>
#include <vector>

class QWidget;

namespace tessel {

class MirroredPlacement : public QObject {
public:
    // Records the container's direct children as they stand now (counted
    // from the left edge) and places them for its direction.
    explicit MirroredPlacement(QWidget& container);

    // Places every recorded child for the container's direction and width.
    void place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& container_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> rects_;
};

} // namespace tessel
