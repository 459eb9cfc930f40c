#include "render/SurfaceKind.h"

#include "document/CaseTypeTable.h"

namespace casewright {

std::optional<SurfaceKind> SurfaceFor(int coverType, CoverSide side) {
    if (side == CoverSide::Disc) {
        return SurfaceKind::Disc;
    }
    const CaseTypeInfo* info = FindCaseType(coverType);
    return info ? SurfaceOf(*info, side) : std::nullopt;
}

}  // namespace casewright
