#pragma once

#include <optional>

#include "print/CoverGeometry.h"
#include "print/PrinterAdjustment.h"

namespace casewright {

// The numbered page layouts: 0 to 3 are the case types on plain paper (cover
// and disc), 4, 6, 7 and 8 are label sheets (disc only). 5 is not used.
enum LayoutIndex {
    LayoutStandardCD = 0,
    LayoutSlimlineCD = 1,
    LayoutStandardDVD = 2,
    LayoutSlimlineDVD = 3,
    LayoutAvery = 4,
    LayoutPCLine = 6,
    LayoutPressIT = 7,
    LayoutNeato = 8,
};

constexpr double kInchesPerMillimetre = 0.0393700787;

// The layout's fixed values with the adjustments applied (each limited to
// the adjustment range). An index without a layout (5, or out of range)
// gives a geometry of adjustments only.
CoverGeometry MakeCoverLayout(int layoutIndex, const PrinterAdjustment& adjustment);

// The plain-paper layout of a case type. "Other" (3) has no size of its own
// and is drawn and printed as a standard CD case.
std::optional<LayoutIndex> LayoutForCoverType(int coverType);

// Whole millimetres from a stored adjustment text: an optional sign and the
// leading digits, anything else 0, limited to kMinimumAdjustmentMM to
// kMaximumAdjustmentMM.
int MillimetresFromText(const QString& text);

}  // namespace casewright
