#include "render/ui/CoverPreviewWidget.h"

#include <QPainter>

namespace casewright {

CoverPreviewWidget::CoverPreviewWidget(QWidget* parent) : QWidget(parent) {}

CoverPreviewWidget::CoverPreviewWidget(std::unique_ptr<CoverPainter> painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {}

void CoverPreviewWidget::setCoverPainter(std::unique_ptr<CoverPainter> painter) {
    painter_ = std::move(painter);
    updateScales();
    update();
}

void CoverPreviewWidget::setPreviewParams(const PreviewParams& params) {
    if (!painter_) {
        return;
    }
    painter_->params = params;
    updateScales();
    update();
}

double CoverPreviewWidget::ScaleFor(int widgetLength, int referenceLength) {
    return referenceLength > 0 ? static_cast<double>(widgetLength) / referenceLength : 1.0;
}

void CoverPreviewWidget::updateScales() {
    if (!painter_) {
        return;
    }
    PreviewParams& p = painter_->params;
    p.xScale = ScaleFor(width(), p.refWidth);
    p.yScale = ScaleFor(height(), p.refHeight);
}

void CoverPreviewWidget::paintEvent(QPaintEvent*) {
    if (!painter_) {
        return;
    }
    // Qt paints the parent behind a widget before the widget itself, so the
    // surface is simply drawn over its client rectangle.
    QPainter painter(this);
    painter_->PaintPreview(painter, rect());
}

void CoverPreviewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScales();
}

}  // namespace casewright
