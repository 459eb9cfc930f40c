#pragma once

#include <QWidget>
#include <memory>

#include "render/CoverPainter.h"
#include "render/SurfaceKind.h"

// Shows one surface of the design at the widget's size: the painter of that
// surface draws into the whole widget from the parameters the designer
// window's preview refresh writes.
class DesignerPreview : public QWidget {
    Q_OBJECT
public:
    DesignerPreview(SurfaceKind kind, QWidget* parent = nullptr);
    ~DesignerPreview() override;

    SurfaceKind kind() const { return kind_; }
    const PreviewParams& params() const;
    void setParams(const PreviewParams& params);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SurfaceKind kind_;
    std::unique_ptr<CoverPainter> painter_;
};
