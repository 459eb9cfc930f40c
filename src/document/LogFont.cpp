#include "document/LogFont.h"

#include <algorithm>
#include <cstdlib>

namespace casewright {

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
        font.setPixelSize(std::max(1, std::abs(height)));
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
