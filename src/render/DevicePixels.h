#pragma once

#include <QImage>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <limits>

namespace casewright {

// Physical lengths on a device: every layout measures a length in inches as
// inches × the device's dots per inch, truncated toward zero, so a surface
// keeps whole pixels and the same size on every page it is drawn on.

// A length or position worked out in device pixels, truncated toward zero.
// Clamped to the int range, so an absurd size gives a huge length rather
// than an undefined one; NaN gives 0.
inline int TruncatedPixels(double pixels) {
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return std::isnan(pixels) ? 0 : static_cast<int>(std::clamp(pixels, lo, hi));
}

// `inches` at `dpi`.
inline int InchesToPixels(double inches, double dpi) {
    return TruncatedPixels(inches * dpi);
}

// The same length drawn at a preview scale: inches × dpi × scale.
inline int InchesToPixels(double inches, double dpi, double scale) {
    return TruncatedPixels(inches * dpi * scale);
}

// Gives an image the resolution `dpi` on both axes, so that what is drawn
// into it measures fonts and physical lengths as on a device of that dpi.
inline void SetImageDpi(QImage& image, int dpi) {
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

}  // namespace casewright
