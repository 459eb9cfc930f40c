#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "document/CoverDocument.h"
#include "render/SurfaceKind.h"

namespace casewright {

// Pictures printed with fewer pixels per inch than this look blurred.
constexpr double kBlurredBelowPpi = 150;

// A picture that prints below kBlurredBelowPpi.
struct LowResolutionImage {
    int block = 0;  // the design's picture: its image block
    double ppi = 0;
};

// The picture's own size in pixels for a path; empty when it cannot be read.
using PictureSizeOf = std::function<QSize(const QString& path)>;

// The pictures of a surface that would print below kBlurredBelowPpi at the
// size of their rectangles on paper (the design's geometry), as placed.
QVector<LowResolutionImage> LowResolutionImages(const CoverDocument& doc, SurfaceKind kind,
                                                const PictureSizeOf& sizeOf);

// The size of a picture as the drawing code reads it (through its cache).
QSize DrawnPictureSize(const QString& path);

// The surfaces a design of this case type prints.
QVector<SurfaceKind> PrintedSurfaces(int coverType);

// "Front image: 63 ppi, will look blurred".
QString LowResolutionText(const LowResolutionImage& image);

// The texts for every low-resolution picture of the surfaces, each picture
// once, in surface order.
QStringList LowResolutionWarnings(const CoverDocument& doc, const QVector<SurfaceKind>& kinds,
                                  const PictureSizeOf& sizeOf);

}  // namespace casewright
