#include "render/SurfaceRenderer.h"

#include <QPainter>

#include "render/CoverPainter.h"
#include "render/DevicePixels.h"
#include "render/PreviewParamsBuilder.h"

namespace casewright {

QImage RenderSurface(const CoverDocument& doc, SurfaceKind kind, int dpi, int fontRefDpi) {
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    painter->params = BuildPreviewParams(doc, kind, dpi);
    const int width = painter->params.refWidth;
    const int height = painter->params.refHeight;
    if (width <= 0 || height <= 0) {
        return QImage();
    }
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    SetImageDpi(image, dpi);
    image.fill(Qt::white);
    QPainter qp(&image);
    painter->PrintInto(qp, image.rect(), fontRefDpi);
    qp.end();
    return image;
}

TrackListingFit SurfaceListingFit(const CoverDocument& doc, SurfaceKind kind, int dpi,
                                  int fontRefDpi) {
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    painter->params = BuildPreviewParams(doc, kind, dpi);
    painter->params.fontRefDpi = fontRefDpi;
    return painter->ListingFit(dpi);
}

}  // namespace casewright
