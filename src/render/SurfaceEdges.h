#pragma once

#include <QRect>

namespace casewright {

// A target rectangle as the drawing arithmetic uses it: left and top
// inclusive, right and bottom exclusive, width and height their differences.
struct SurfaceEdges {
    explicit SurfaceEdges(const QRect& r)
        : L(r.x()), T(r.y()), R(r.x() + r.width()), B(r.y() + r.height()), W(R - L), H(B - T) {}

    int L;
    int T;
    int R;
    int B;
    int W;
    int H;
};

// A rectangle given by its four edges, right and bottom exclusive. An
// inverted rectangle comes out empty.
inline QRect EdgeRect(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// A length in reference pixels converted to target pixels: multiplied by the
// scale and truncated toward zero.
inline int ScaleLength(int pixels, double scale) {
    return static_cast<int>(pixels * scale);
}

}  // namespace casewright
