#pragma once

#include "render/CoverPainter.h"

namespace casewright {

struct SurfaceEdges;
class TextFrame;

// The one-piece wrap of a standard or slimline DVD case: back on the left,
// spine in the middle, front on the right, drawn at the target's size.
class CDVDCoverButton : public CoverPainter {
public:
    static constexpr int kSpinePoints = 14;
    static constexpr int kImageModeWholeWrap = 0;
    static constexpr int kImageModeFrontAndBack = 1;
    // Pixels of the text frame between the back text and the spine, the
    // front text and the wrap's right edge, and both texts and the bottom.
    static constexpr int kTextInset = 5;

    QVector<SurfaceImageArea> ImageAreas(const QRect& target) const override;

protected:
    void DrawSurface(QPainter& painter, const QRect& target) override;
    void DrawFrame(QPainter& painter, const QRect& target) override;

private:
    int spineWidth() const;
    int spineLeft(const SurfaceEdges& e) const;
    void DrawImages(QPainter& painter, const QRect& target) const;
    void DrawSpineText(QPainter& painter, const SurfaceEdges& e, const TextFrame& frame) const;
    QRect BackTextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const;
    QRect FrontTextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const;
    void DrawSide(QPainter& painter, const TextFrame& frame, const QRect& textRect,
                  const QString& title, const QString& text) const;
};

}  // namespace casewright
