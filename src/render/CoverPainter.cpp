#include "render/CoverPainter.h"

#include <QPaintDevice>
#include <QPainter>

void CoverPainter::PaintPreview(QPainter& painter, const QRect& target) {
    if (params.fontRefDpi <= 0 && painter.device()) {
        params.fontRefDpi = painter.device()->logicalDpiY();
    }
    DrawSurface(painter, target);
    DrawFrame(painter, target);
}

void CoverPainter::PrintInto(QPainter& painter, const QRect& target, int screenDpiY) {
    params.fontRefDpi = screenDpiY;
    PaintPreview(painter, target);
}

void CoverPainter::DrawFrame(QPainter&, const QRect&) {}
