#include "render/SurfaceDrawing.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/ImagePlacementGeometry.h"
#include "render/ScaledImageCache.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceImageCache.h"

namespace casewright {

int DeviceDpiY(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return device ? device->logicalDpiY() : 96;
}

QImage LoadSurfaceImage(const QString& path, QSize drawnSize) {
    return SurfaceImageCache::instance().image(path, drawnSize);
}

void DrawStretchedImage(QPainter& painter, const QImage& image, const QRect& dest) {
    if (image.isNull() || dest.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(dest, image);
    painter.restore();
}

namespace {

// The device pixels per pixel of the painter's coordinates, through any
// scaling of the painter and of a high-resolution screen.
QPointF DeviceScale(const QPainter& painter) {
    const QTransform t = painter.combinedTransform();
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return QPointF(std::hypot(t.m11(), t.m12()) * ratio, std::hypot(t.m21(), t.m22()) * ratio);
}

bool KeepsFullResolution(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Pdf;
}

// The part of the picture that shows through `visible`, widened to whole
// source pixels, and the rectangle of `placed`'s coordinates it covers.
struct VisiblePart {
    QRect source;
    QRectF drawn;
};

VisiblePart PartShowing(QSize imageSize, const QRect& placed, const QRect& visible) {
    const double sx = static_cast<double>(imageSize.width()) / placed.width();
    const double sy = static_cast<double>(imageSize.height()) / placed.height();
    const int left = std::max(0, qFloor((visible.left() - placed.left()) * sx));
    const int top = std::max(0, qFloor((visible.top() - placed.top()) * sy));
    const int right =
        std::min(imageSize.width(), qCeil((visible.left() + visible.width() - placed.left()) * sx));
    const int bottom =
        std::min(imageSize.height(), qCeil((visible.top() + visible.height() - placed.top()) * sy));
    const QRect source(left, top, right - left, bottom - top);
    const QRectF drawn(placed.left() + left / sx, placed.top() + top / sy, source.width() / sx,
                       source.height() / sy);
    return VisiblePart{source, drawn};
}

}  // namespace

void DrawPlacedImage(QPainter& painter, const QImage& image, const QRect& dest,
                     const ImagePlacement& placement) {
    const QRect placed = PlacedImageRect(image.size(), dest, placement);
    const QRect visible = placed & dest;
    if (image.isNull() || visible.isEmpty()) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (placed != visible) {
        painter.setClipRect(visible, Qt::IntersectClip);
    }
    if (KeepsFullResolution(painter)) {
        painter.drawImage(QRectF(placed), image);
        painter.restore();
        return;
    }
    const VisiblePart part = PartShowing(image.size(), placed, visible);
    const QPointF scale = DeviceScale(painter);
    const QSize size(std::max(1, qRound(part.drawn.width() * scale.x())),
                     std::max(1, qRound(part.drawn.height() * scale.y())));
    const QImage scaled = ScaledImageCache::instance().scaled(image, part.source, size);
    if (size == QSize(qRound(part.drawn.width()), qRound(part.drawn.height()))) {
        // At the device's own size: a plain copy of pixels, to the nearest
        // whole pixel.
        painter.drawImage(QPoint(qRound(part.drawn.left()), qRound(part.drawn.top())), scaled);
    } else {
        painter.drawImage(part.drawn, scaled);
    }
    painter.restore();
}

void DrawSurfaceImage(QPainter& painter, const QString& path, const QRect& dest,
                      const ImagePlacement& placement) {
    if (path.isEmpty() || dest.isEmpty()) {
        return;
    }
    const QPointF scale = DeviceScale(painter);
    const QSize drawnSize(qCeil(dest.width() * scale.x()), qCeil(dest.height() * scale.y()));
    DrawPlacedImage(painter, LoadSurfaceImage(path, drawnSize), dest, placement);
}

void FillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& color) {
    const QRect rect = EdgeRect(left, top, right, bottom);
    if (!rect.isEmpty()) {
        painter.fillRect(rect, color);
    }
}

void OutlineRect(QPainter& painter, int left, int top, int right, int bottom) {
    if (right < left) {
        std::swap(left, right);
    }
    if (bottom < top) {
        std::swap(top, bottom);
    }
    if (right <= left || bottom <= top) {
        return;
    }
    const QColor black(Qt::black);
    FillEdges(painter, left, top, right, top + 1, black);
    FillEdges(painter, left, bottom - 1, right, bottom, black);
    FillEdges(painter, left, top, left + 1, bottom, black);
    FillEdges(painter, right - 1, top, right, bottom, black);
}

void OutlineEllipse(QPainter& painter, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter.restore();
}

}  // namespace casewright
