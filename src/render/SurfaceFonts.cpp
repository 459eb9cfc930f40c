#include "render/SurfaceFonts.h"

#include <algorithm>
#include <limits>

#include "document/MulDiv.h"

namespace casewright {

namespace {

int32_t ClampToInt(double value) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, lo, hi));
}

}  // namespace

int32_t ScaledFontHeight(int32_t height, int fontRefDpi, int dpi, double scale) {
    const int referenceDpi = fontRefDpi > 0 ? fontRefDpi : LogFont::kHeightDpi;
    // Integer division truncates toward zero, as the point size always has.
    const int64_t points = (-72 * static_cast<int64_t>(height)) / referenceDpi;
    const int pixels = MulDiv(ClampToInt(static_cast<double>(points)), dpi, 72);
    return ClampToInt(-static_cast<double>(pixels) * scale);
}

QFont TextFontFor(const LogFont& font, int fontRefDpi, int dpi, double scale) {
    LogFont scaled = font;
    scaled.height = ScaledFontHeight(font.height, fontRefDpi, dpi, scale);
    return scaled.toQFont();
}

LogFont SpineLogFont(const LogFont& font, int points, int dpi, double scale, int escapement) {
    LogFont spine = font;
    spine.height = ClampToInt(-static_cast<double>(MulDiv(points, dpi, 72)) * scale);
    spine.escapement = escapement;
    spine.orientation = escapement;
    spine.weight = 400;
    spine.italic = 0;
    return spine;
}

QFont SpineFontFor(const LogFont& font, int points, int dpi, double scale) {
    // The rotation is applied by the painter, so the escapement does not
    // change the font itself.
    return SpineLogFont(font, points, dpi, scale, kEscapementTopToBottom).toQFont();
}

}  // namespace casewright
