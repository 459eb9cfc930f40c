#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include "document/ImagePlacement.h"

namespace casewright {

// The rectangle, in the destination's coordinates, that a whole picture of
// `imageSize` is scaled onto for `dest`: `dest` itself when stretched; the
// largest rectangle of the picture's aspect inside `dest`, centred, when
// fitted; the smallest one covering `dest`, moved by the crop, when filling
// (the part outside `dest` is cut off). Empty for an empty picture or
// destination.
QRect PlacedImageRect(QSize imageSize, const QRect& dest, const ImagePlacement& placement);

// The placement after the picture was dragged by `delta` pixels of the same
// coordinates in a Fill placement: the crop follows the picture, stopping
// where an edge of the picture meets the edge of `dest`. Other placements
// come back unchanged.
ImagePlacement DraggedPlacement(const ImagePlacement& placement, QSize imageSize, const QRect& dest,
                                QPoint delta);

// Pixels of the picture per printed inch where it is scaled least well: the
// lower of the two axes' figures of the rectangle it is scaled onto, for a
// destination of `destInches`. 0 for an empty picture or destination.
double EffectivePpi(QSize imageSize, QSizeF destInches, const ImagePlacement& placement);

}  // namespace casewright
