#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace casewright {

// Where windows go on the screen's available area (frame rectangles, in the
// screen's logical pixels).
namespace WindowPlacement {

// The top-left corner for a window of `size` next to `owner`: right of it,
// else left of it, else below, else above, the first that lies wholly in
// `available`, aligned with the owner's top (or left) edge as far as the
// area allows. Where none fits, the area's bottom-right corner.
QPoint Beside(const QRect& owner, const QSize& size, const QRect& available);

// `frame` moved as little as possible to lie within `available` (to its
// top-left corner where it is larger).
QPoint Within(const QRect& frame, const QRect& available);

}  // namespace WindowPlacement

}  // namespace casewright
