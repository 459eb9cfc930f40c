#pragma once

#include "document/CoverDocument.h"
#include "render/PreviewParams.h"
#include "render/SurfaceKind.h"

namespace casewright {

// Copies a surface's document values and its sizes from the document's
// geometry (inches × refDpi, truncated) into the parameters of its painter.
// Scales are 1.0 (printing); the preview refresh sets them for its widget.
PreviewParams BuildPreviewParams(const CoverDocument& doc, SurfaceKind kind, int refDpi);

}  // namespace casewright
