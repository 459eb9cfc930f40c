#pragma once

#include <cstdint>

namespace casewright {

// The kind of case a design is for. The numbers are stored in cover files and
// in the settings, so they never change.
enum CoverType : int32_t {
    CoverTypeStandardCD = 1,
    CoverTypeStandardDVD = 2,
    CoverTypeOther = 3,
    CoverTypeSlimlineCD = 4,
    CoverTypeSlimlineDVD = 5,
};

// The three printable surfaces; document fields carry the prefixes f, b and d.
enum class CoverSide { Front, Back, Disc };

// Horizontal alignment of titles and texts; stored as LEFT, CENTER, RIGHT.
enum TextAlign : int32_t {
    LEFT = 0,
    CENTER = 1,
    RIGHT = 2,
};

// True for the two wrap-around DVD covers (back, spine and front in one piece).
inline bool IsDvdType(int coverType) {
    return coverType == CoverTypeStandardDVD || coverType == CoverTypeSlimlineDVD;
}

// The case type a design is shown and printed as: "Other" (3) and any
// unknown stored number are a standard CD case; the document keeps its own.
inline int DisplayCoverType(int coverType) {
    if (IsDvdType(coverType) || coverType == CoverTypeSlimlineCD) {
        return coverType;
    }
    return CoverTypeStandardCD;
}

}  // namespace casewright
