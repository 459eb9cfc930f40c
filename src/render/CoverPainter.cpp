#include "render/CoverPainter.h"

#include <QPainter>

namespace casewright {

void CoverPainter::PaintPreview(QPainter& painter, const QRect& target) {
    if (params.fontRefDpi <= 0) {
        params.fontRefDpi = LogFont::kHeightDpi;
    }
    // Whatever the caller had set is put back afterwards; surfaces draw with
    // exact pixel edges. Pictures set their own smooth scaling.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    DrawSurface(painter, target);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawFrame(painter, target);
    painter.restore();
}

void CoverPainter::PrintInto(QPainter& painter, const QRect& target, int fontDpi) {
    params.fontRefDpi = fontDpi;
    PaintPreview(painter, target);
}

void CoverPainter::DrawFrame(QPainter&, const QRect&) {}

QVector<SurfaceImageArea> CoverPainter::ImageAreas(const QRect&) const {
    return {};
}

}  // namespace casewright
