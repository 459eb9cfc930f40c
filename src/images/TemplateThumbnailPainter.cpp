#include "images/TemplateThumbnailPainter.h"

#include <QPainter>
#include <QPainterPath>

namespace casewright {

namespace {

const QColor kFrameGrey(192, 192, 192);

}  // namespace

QImage TemplateThumbnailPainter::paint(const QImage& picture, bool discView) {
    if (picture.isNull()) {
        return {};
    }
    const QRect square(0, 0, kSide, kSide);
    QImage thumbnail(kSide, kSide, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    QPainter painter(&thumbnail);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (discView) {
        QPainterPath circle;
        circle.addEllipse(QRectF(square));
        painter.setClipPath(circle);
    }
    painter.drawImage(square, picture);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFrameGrey, 0));
    painter.drawRect(square.adjusted(0, 0, -1, -1));
    if (discView) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawEllipse(square.adjusted(0, 0, -1, -1));
    }
    return thumbnail;
}

}  // namespace casewright
