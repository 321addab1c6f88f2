// Controls placed at fixed rectangles, widened where their texts need more
// room in the language in force. The recorded rectangles are the minimum: a
// control that needs more grows to the right, and every control that starts
// at or beyond its recorded right edge moves right by as much (an edit field
// first gives up some of its width instead), so the columns keep their order
// and nothing overlaps. A group box grows with the controls it encloses and
// keeps its title whole. The rectangles are counted from the left edge; in a
// right-to-left window they are mirrored, counted from the right edge.
#pragma once

#include <QHash>
#include <QRect>
#include <vector>

class QWidget;

namespace tessel {

class FittedLayout {
public:
    // Records the present rectangles of the parent's child widgets as their
    // minimum rectangles.
    void record(const QWidget& parent);

    // Places the recorded ones among the controls at their fitted rectangles,
    // mirrored in a right-to-left parent, and returns the rectangle that
    // holds them all as counted from the left edge (empty when none).
    QRect fit(const std::vector<QWidget*>& controls) const;

    // The recorded rectangle of a control; empty when it was not recorded.
    QRect minimumRect(const QWidget* control) const { return minimum_.value(control); }

    // Fits every child of a window of fixed size and grows the window by as
    // much as its controls grew, keeping its right and bottom margins; a
    // child that spanned the whole width (a tool bar, a status bar) spans
    // the new width.
    static void fitWindow(QWidget& window);

    // The width the control's whole text needs at its font and style; 0 for
    // a control without a text of its own.
    static int neededWidth(const QWidget& control);

    // A rectangle counted from the left edge of the control's parent, as
    // the parent's layout direction places it.
    static QRect visualRect(const QWidget& control, const QRect& rect);

private:
    struct FittedRect {
        QWidget* control;
        QRect rect;
    };
    std::vector<FittedRect> fittedRects(const std::vector<QWidget*>& controls) const;

    QHash<const QWidget*, QRect> minimum_;
};

} // namespace tessel
