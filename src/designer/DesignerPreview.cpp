#include "designer/DesignerPreview.h"

#include <QPainter>

DesignerPreview::DesignerPreview(SurfaceKind kind, QWidget* parent)
    : QWidget(parent), kind_(kind), painter_(MakeCoverPainter(kind)) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

DesignerPreview::~DesignerPreview() = default;

const PreviewParams& DesignerPreview::params() const {
    return painter_->params;
}

void DesignerPreview::setParams(const PreviewParams& params) {
    // The font reference is learnt from the screen at the first draw and
    // stays with the widget.
    const int fontRefDpi = painter_->params.fontRefDpi;
    painter_->params = params;
    if (params.fontRefDpi <= 0) {
        painter_->params.fontRefDpi = fontRefDpi;
    }
}

void DesignerPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->PaintPreview(painter, rect());
}
