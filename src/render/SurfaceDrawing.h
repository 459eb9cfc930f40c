#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include "document/ImagePlacement.h"

class QPainter;

namespace casewright {

// Drawing primitives shared by the surface painters, with the pixel coverage
// the layouts are computed for.

// The vertical resolution of the painter's device, in dots per inch.
int DeviceDpiY(const QPainter& painter);

// The image of a surface, read for this draw; null when there is none.
// `drawnSize` is the size in device pixels it will be stretched over; a very
// large picture may then come at a reduced size that still fills it. Empty:
// the whole picture.
QImage LoadSurfaceImage(const QString& path, QSize drawnSize = QSize());

// Stretches the whole image over `dest`, ignoring its aspect ratio, picking
// the nearest source pixel (no smoothing). Nothing for an empty destination.
void DrawStretchedImage(QPainter& painter, const QImage& image, const QRect& dest);

// Draws `image` into `dest` as `placement` lays it (see PlacedImageRect),
// nothing of it outside `dest`. On raster devices the picture is scaled
// smoothly to the device pixels it covers, once, and that result is kept for
// the next draw; PDF and printer devices receive the whole picture at its
// full resolution, to be scaled there with interpolation.
void DrawPlacedImage(QPainter& painter, const QImage& image, const QRect& dest,
                     const ImagePlacement& placement);

// Reads the image file of a surface and draws it into `dest` as above.
void DrawSurfaceImage(QPainter& painter, const QString& path, const QRect& dest,
                      const ImagePlacement& placement = ImagePlacement());

// Fills the pixels left..right-1, top..bottom-1.
void FillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& color);

// A one-pixel black outline on the pixels left..right-1 and top..bottom-1,
// the edges swapped first when given right to left or bottom to top.
void OutlineRect(QPainter& painter, int left, int top, int right, int bottom);

// A one-pixel black outline of the ellipse inscribed in the same pixels.
void OutlineEllipse(QPainter& painter, int left, int top, int right, int bottom);

}  // namespace casewright
