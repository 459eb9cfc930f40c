#include "render/CMyFlatButton.h"

#include <QPainter>
#include <algorithm>

#include "render/DevicePixels.h"
#include "render/SurfaceDrawing.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"
#include "render/TextFrame.h"
#include "render/TrackColumnsPainter.h"

namespace casewright {

int CMyFlatButton::spineWidth() const {
    return ScaleLength(params.spineWidthPx, params.xScale);
}

void CMyFlatButton::DrawSurface(QPainter& painter, const QRect& target) {
    const SurfaceEdges e(target);
    const int dpi = DeviceDpiY(painter);
    const TextFrame frame = TextFrame::For(params, dpi);
    FillEdges(painter, e.L, e.T, e.R, e.B, ToQColor(params.backgroundColor));
    DrawImage(painter, target);
    DrawSpineTexts(painter, e, frame);

    const QRect textRect = TextRect(e, dpi, frame);
    const TextFrame::Scope scope(painter, frame, textRect);
    painter.setFont(TextFontFor(params.font, params.fontRefDpi, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    QRect rect = frame.toLayout(textRect);
    DrawTitle(painter, rect, params.title, params.textAlign);
    if (params.isTrackListing) {
        const TrackColumnsPainter listing =
            TrackColumnsPainter::Parse(params.text, params.showTotalTime);
        listing.DrawAsFitted(painter, rect, kSecondColumnFactor, ListingFit(dpi),
                             {params.font, params.fontRefDpi, frame.layoutDpi()});
    } else {
        DrawAlignedText(painter, rect, params.text, params.textAlign);
    }
}

TrackListingFit CMyFlatButton::ListingFit(int deviceDpi) const {
    return params.isTrackListing ? PaperListingFit(deviceDpi) : TrackListingFit();
}

QVector<SurfaceImageArea> CMyFlatButton::ImageAreas(const QRect& target) const {
    if (params.imagePath.isEmpty()) {
        return {};
    }
    const SurfaceEdges e(target);
    const int s = spineWidth();
    const QRect dest =
        params.printOverSpines ? QRect(e.L, e.T, e.W, e.H) : QRect(e.L + s, e.T, e.W - 2 * s, e.H);
    return {SurfaceImageArea{params.imageBlock, params.imagePath, params.imagePlacement, dest}};
}

void CMyFlatButton::DrawImage(QPainter& painter, const QRect& target) const {
    for (const SurfaceImageArea& area : ImageAreas(target)) {
        DrawSurfaceImage(painter, area.path, area.dest, area.placement);
    }
}

void CMyFlatButton::DrawSpineTexts(QPainter& painter, const SurfaceEdges& e,
                                   const TextFrame& frame) const {
    if (params.spineText.isEmpty()) {
        return;
    }
    const int s = spineWidth();
    painter.setFont(SpineFontFor(params.font, kSpinePoints, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    const SpineTextExtent extent = MeasureSpineText(painter, frame, params.spineText);
    const int inset = frame.deviceX(kSpineTextInset);

    // Right spine, reading down, just inside its left edge.
    DrawSpineText(painter, frame, params.spineText,
                  QPoint(e.R - s + extent.across + inset, e.T + e.H / 2 - extent.along / 2),
                  SpineDirection::TopToBottom, EdgeRect(e.R - s, e.T, e.R, e.B));
    // Left spine, reading up; its clip is widened by the text height so a
    // cover without spines still shows the text along its left edge.
    DrawSpineText(painter, frame, params.spineText,
                  QPoint(e.L + inset, e.T + e.H / 2 + extent.along / 2),
                  SpineDirection::BottomToTop, EdgeRect(e.L, e.T, e.L + s + extent.across, e.B));
}

QRect CMyFlatButton::TextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const {
    // The margins are physical: the same number of device pixels at every
    // preview size.
    const int mx = InchesToPixels(params.textMarginLeft, dpi);
    const int my = InchesToPixels(params.textMarginTop, dpi);
    if (params.spineWidthPx == 0) {
        return EdgeRect(e.L + mx, e.T + my, e.R - mx, e.B);
    }
    const int s = spineWidth();
    // The lengths end close to the spine's fold; on a fine printer the inset
    // alone would be a fraction of a millimetre.
    const int inset =
        std::max(frame.deviceX(kBackTextRightInset), TrackColumnsPainter::TrimMarginPixels(dpi));
    return EdgeRect(e.L + mx + s, e.T + my, e.R - s - inset, e.B);
}

void CMyFlatButton::DrawFrame(QPainter& painter, const QRect& target) {
    if (!params.showBorder) {
        return;
    }
    const SurfaceEdges e(target);
    OutlineRect(painter, e.L, e.T, e.R, e.B);
    if (params.spinesOn) {
        const int s = spineWidth();
        OutlineRect(painter, e.L, e.T, e.L + s + 1, e.B);
        // Given right to left: the outline between the spines, whose sides
        // are the spine lines at L + s and R - s - 1.
        OutlineRect(painter, e.R - s, e.T, e.L + s, e.B);
    }
}

}  // namespace casewright
