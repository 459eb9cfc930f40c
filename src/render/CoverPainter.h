#pragma once

#include <QRect>
#include <QString>
#include <QVector>
#include <memory>

#include "render/PreviewParams.h"
#include "render/SurfaceKind.h"
#include "render/TrackListingFit.h"

class QPainter;

namespace casewright {

// One picture of a surface and the rectangle it is laid into.
struct SurfaceImageArea {
    int block = 0;  // the design's picture: its image block
    QString path;
    ImagePlacement placement;
    QRect dest;  // in the target's coordinates, before any cutting to a shape
};

// Draws one surface of a design into a rectangle of any paint device: a
// preview widget, a QImage or a printer page all go through PaintPreview.
class CoverPainter {
public:
    virtual ~CoverPainter() = default;

    PreviewParams params;

    // Draws the surface and its frame. Font heights are taken at
    // params.fontRefDpi (LogFont::kHeightDpi when it is not positive), never
    // at the device's resolution, so every screen shows the same sizes.
    void PaintPreview(QPainter& painter, const QRect& target);
    // Printing: the font heights are pixels at `fontDpi`; the other
    // parameters have been set for the printer already.
    void PrintInto(QPainter& painter, const QRect& target, int fontDpi);

    // The pictures the surface draws into `target` and where, in drawing
    // order; pictures without a path are left out.
    virtual QVector<SurfaceImageArea> ImageAreas(const QRect& target) const;
    // The size the surface's track listing is drawn at and what does not
    // fit; no tracks when the surface shows no listing. It is worked out
    // once for paper, so every preview size, image and printer shows the
    // same size and the same rows. `deviceDpi` only stands in for the
    // resolution of refHeight when params.heightInches is not set.
    virtual TrackListingFit ListingFit(int deviceDpi) const;

protected:
    // The fit of a listing whose rows run from params.textMarginTop (and a
    // title line, when there is a title) to the bottom margin, on paper.
    TrackListingFit PaperListingFit(int deviceDpi) const;

    virtual void DrawSurface(QPainter& painter, const QRect& target) = 0;
    virtual void DrawFrame(QPainter& painter, const QRect& target);
};

std::unique_ptr<CoverPainter> MakeCoverPainter(SurfaceKind kind);

}  // namespace casewright
