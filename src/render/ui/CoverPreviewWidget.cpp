#include "render/ui/CoverPreviewWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/ImageResolution.h"

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
    if (!note_.isEmpty()) {
        QFont font = painter.font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        painter.setFont(font);
        const QRect box =
            painter.fontMetrics()
                .boundingRect(rect().adjusted(4, 4, -4, -4),
                              Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, note_)
                .adjusted(-3, -1, 3, 1);
        painter.fillRect(box, QColor(255, 240, 170));
        painter.setPen(QColor(120, 60, 0));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, note_);
    }
}

void CoverPreviewWidget::setNote(const QString& note) {
    if (note != note_) {
        note_ = note;
        update();
    }
}

void CoverPreviewWidget::mousePressEvent(QMouseEvent* event) {
    if (painter_ && event->button() == Qt::LeftButton &&
        drag_.start(painter_->ImageAreas(rect()), event->position().toPoint(), DrawnPictureSize)) {
        setCursor(Qt::ClosedHandCursor);
        emit imagePlacementDragStarted();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CoverPreviewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (const auto moved = drag_.moveTo(event->position().toPoint())) {
        emit imagePlacementDragged(moved->first, moved->second);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void CoverPreviewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_.active()) {
        drag_.end();
        unsetCursor();
        emit imagePlacementDragFinished();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CoverPreviewWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateScales();
}

}  // namespace casewright
