#include "render/ImageResolution.h"

#include <QtMath>

#include "document/CoverFileFormat.h"
#include "render/CoverPainter.h"
#include "render/ImagePlacementGeometry.h"
#include "render/PreviewParamsBuilder.h"
#include "render/SurfaceImageCache.h"

namespace casewright {

namespace {

// The resolution the rectangles are measured at: fine enough that the
// truncation of their edges to whole pixels does not matter.
constexpr int kMeasureDpi = 1200;

QString PictureName(int block) {
    switch (block) {
        case CoverFileFormat::FrontBlock:
            return QStringLiteral("Front image");
        case CoverFileFormat::BackBlock:
            return QStringLiteral("Back image");
        case CoverFileFormat::StretchBlock:
            return QStringLiteral("Cover image");
        default:
            return QStringLiteral("Disc image");
    }
}

}  // namespace

QVector<LowResolutionImage> LowResolutionImages(const CoverDocument& doc, SurfaceKind kind,
                                                const PictureSizeOf& sizeOf) {
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    painter->params = BuildPreviewParams(doc, kind, kMeasureDpi);
    const QRect target(0, 0, painter->params.refWidth, painter->params.refHeight);
    QVector<LowResolutionImage> low;
    for (const SurfaceImageArea& area : painter->ImageAreas(target)) {
        const QSizeF inches(area.dest.width() / double(kMeasureDpi),
                            area.dest.height() / double(kMeasureDpi));
        const QSize pixels = sizeOf(area.path);
        if (pixels.isEmpty() || inches.isEmpty()) {
            continue;
        }
        const double ppi = EffectivePpi(pixels, inches, area.placement);
        if (ppi < kBlurredBelowPpi) {
            low.append(LowResolutionImage{area.block, ppi});
        }
    }
    return low;
}

QSize DrawnPictureSize(const QString& path) {
    return SurfaceImageCache::instance().pictureSize(path);
}

QVector<SurfaceKind> PrintedSurfaces(int coverType) {
    QVector<SurfaceKind> kinds;
    for (const CoverSide side : {CoverSide::Front, CoverSide::Back, CoverSide::Disc}) {
        const std::optional<SurfaceKind> kind = SurfaceFor(coverType, side);
        if (kind && !kinds.contains(*kind)) {
            kinds.append(*kind);
        }
    }
    return kinds;
}

QString LowResolutionText(const LowResolutionImage& image) {
    return QStringLiteral("%1: %2 ppi, will look blurred")
        .arg(PictureName(image.block))
        .arg(qFloor(image.ppi));
}

QStringList LowResolutionWarnings(const CoverDocument& doc, const QVector<SurfaceKind>& kinds,
                                  const PictureSizeOf& sizeOf) {
    QStringList texts;
    QVector<int> seen;
    for (const SurfaceKind kind : kinds) {
        for (const LowResolutionImage& image : LowResolutionImages(doc, kind, sizeOf)) {
            if (!seen.contains(image.block)) {
                seen.append(image.block);
                texts.append(LowResolutionText(image));
            }
        }
    }
    return texts;
}

}  // namespace casewright
