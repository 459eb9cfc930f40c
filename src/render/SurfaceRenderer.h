#pragma once

#include <QImage>

#include "document/CoverDocument.h"
#include "render/SurfaceKind.h"
#include "render/TrackListingFit.h"

namespace casewright {

// One surface of a design drawn at true size, exactly as the print job draws
// it: sizes from the document's geometry at `dpi` (truncated), scales 1.0,
// font heights taken as pixels at `fontRefDpi`. The image is the surface's
// reference size, white where the surface's shape leaves the page blank, and
// carries `dpi` as its physical resolution. Null when the surface has no
// size or the image cannot be allocated.
QImage RenderSurface(const CoverDocument& doc, SurfaceKind kind, int dpi, int fontRefDpi);

// How the design's track listing fits on that surface, as RenderSurface and
// the print job draw it; no tracks for a surface without a listing.
TrackListingFit SurfaceListingFit(const CoverDocument& doc, SurfaceKind kind, int dpi,
                                  int fontRefDpi);

}  // namespace casewright
