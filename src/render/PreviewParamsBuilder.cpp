#include "render/PreviewParamsBuilder.h"

// Placeholder until the surface painters land.
PreviewParams BuildPreviewParams(const CoverDocument&, SurfaceKind, int) {
    return PreviewParams();
}
