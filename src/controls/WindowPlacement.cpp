#include "controls/WindowPlacement.h"

#include <algorithm>

namespace casewright {

namespace WindowPlacement {

namespace {

int Clamped(int value, int low, int high) {
    return high < low ? low : std::clamp(value, low, high);
}

}  // namespace

QPoint Within(const QRect& frame, const QRect& available) {
    return QPoint(Clamped(frame.left(), available.left(), available.right() + 1 - frame.width()),
                  Clamped(frame.top(), available.top(), available.bottom() + 1 - frame.height()));
}

QPoint Beside(const QRect& owner, const QSize& size, const QRect& available) {
    const int alignedTop =
        Clamped(owner.top(), available.top(), available.bottom() + 1 - size.height());
    const int alignedLeft =
        Clamped(owner.left(), available.left(), available.right() + 1 - size.width());
    const QPoint candidates[] = {
        {owner.right() + 1, alignedTop},
        {owner.left() - size.width(), alignedTop},
        {alignedLeft, owner.bottom() + 1},
        {alignedLeft, owner.top() - size.height()},
    };
    for (const QPoint& corner : candidates) {
        if (available.contains(QRect(corner, size))) {
            return corner;
        }
    }
    return Within(
        QRect(available.bottomRight() - QPoint(size.width(), size.height()) + QPoint(1, 1), size),
        available);
}

}  // namespace WindowPlacement

}  // namespace casewright
