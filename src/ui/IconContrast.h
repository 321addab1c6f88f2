// Whether an image can be told from what it is drawn on: the share of its
// outline that reaches a contrast of 3 : 1 against the background, the
// contrast asked of graphics by the accessibility guidelines.
#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>

namespace tessel {

// The share (0-1) of the drawn pixels at the image's edge (at least half
// covering, next to undrawn ones) that reach 3 : 1 laid over the background.
// The outline carries the shape; paper inside it may be as light as the bar.
double legibleShare(const QIcon& icon, const QSize& size, const QColor& background);

// Legible when at least half of its outline is.
bool isLegible(const QIcon& icon, const QSize& size, const QColor& background);

} // namespace tessel
