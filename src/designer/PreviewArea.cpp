#include "designer/PreviewArea.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "controls/DialogUnits.h"

namespace casewright {

namespace {

const QColor kGrey(128, 128, 128);

// Scales of true size that Ctrl+plus and Ctrl+minus step through.
constexpr double kSteps[] = {0.25, 0.33, 0.5,  0.67, 0.75, 0.9, 1.0, 1.1,
                             1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0};

void FillGrey(QWidget* widget) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kGrey);
    widget->setPalette(palette);
}

}  // namespace

PreviewArea::PreviewArea(QWidget* parent) : QScrollArea(parent), canvas_(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    FillGrey(this);
    FillGrey(viewport());
    FillGrey(canvas_);
    canvas_->setObjectName(QStringLiteral("previewCanvas"));
    setWidget(canvas_);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QSize PreviewArea::PreviewSize(const QSizeF& inches, double dpi, double zoom, const QSize& room) {
    if (inches.width() <= 0 || inches.height() <= 0) {
        return QSize(1, 1);
    }
    const double ratio = inches.height() / inches.width();
    int width = 0;
    int height = 0;
    if (zoom <= kFit) {
        width = room.width();
        height = static_cast<int>(std::lround(width * ratio));
        if (height > room.height()) {
            height = room.height();
            width = static_cast<int>(std::lround(height / ratio));
        }
    } else {
        width = static_cast<int>(std::lround(inches.width() * dpi * zoom));
        height = static_cast<int>(std::lround(width * ratio));
    }
    return QSize(std::max(width, 1), std::max(height, 1));
}

double PreviewArea::StepIn(double current) {
    for (double step : kSteps) {
        if (step > current * 1.001) {
            return step;
        }
    }
    return kSteps[std::size(kSteps) - 1];
}

double PreviewArea::StepOut(double current) {
    for (auto it = std::rbegin(kSteps); it != std::rend(kSteps); ++it) {
        if (*it < current * 0.999) {
            return *it;
        }
    }
    return kSteps[0];
}

void PreviewArea::showPreview(QWidget* preview, const QSizeF& inches) {
    preview_ = preview;
    inches_ = inches;
    arrange();
}

void PreviewArea::setPhysicalDpi(double dpi) {
    physicalDpi_ = dpi > 0 ? dpi : 96.0;
    arrange();
}

void PreviewArea::setZoom(double zoom) {
    zoom_ = std::max(zoom, kFit);
    const Qt::ScrollBarPolicy policy =
        zoom_ <= kFit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setHorizontalScrollBarPolicy(policy);
    setVerticalScrollBarPolicy(policy);
    arrange();
}

void PreviewArea::zoomIn() {
    setZoom(StepIn(effectiveZoom()));
}

void PreviewArea::zoomOut() {
    setZoom(StepOut(effectiveZoom()));
}

double PreviewArea::effectiveZoom() const {
    if (zoom_ > kFit) {
        return zoom_;
    }
    if (!preview_ || inches_.width() <= 0) {
        return 1.0;
    }
    return shownWidth_ / (inches_.width() * physicalDpi_);
}

QString PreviewArea::zoomText() const {
    const QString percent =
        QString::number(std::lround(effectiveZoom() * 100)) + QStringLiteral(" %");
    return zoom_ > kFit ? percent : tr("Fit (%1)").arg(percent);
}

int PreviewArea::margin() const {
    return DialogUnits::ToPixelsY(4);
}

// The canvas fills the area, or more when the preview needs it; the preview
// sits in its middle.
void PreviewArea::arrange() {
    const QSize room = viewport()->size() - QSize(2 * margin(), 2 * margin());
    QSize size(1, 1);
    if (preview_) {
        size = PreviewSize(inches_, physicalDpi_, zoom_, room);
    }
    const QSize canvasSize =
        viewport()->size().expandedTo(size + QSize(2 * margin(), 2 * margin()));
    canvas_->resize(zoom_ <= kFit ? viewport()->size() : canvasSize);
    if (preview_) {
        preview_->setGeometry(QRect(
            QPoint((canvas_->width() - size.width()) / 2, (canvas_->height() - size.height()) / 2),
            size));
    }
    shownWidth_ = size.width();
    emit zoomChanged();  // a fitted preview's scale changes with the area
}

void PreviewArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    arrange();
}

void PreviewArea::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0) {
        zoomIn();
    } else if (delta < 0) {
        zoomOut();
    }
    event->accept();
}

}  // namespace casewright
