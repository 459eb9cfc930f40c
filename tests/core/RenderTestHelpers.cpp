#include "RenderTestHelpers.h"

#include <QDir>
#include <QPainter>
#include <cstdlib>

#include "document/MulDiv.h"

namespace casewright {

namespace render_test {

QImage Canvas(int width, int height, int dpi, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(fill);
    return image;
}

void Paint(CoverPainter& painter, QImage& canvas) {
    Paint(painter, canvas, canvas.rect());
}

void Paint(CoverPainter& painter, QImage& canvas, const QRect& target) {
    QPainter qp(&canvas);
    painter.PaintPreview(qp, target);
}

QString SolidPng(const QString& dir, const QString& name, const QColor& color, int width,
                 int height) {
    return SplitPng(dir, name, color, color, width, height);
}

QString SplitPng(const QString& dir, const QString& name, const QColor& left, const QColor& right,
                 int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(left);
    QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, right);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    image.save(path, "PNG");
    return path;
}

QColor At(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y)).toRgb();
}

namespace {

bool Near(QRgb pixel, const QColor& color, int tolerance) {
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

}  // namespace

int CountNear(const QImage& image, const QRect& area, const QColor& color, int tolerance) {
    const QRect clipped = area.intersected(image.rect());
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += Near(image.pixel(x, y), color, tolerance) ? 1 : 0;
        }
    }
    return count;
}

QRect InkBox(const QImage& image, const QRect& area, const QColor& color, int tolerance) {
    const QRect clipped = area.intersected(image.rect());
    QRect box;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (Near(image.pixel(x, y), color, tolerance)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

int32_t FontHeightAt96(int points) {
    return -MulDiv(points, 96, 72);
}

}  // namespace render_test

}  // namespace casewright
