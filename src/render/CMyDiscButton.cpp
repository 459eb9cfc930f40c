#include "render/CMyDiscButton.h"

#include <QPainter>
#include <QRegion>

#include "render/SurfaceDrawing.h"
#include "render/SurfaceEdges.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"
#include "render/TextFrame.h"
#include "render/TrackColumnsPainter.h"

namespace casewright {

namespace {

constexpr double kTitleShareOfHubDistance = 0.5714285714285714;  // 4/7

QRegion EllipseIn(int left, int top, int right, int bottom) {
    const QRect rect = EdgeRect(left, top, right, bottom);
    return rect.isEmpty() ? QRegion() : QRegion(rect, QRegion::Ellipse);
}

}  // namespace

QVector<SurfaceImageArea> CMyDiscButton::ImageAreas(const QRect& target) const {
    if (params.imagePath.isEmpty()) {
        return {};
    }
    return {SurfaceImageArea{params.imageBlock, params.imagePath, params.imagePlacement, target}};
}

int CMyDiscButton::hubRadius() const {
    return ScaleLength(params.hubDiameterPx, params.xScale) / 2;
}

void CMyDiscButton::DrawSurface(QPainter& painter, const QRect& target) {
    const SurfaceEdges e(target);
    const int dpi = DeviceDpiY(painter);
    const QRegion disc = EllipseIn(e.L, e.T, e.R, e.B);
    if (disc.isEmpty()) {
        return;
    }
    // Nothing of the label is ever drawn outside the disc.
    painter.setClipRegion(disc, Qt::IntersectClip);
    painter.fillRect(target, ToQColor(params.backgroundColor));
    for (const SurfaceImageArea& area : ImageAreas(target)) {
        DrawSurfaceImage(painter, area.path, area.dest, area.placement);
    }
    DrawTexts(painter, e, dpi);
    if (params.showBorder) {
        // The outline lies on the disc's own edge; the polygonal clip region
        // would cut it into dashes, so it is drawn unclipped.
        painter.save();
        painter.setClipping(false);
        OutlineEllipse(painter, e.L, e.T, e.R - 1, e.B - 1);
        painter.restore();
    }
    DrawHub(painter, e);
}

int CMyDiscButton::TitleTop(const SurfaceEdges& e) const {
    const int toHub = e.H / 2 - hubRadius();
    const int top = static_cast<int>(toHub * kTitleShareOfHubDistance + e.T);
    return top < 0 ? static_cast<int>(e.T + e.H * 0.25) : top;
}

void CMyDiscButton::DrawTexts(QPainter& painter, const SurfaceEdges& e, int dpi) const {
    const TextFrame frame = TextFrame::For(params, dpi);
    painter.setFont(TextFontFor(params.font, params.fontRefDpi, frame.layoutDpi(), 1.0));
    painter.setPen(ToQColor(params.textColor));
    const QRect titleArea = EdgeRect(e.L, TitleTop(e), e.R, e.B);
    {
        const TextFrame::Scope scope(painter, frame, titleArea);
        QRect titleRect = frame.toLayout(titleArea);
        DrawTitle(painter, titleRect, params.title, params.textAlign);
        if (params.isTrackListing) {
            TrackColumnsPainter::Parse(params.text).Draw(painter, titleRect, kSecondColumnFactor);
            return;
        }
    }
    // The text's place is fixed below the hub, whatever the title's length.
    const int textTop = e.T + e.H / 2 + hubRadius() + frame.deviceY(kTextGapBelowHub);
    const QRect textArea = EdgeRect(e.L, textTop, e.R, e.B);
    const TextFrame::Scope scope(painter, frame, textArea);
    DrawAlignedText(painter, frame.toLayout(textArea), params.text, params.textAlign);
}

void CMyDiscButton::DrawHub(QPainter& painter, const SurfaceEdges& e) const {
    const int g = hubRadius();
    const int left = e.L + e.W / 2 - g;
    const int top = e.T + e.H / 2 - g;
    const int right = e.L + e.W / 2 + g;
    const int bottom = e.T + e.H / 2 + g;
    if (!params.printOverInnerCircleDisc) {
        const QRegion hub = EllipseIn(left, top, right, bottom);
        if (!hub.isEmpty()) {
            painter.save();
            painter.setClipRegion(hub, Qt::IntersectClip);
            painter.fillRect(EdgeRect(left, top, right, bottom), Qt::white);
            painter.restore();
        }
    }
    if (params.showBorder) {
        OutlineEllipse(painter, left, top, right, bottom);
    }
}

}  // namespace casewright
