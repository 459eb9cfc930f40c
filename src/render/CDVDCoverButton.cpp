#include "render/CDVDCoverButton.h"

#include <QPainter>

#include "document/CoverFileFormat.h"
#include "render/DevicePixels.h"
#include "render/SurfaceDrawing.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"
#include "render/TextFrame.h"

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
    const TextFrame frame = TextFrame::For(params, dpi);
    FillEdges(painter, e.L, e.T, e.R, e.B, ToQColor(params.backgroundColor));
    DrawImages(painter, target);
    DrawSpineText(painter, e, frame);

    painter.setFont(TextFontFor(params.font, params.fontRefDpi, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    DrawSide(painter, frame, BackTextRect(e, dpi, frame), params.title, params.text);
    DrawSide(painter, frame, FrontTextRect(e, dpi, frame), params.frontTitle, params.frontText);
}

void CDVDCoverButton::DrawSide(QPainter& painter, const TextFrame& frame, const QRect& textRect,
                               const QString& title, const QString& text) const {
    const TextFrame::Scope scope(painter, frame, textRect);
    QRect rect = frame.toLayout(textRect);
    DrawTitle(painter, rect, title, params.textAlign);
    DrawAlignedText(painter, rect, text, params.textAlign);
}

QVector<SurfaceImageArea> CDVDCoverButton::ImageAreas(const QRect& target) const {
    const SurfaceEdges e(target);
    const int s = spineWidth();
    QVector<SurfaceImageArea> areas;
    if (params.imageMode == kImageModeFrontAndBack) {
        const int frontLeft = e.L + e.W / 2 + s / 2;
        areas = {{CoverFileFormat::FrontBlock, params.frontImagePath, params.frontImagePlacement,
                  QRect(frontLeft, e.T, e.R - frontLeft, e.H)},
                 {CoverFileFormat::BackBlock, params.backImagePath, params.backImagePlacement,
                  QRect(e.L, e.T, e.W / 2 - s / 2, e.H)}};
    } else if (params.imageMode == kImageModeWholeWrap) {
        areas = {{CoverFileFormat::StretchBlock, params.stretchImagePath,
                  params.stretchImagePlacement, QRect(e.L, e.T, e.W, e.H)}};
    }
    areas.removeIf([](const SurfaceImageArea& area) { return area.path.isEmpty(); });
    return areas;
}

void CDVDCoverButton::DrawImages(QPainter& painter, const QRect& target) const {
    for (const SurfaceImageArea& area : ImageAreas(target)) {
        DrawSurfaceImage(painter, area.path, area.dest, area.placement);
    }
}

void CDVDCoverButton::DrawSpineText(QPainter& painter, const SurfaceEdges& e,
                                    const TextFrame& frame) const {
    if (params.spineText.isEmpty()) {
        return;
    }
    const int s = spineWidth();
    const int ls = spineLeft(e);
    painter.setFont(SpineFontFor(params.font, kSpinePoints, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    const SpineTextExtent extent = MeasureSpineText(painter, frame, params.spineText);
    const int inset = params.narrowSpineText ? s / 10 : s / 4;
    casewright::DrawSpineText(painter, frame, params.spineText,
                              QPoint(ls + extent.across + inset, e.T + e.H / 2 - extent.along / 2),
                              SpineDirection::TopToBottom,
                              EdgeRect(ls, e.T, ls + s + extent.across, e.B));
}

QRect CDVDCoverButton::BackTextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const {
    const int left = e.L + InchesToPixels(params.textMarginLeft, dpi, params.xScale);
    const int top = e.T + InchesToPixels(params.textMarginTop, dpi, params.yScale);
    return EdgeRect(left, top, spineLeft(e) - frame.deviceX(kTextInset),
                    e.B - frame.deviceY(kTextInset));
}

QRect CDVDCoverButton::FrontTextRect(const SurfaceEdges& e, int dpi, const TextFrame& frame) const {
    // Scaled inches first, then the resolution, as this side has always been
    // measured.
    const int left = e.L + InchesToPixels(params.frontTextLeft * params.xScale, dpi);
    const int top = e.T + InchesToPixels(params.frontTextTop * params.yScale, dpi);
    return EdgeRect(left, top, e.R - frame.deviceX(kTextInset), e.B - frame.deviceY(kTextInset));
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
