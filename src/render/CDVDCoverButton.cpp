#include "render/CDVDCoverButton.h"

#include <QPainter>

#include "render/DevicePixels.h"
#include "render/SurfaceDrawing.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"

namespace casewright {

int CDVDCoverButton::spineWidth() const {
    return ScaleLength(params.spineWidthPx, params.xScale);
}

int CDVDCoverButton::spineLeft(const SurfaceEdges& e) const {
    return e.L + e.W / 2 - spineWidth() / 2;
}

void CDVDCoverButton::DrawSurface(QPainter& painter, const QRect& target) {
    const SurfaceEdges e(target);
    const int dpi = DeviceDpiY(painter);
    FillEdges(painter, e.L, e.T, e.R, e.B, ToQColor(params.backgroundColor));
    DrawImages(painter, e);
    DrawSpineText(painter, e, dpi);

    painter.setFont(TextFontFor(params.font, params.fontRefDpi, dpi, params.yScale));
    painter.setPen(ToQColor(params.textColor));
    QRect back = BackTextRect(e, dpi);
    DrawTitle(painter, back, params.title, params.textAlign);
    DrawAlignedText(painter, back, params.text, params.textAlign);
    QRect front = FrontTextRect(e, dpi);
    DrawTitle(painter, front, params.frontTitle, params.textAlign);
    DrawAlignedText(painter, front, params.frontText, params.textAlign);
}

void CDVDCoverButton::DrawImages(QPainter& painter, const SurfaceEdges& e) const {
    const int s = spineWidth();
    if (params.imageMode == kImageModeFrontAndBack) {
        const int frontLeft = e.L + e.W / 2 + s / 2;
        DrawStretchedImage(painter, LoadSurfaceImage(params.frontImagePath),
                           QRect(frontLeft, e.T, e.R - frontLeft, e.H));
        DrawStretchedImage(painter, LoadSurfaceImage(params.backImagePath),
                           QRect(e.L, e.T, e.W / 2 - s / 2, e.H));
    } else if (params.imageMode == kImageModeWholeWrap) {
        DrawStretchedImage(painter, LoadSurfaceImage(params.stretchImagePath),
                           QRect(e.L, e.T, e.W, e.H));
    }
}

void CDVDCoverButton::DrawSpineText(QPainter& painter, const SurfaceEdges& e, int dpi) const {
    if (params.spineText.isEmpty()) {
        return;
    }
    const int s = spineWidth();
    const int ls = spineLeft(e);
    painter.setFont(SpineFontFor(params.font, kSpinePoints, dpi, params.yScale));
    painter.setPen(ToQColor(params.textColor));
    const SpineTextExtent extent = MeasureSpineText(painter, params.spineText);
    const int inset = params.narrowSpineText ? s / 10 : s / 4;
    casewright::DrawSpineText(painter, params.spineText,
                              QPoint(ls + extent.across + inset, e.T + e.H / 2 - extent.along / 2),
                              SpineDirection::TopToBottom,
                              EdgeRect(ls, e.T, ls + s + extent.across, e.B));
}

QRect CDVDCoverButton::BackTextRect(const SurfaceEdges& e, int dpi) const {
    const int left = e.L + InchesToPixels(params.textMarginLeft, dpi, params.xScale);
    const int top = e.T + InchesToPixels(params.textMarginTop, dpi, params.yScale);
    const int right = static_cast<int>(spineLeft(e) - 5 * params.xScale);
    const int bottom = static_cast<int>(e.B - 5 * params.yScale);
    return EdgeRect(left, top, right, bottom);
}

QRect CDVDCoverButton::FrontTextRect(const SurfaceEdges& e, int dpi) const {
    // Scaled inches first, then the resolution, as this side has always been
    // measured.
    const int left = e.L + InchesToPixels(params.frontTextLeft * params.xScale, dpi);
    const int top = e.T + InchesToPixels(params.frontTextTop * params.yScale, dpi);
    return EdgeRect(left, top, e.R - 5, e.B - 5);
}

void CDVDCoverButton::DrawFrame(QPainter& painter, const QRect& target) {
    if (!params.showBorder) {
        return;
    }
    const SurfaceEdges e(target);
    if (params.spinesOn) {
        const int ls = spineLeft(e);
        OutlineRect(painter, ls, e.T, ls + spineWidth(), e.B);
    }
    OutlineRect(painter, e.L, e.T, e.R, e.B);
}

}  // namespace casewright
