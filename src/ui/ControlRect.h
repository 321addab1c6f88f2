// Controls are placed at rectangles given by their edges, as the window
// layouts list them: (left, top)-(right, bottom), right and bottom exclusive.
#pragma once

#include <QRect>

namespace tessel {

inline QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace tessel
