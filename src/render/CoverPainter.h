#pragma once

#include <QRect>
#include <memory>

#include "render/PreviewParams.h"
#include "render/SurfaceKind.h"

class QPainter;

namespace casewright {

// Draws one surface of a design into a rectangle of any paint device: a
// preview widget, a QImage or a printer page all go through PaintPreview.
class CoverPainter {
public:
    virtual ~CoverPainter() = default;

    PreviewParams params;

    // Takes the device's vertical dpi as the font reference when none is set,
    // then draws the surface and its frame.
    void PaintPreview(QPainter& painter, const QRect& target);
    // Printing: the fonts were chosen at `screenDpiY`; the other parameters
    // have been set for the printer already.
    void PrintInto(QPainter& painter, const QRect& target, int screenDpiY);

protected:
    virtual void DrawSurface(QPainter& painter, const QRect& target) = 0;
    virtual void DrawFrame(QPainter& painter, const QRect& target);
};

std::unique_ptr<CoverPainter> MakeCoverPainter(SurfaceKind kind);

}  // namespace casewright
