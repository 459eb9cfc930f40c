#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include "render/CoverPainter.h"

namespace casewright {

// Canvases, generated images and pixel probes for the surface painter tests.
namespace render_test {

constexpr int kScreenDpi = 96;
constexpr int kPrinterDpi = 600;

// A canvas at `dpi` filled with `fill`.
QImage Canvas(int width, int height, int dpi, const QColor& fill = QColor(0, 255, 0));

// Paints `painter` over the whole canvas.
void Paint(CoverPainter& painter, QImage& canvas);
void Paint(CoverPainter& painter, QImage& canvas, const QRect& target);

// Writes a PNG of one colour (or of two halves, left and right) into `dir`.
QString SolidPng(const QString& dir, const QString& name, const QColor& color, int width = 40,
                 int height = 30);
QString SplitPng(const QString& dir, const QString& name, const QColor& left, const QColor& right,
                 int width = 40, int height = 30);

// The colour of one pixel, without alpha.
QColor At(const QImage& image, int x, int y);

// Number of pixels in `area` whose colour is within `tolerance` of `color`
// on every channel.
int CountNear(const QImage& image, const QRect& area, const QColor& color, int tolerance = 60);

// Bounding box of the pixels in `area` near `color`; null when none.
QRect InkBox(const QImage& image, const QRect& area, const QColor& color, int tolerance = 60);

// A document font height in pixels at 96 dpi for a point size.
int32_t FontHeightAt96(int points);

}  // namespace render_test

}  // namespace casewright
