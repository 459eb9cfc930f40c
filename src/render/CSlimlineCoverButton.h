#pragma once

#include <QImage>

#include "render/CoverPainter.h"

namespace casewright {

class TextFrame;

// The insert of a slimline CD case: a spine strip near the left edge, the
// track listing on the right and two cut-out strips at the left corners.
// The surface is composed at its full reference size and then shrunk into
// the target.
class CSlimlineCoverButton : public CoverPainter {
public:
    static constexpr int kSpinePoints = 7;
    static constexpr double kSecondColumnFactor = 1.0;
    // Pixels of the text frame between the track listing and the right edge.
    static constexpr int kTextRightInset = 5;
    // The cut-outs show in this grey on screen; on paper they stay blank.
    static constexpr int kCutoutRed = 172;
    static constexpr int kCutoutGreen = 168;
    static constexpr int kCutoutBlue = 153;

    // The surface at reference size for a device of `dpi`; null when it
    // cannot be created.
    QImage ComposeSurface(int dpi) const;

    QVector<SurfaceImageArea> ImageAreas(const QRect& target) const override;
    TrackListingFit ListingFit(int deviceDpi) const override;

protected:
    void DrawSurface(QPainter& painter, const QRect& target) override;
    void DrawFrame(QPainter& painter, const QRect& target) override;

private:
    QRect ComposedImageRect(int w0, int h0) const;
    void DrawImage(QPainter& painter, int w0, int h0) const;
    void DrawSpineText(QPainter& painter, int h0, const TextFrame& frame) const;
    void DrawTrackListing(QPainter& painter, int w0, int h0, int dpi, const TextFrame& frame) const;
    void DrawCutouts(QPainter& painter, const QRect& target) const;
};

}  // namespace casewright
