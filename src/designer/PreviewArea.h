#pragma once

#include <QScrollArea>
#include <QSizeF>

namespace casewright {

// The grey area of the designer that shows the surface in view: fitted to
// the area (the default) or at a zoom of its true size on screen, always in
// the surface's own proportions, centred, with scroll bars once it is larger
// than the area. Ctrl+wheel zooms.
class PreviewArea : public QScrollArea {
    Q_OBJECT

public:
    // A zoom of 0 fits the surface to the area; any other is the scale of its
    // true size (1.0 shows it as large as it prints).
    static constexpr double kFit = 0.0;

    explicit PreviewArea(QWidget* parent = nullptr);

    // The parent of the preview widgets.
    QWidget* canvas() const { return canvas_; }

    // The preview now shown and its surface's size in inches.
    void showPreview(QWidget* preview, const QSizeF& inches);
    // Screen pixels per real inch, for true size (the screen's physical dpi).
    void setPhysicalDpi(double dpi);
    double physicalDpi() const { return physicalDpi_; }

    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    // The scale of true size the preview is shown at, in fit mode too.
    double effectiveZoom() const;
    // "Fit (64 %)" or "125 %".
    QString zoomText() const;

    // The preview's size: in fit mode the largest size of the surface's
    // proportions inside `room`, else inches × dpi × zoom (at least 1 × 1).
    static QSize PreviewSize(const QSizeF& inches, double dpi, double zoom, const QSize& room);
    // The next zoom step above or below a scale of true size.
    static double StepIn(double current);
    static double StepOut(double current);

signals:
    void zoomChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void arrange();
    int margin() const;

    QWidget* canvas_;
    QWidget* preview_ = nullptr;
    QSizeF inches_;
    double physicalDpi_ = 96.0;
    double zoom_ = kFit;
    int shownWidth_ = 0;
};

}  // namespace casewright
