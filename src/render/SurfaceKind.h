#pragma once

#include <optional>

#include "document/CoverTypes.h"

namespace casewright {

// The five drawings a design can need: the standard CD front and back cover,
// the DVD wrap (standard and slimline), the slimline CD insert and the disc.
enum class SurfaceKind { StandardFront, StandardBack, DvdWrap, SlimlineInsert, Disc };

// The surface shown for a case type and side; Back stands for the one-piece
// cover of the DVD and slimline types, which have no separate front.
inline std::optional<SurfaceKind> SurfaceFor(int coverType, CoverSide side) {
    if (side == CoverSide::Disc) {
        return SurfaceKind::Disc;
    }
    switch (coverType) {
        case CoverTypeStandardCD:
        case CoverTypeOther:
            return side == CoverSide::Front ? SurfaceKind::StandardFront
                                            : SurfaceKind::StandardBack;
        case CoverTypeStandardDVD:
        case CoverTypeSlimlineDVD:
            return side == CoverSide::Back ? std::optional(SurfaceKind::DvdWrap) : std::nullopt;
        case CoverTypeSlimlineCD:
            return side == CoverSide::Back ? std::optional(SurfaceKind::SlimlineInsert)
                                           : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace casewright
