#pragma once

#include <QFont>

#include "document/LogFont.h"

namespace casewright {

// Escapement of the spine fonts, in tenths of a degree: negative reads top to
// bottom, positive bottom to top.
constexpr int kEscapementTopToBottom = -900;
constexpr int kEscapementBottomToTop = 900;

// A document font height (pixels at `fontRefDpi`; LogFont::kHeightDpi when
// that is not positive) for drawing at `dpi`: the height goes through whole
// points, so every device sees the same point size, then is multiplied by
// `scale` and truncated.
int32_t ScaledFontHeight(int32_t height, int fontRefDpi, int dpi, double scale);

// The document font converted for drawing at `dpi`.
QFont TextFontFor(const LogFont& font, int fontRefDpi, int dpi, double scale);

// The font of a spine text: the document font's face and effects at a fixed
// point size, regular weight, upright.
LogFont SpineLogFont(const LogFont& font, int points, int dpi, double scale, int escapement);
QFont SpineFontFor(const LogFont& font, int points, int dpi, double scale);

}  // namespace casewright
