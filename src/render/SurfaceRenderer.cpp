#include "render/SurfaceRenderer.h"

#include <QPainter>

#include "render/CoverPainter.h"
#include "render/PreviewParamsBuilder.h"

namespace casewright {

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

}  // namespace

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
    const int dotsPerMetre = qRound(dpi * kInchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter qp(&image);
    painter->PrintInto(qp, image.rect(), fontRefDpi);
    qp.end();
    return image;
}

}  // namespace casewright
