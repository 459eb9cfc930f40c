#include "render/SurfaceDrawing.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QtMath>
#include <utility>

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

void DrawSurfaceImage(QPainter& painter, const QString& path, const QRect& dest) {
    if (path.isEmpty() || dest.isEmpty()) {
        return;
    }
    // The pixels the image lands on, through any scaling of the painter and
    // of a high-resolution screen.
    const QRectF onDevice = painter.combinedTransform().mapRect(QRectF(dest));
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize drawnSize(qCeil(onDevice.width() * ratio), qCeil(onDevice.height() * ratio));
    DrawStretchedImage(painter, LoadSurfaceImage(path, drawnSize), dest);
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
