#include "render/CSlimlineCoverButton.h"

#include <QPainter>
#include <algorithm>

#include "document/CoverTypes.h"
#include "render/DevicePixels.h"
#include "render/SurfaceDrawing.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"
#include "render/TextFrame.h"
#include "render/TrackColumnsPainter.h"

namespace casewright {

QImage CSlimlineCoverButton::ComposeSurface(int dpi) const {
    const int w0 = params.refWidth;
    const int h0 = params.refHeight;
    if (w0 <= 0 || h0 <= 0) {
        return QImage();
    }
    QImage surface(w0, h0, QImage::Format_RGB32);
    if (surface.isNull()) {
        return surface;
    }
    // The target's resolution, so physical lengths measure as on it.
    SetImageDpi(surface, dpi);
    surface.fill(ToQColor(params.backgroundColor));

    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // A preview's texts are laid out as they print and shrunk twice, into
    // this image and then into the target.
    const TextFrame frame = TextFrame::IsPreview(params) ? TextFrame::ForComposedPreview(dpi)
                                                         : TextFrame::Identity(dpi);
    DrawImage(painter, w0, h0);
    DrawSpineText(painter, h0, frame);
    DrawTrackListing(painter, w0, h0, dpi, frame);
    painter.end();
    return surface;
}

void CSlimlineCoverButton::DrawSurface(QPainter& painter, const QRect& target) {
    const QImage surface = ComposeSurface(DeviceDpiY(painter));
    DrawStretchedImage(painter, surface, target);
}

QRect CSlimlineCoverButton::ComposedImageRect(int w0, int h0) const {
    // Without print-over the image starts right of the spine strip and, being
    // narrower by only two spine widths, runs off the right edge.
    return params.printOverSpines ? QRect(0, 0, w0, h0)
                                  : QRect(params.spineOffsetPx + params.spineWidthPx, 0,
                                          w0 - 2 * params.spineWidthPx, h0);
}

QVector<SurfaceImageArea> CSlimlineCoverButton::ImageAreas(const QRect& target) const {
    const int w0 = params.refWidth;
    const int h0 = params.refHeight;
    if (params.imagePath.isEmpty() || w0 <= 0 || h0 <= 0) {
        return {};
    }
    // The surface is composed at its reference size and then stretched over
    // the target.
    const QRect composed = ComposedImageRect(w0, h0);
    const double sx = static_cast<double>(target.width()) / w0;
    const double sy = static_cast<double>(target.height()) / h0;
    const QRect dest(target.left() + qRound(composed.left() * sx),
                     target.top() + qRound(composed.top() * sy), qRound(composed.width() * sx),
                     qRound(composed.height() * sy));
    return {SurfaceImageArea{params.imageBlock, params.imagePath, params.imagePlacement, dest}};
}

void CSlimlineCoverButton::DrawImage(QPainter& painter, int w0, int h0) const {
    DrawSurfaceImage(painter, params.imagePath, ComposedImageRect(w0, h0), params.imagePlacement);
}

void CSlimlineCoverButton::DrawSpineText(QPainter& painter, int h0, const TextFrame& frame) const {
    if (params.spineText.isEmpty()) {
        return;
    }
    painter.setFont(SpineFontFor(params.font, kSpinePoints, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    const SpineTextExtent extent = MeasureSpineText(painter, frame, params.spineText);
    const int spineRight = params.spineOffsetPx + params.spineWidthPx;
    // Against the strip's right edge; a text wider than the strip loses its
    // left side.
    casewright::DrawSpineText(
        painter, frame, params.spineText, QPoint(spineRight, h0 / 2 - extent.along / 2),
        SpineDirection::TopToBottom, EdgeRect(params.spineOffsetPx, 0, spineRight, h0));
}

void CSlimlineCoverButton::DrawTrackListing(QPainter& painter, int w0, int h0, int dpi,
                                            const TextFrame& frame) const {
    // The lengths end close to the trim edge; on a fine printer the inset
    // alone would be a fraction of a millimetre.
    const int trimMargin = TrackColumnsPainter::TrimMarginPixels(dpi);
    const QRect textRect = EdgeRect(InchesToPixels(params.textMarginLeft, dpi),
                                    InchesToPixels(params.textMarginTop, dpi),
                                    w0 - std::max(frame.deviceX(kTextRightInset), trimMargin), h0);
    const TextFrame::Scope scope(painter, frame, textRect);
    painter.setFont(TextFontFor(params.font, params.fontRefDpi, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    QRect rect = frame.toLayout(textRect);
    DrawTitle(painter, rect, params.title, LEFT);
    TrackColumnsPainter::Parse(params.text, params.showTotalTime)
        .DrawAsFitted(painter, rect, kSecondColumnFactor, ListingFit(dpi),
                      {params.font, params.fontRefDpi, frame.layoutDpi()});
}

TrackListingFit CSlimlineCoverButton::ListingFit(int deviceDpi) const {
    return PaperListingFit(deviceDpi);
}

void CSlimlineCoverButton::DrawFrame(QPainter& painter, const QRect& target) {
    const SurfaceEdges e(target);
    if (params.showBorder) {
        OutlineRect(painter, e.L, e.T, e.R, e.B);
        if (params.spinesOn) {
            const int x1 = e.L + ScaleLength(params.spineOffsetPx, params.xScale);
            const int x2 = x1 + ScaleLength(params.spineWidthPx, params.xScale) + 1;
            OutlineRect(painter, x1, e.T, x2, e.B);
        }
        OutlineRect(painter, e.L, e.T, e.R, e.B);
    }
    DrawCutouts(painter, target);
}

void CSlimlineCoverButton::DrawCutouts(QPainter& painter, const QRect& target) const {
    const SurfaceEdges e(target);
    // The strips keep their printed size in every preview.
    const int c = e.L + params.cutoutWidthPx;
    const int d = params.cutoutHeightPx;
    if (params.showBorder) {
        OutlineRect(painter, e.L, e.T, c + 1, e.T + d);
        OutlineRect(painter, e.L, e.B - d, c + 1, e.B);
    }
    // The fills reach one pixel past the strips' outer edges and cover those
    // outline edges, leaving only the lines toward the cover.
    const QColor fill =
        params.yScale == 1.0 ? QColor(Qt::white) : QColor(kCutoutRed, kCutoutGreen, kCutoutBlue);
    FillEdges(painter, e.L, e.B - d + 1, c, e.B + 1, fill);
    FillEdges(painter, e.L, e.T - 1, c, e.T + d - 1, fill);
}

}  // namespace casewright
