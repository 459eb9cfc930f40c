#include "controls/CTransparentStatic.h"

#include <QPainter>

namespace casewright {

CTransparentStatic::CTransparentStatic(QWidget* parent) : QLabel(parent) {
    initialise();
}

CTransparentStatic::CTransparentStatic(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    initialise();
}

void CTransparentStatic::initialise() {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAttribute(Qt::WA_NoSystemBackground);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

void CTransparentStatic::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

int CTransparentStatic::textFlags() const {
    return static_cast<int>(alignment()) | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

QSize CTransparentStatic::sizeHint() const {
    // The one-line size; a narrower static wraps its text.
    constexpr int kExtent = 4096;
    return fontMetrics().boundingRect(QRect(0, 0, kExtent, kExtent), textFlags(), text()).size();
}

QSize CTransparentStatic::minimumSizeHint() const {
    return QSize(0, fontMetrics().height());
}

void CTransparentStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor color =
        isEnabled() ? textColor_ : palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.setPen(color);
    painter.drawText(contentsRect(), textFlags(), text());
}

}  // namespace casewright
