#pragma once

#include <optional>

#include "document/CoverTypes.h"

namespace casewright {

// The five drawings a design can need: the standard CD front and back cover,
// the DVD wrap (standard and slimline), the slimline CD insert and the disc.
enum class SurfaceKind { StandardFront, StandardBack, DvdWrap, SlimlineInsert, Disc };

// The surface shown for a case type and side; Back stands for the one-piece
// cover of the DVD and slimline types, which have no separate front.
// A number the program does not know has only the disc.
std::optional<SurfaceKind> SurfaceFor(int coverType, CoverSide side);

}  // namespace casewright
