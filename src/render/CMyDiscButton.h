#pragma once

#include "render/CoverPainter.h"

namespace casewright {

struct SurfaceEdges;

// The disc label: the disc inscribed in the target, an image clipped to it,
// the title above and the text below the hub, the hub blank or printed over.
// Its outlines are part of the surface, so it has no separate frame.
class CMyDiscButton : public CoverPainter {
public:
    // Pixels of the text frame between the hub and the text.
    static constexpr int kTextGapBelowHub = 10;
    static constexpr double kSecondColumnFactor = 1.5;

    QVector<SurfaceImageArea> ImageAreas(const QRect& target) const override;

protected:
    void DrawSurface(QPainter& painter, const QRect& target) override;

private:
    int hubRadius() const;
    int TitleTop(const SurfaceEdges& e) const;
    void DrawTexts(QPainter& painter, const SurfaceEdges& e, int dpi) const;
    void DrawHub(QPainter& painter, const SurfaceEdges& e) const;
};

}  // namespace casewright
