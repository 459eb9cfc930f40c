#pragma once

#include "render/CoverPainter.h"

namespace casewright {

struct SurfaceEdges;
class TextFrame;

// The front cover or the back cover (inlay with two spines) of a standard CD
// case, drawn directly at the target's size.
class CMyFlatButton : public CoverPainter {
public:
    static constexpr int kSpinePoints = 11;
    static constexpr double kSecondColumnFactor = 1.5;
    // Pixels of the text frame: spine texts start this far inside the
    // spine's edge, and the back cover's text stops this far left of the
    // right spine.
    static constexpr int kSpineTextInset = 3;
    static constexpr int kBackTextRightInset = 7;

    QVector<SurfaceImageArea> ImageAreas(const QRect& target) const override;
    TrackListingFit ListingFit(int deviceDpi) const override;

protected:
    void DrawSurface(QPainter& painter, const QRect& target) override;
    void DrawFrame(QPainter& painter, const QRect& target) override;

private:
    int spineWidth() const;
    void DrawImage(QPainter& painter, const QRect& target) const;
    void DrawSpineTexts(QPainter& painter, const SurfaceEdges& e, const TextFrame& frame) const;
    QRect TextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const;
};

}  // namespace casewright
