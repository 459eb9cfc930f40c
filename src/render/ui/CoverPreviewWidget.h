#pragma once

#include <QWidget>
#include <memory>

#include "render/CoverPainter.h"
#include "render/CropDrag.h"

namespace casewright {

// Shows one surface of the design at the widget's size. The designer window
// gives it the parameters of the visible surface; the widget keeps the
// scales in step with its own size and repaints.
class CoverPreviewWidget : public QWidget {
    Q_OBJECT

public:
    explicit CoverPreviewWidget(QWidget* parent = nullptr);
    CoverPreviewWidget(std::unique_ptr<CoverPainter> painter, QWidget* parent = nullptr);

    void setCoverPainter(std::unique_ptr<CoverPainter> painter);
    CoverPainter* coverPainter() const { return painter_.get(); }

    // Takes the parameters of a refresh, sets both scales from the widget's
    // size (width / refWidth, height / refHeight) and repaints.
    void setPreviewParams(const PreviewParams& params);

    // The horizontal and vertical scale for a widget size and the surface's
    // reference size; 1.0 on an axis whose reference size is not positive.
    static double ScaleFor(int widgetLength, int referenceLength);

    // A short note drawn in the preview's lower left corner, such as a
    // warning of a blurred picture; empty for none.
    void setNote(const QString& note);
    QString note() const { return note_; }

signals:
    // A filled picture was dragged: its image block and new placement.
    // A drag of a filled picture's crop: started, each move, and let go.
    void imagePlacementDragStarted();
    void imagePlacementDragged(int block, casewright::ImagePlacement placement);
    void imagePlacementDragFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateScales();

    std::unique_ptr<CoverPainter> painter_;
    CropDrag drag_;
    QString note_;
};

}  // namespace casewright
