#include "print/ui/SheetPageView.h"

#include <QPainter>

namespace casewright {

namespace {

constexpr int kMargin = 12;

}  // namespace

SheetPageView::SheetPageView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sheetView"));
    setMinimumSize(200, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SheetPageView::setPage(const QImage& page) {
    page_ = page;
    update();
}

QRect SheetPageView::sheetRect() const {
    if (page_.isNull()) {
        return QRect();
    }
    const QSize room = size() - QSize(2 * kMargin, 2 * kMargin);
    const QSize fitted = page_.size().scaled(room, Qt::KeepAspectRatio);
    return QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void SheetPageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QRect sheet = sheetRect();
    if (sheet.isEmpty()) {
        return;
    }
    painter.fillRect(sheet.translated(3, 3), QColor(80, 80, 80));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(sheet, page_);
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
}

}  // namespace casewright
