#include "document/LogFont.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "document/MulDiv.h"

namespace casewright {

namespace {

constexpr int kTenthsPerInch = 720;

int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

}  // namespace

int32_t LogFont::HeightForPointTenths(int tenths) {
    return -MulDiv(tenths, kHeightDpi, kTenthsPerInch);
}

int LogFont::PointTenthsForHeight(int32_t height) {
    // In 64 bits and rounded as MulDiv rounds: a height read from a file may
    // be any int.
    const int64_t magnitude = std::llabs(static_cast<int64_t>(height));
    return ClampToInt((magnitude * kTenthsPerInch + kHeightDpi / 2) / kHeightDpi);
}

QString LogFont::CutFaceName(const QString& name) {
    QString cut = name.left(kMaxFaceLength);
    if (name.size() > kMaxFaceLength && cut.back().isHighSurrogate()) {
        cut.chop(1);
    }
    return cut;
}

QFont LogFont::toQFont() const {
    QFont font(faceName);
    if (height != 0) {
        // Negative heights are character heights, positive ones cell heights;
        // Qt's pixel size is the closest match to both.
        font.setPixelSize(
            ClampToInt(std::max<int64_t>(1, std::llabs(static_cast<int64_t>(height)))));
    }
    const int w = weight == 0 ? 400 : std::clamp(static_cast<int>(weight), 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(w));
    font.setItalic(italic != 0);
    font.setUnderline(underline != 0);
    font.setStrikeOut(strikeOut != 0);
    font.setKerning(false);
    return font;
}

bool LogFont::operator==(const LogFont& o) const {
    return height == o.height && width == o.width && escapement == o.escapement &&
           orientation == o.orientation && weight == o.weight && italic == o.italic &&
           underline == o.underline && strikeOut == o.strikeOut && charSet == o.charSet &&
           outPrecision == o.outPrecision && clipPrecision == o.clipPrecision &&
           quality == o.quality && pitchAndFamily == o.pitchAndFamily && faceName == o.faceName;
}

}  // namespace casewright
