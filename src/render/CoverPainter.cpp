#include "render/CoverPainter.h"

#include <QImage>
#include <QPainter>

#include "render/DevicePixels.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceText.h"
#include "render/TextFrame.h"
#include "render/TrackColumnsPainter.h"

namespace casewright {

void CoverPainter::PaintPreview(QPainter& painter, const QRect& target) {
    if (params.fontRefDpi <= 0) {
        params.fontRefDpi = LogFont::kHeightDpi;
    }
    // Whatever the caller had set is put back afterwards; surfaces draw with
    // exact pixel edges. Pictures set their own smooth scaling.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    DrawSurface(painter, target);
    painter.restore();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawFrame(painter, target);
    painter.restore();
}

void CoverPainter::PrintInto(QPainter& painter, const QRect& target, int fontDpi) {
    params.fontRefDpi = fontDpi;
    PaintPreview(painter, target);
}

void CoverPainter::DrawFrame(QPainter&, const QRect&) {}

QVector<SurfaceImageArea> CoverPainter::ImageAreas(const QRect&) const {
    return {};
}

TrackListingFit CoverPainter::ListingFit(int) const {
    return {};
}

TrackListingFit CoverPainter::PaperListingFit(int deviceDpi) const {
    // Laid out at the resolution previews lay their texts out at, so that
    // rounding of line heights is the same as on most printers.
    constexpr int kDpi = TextFrame::kPreviewLayoutDpi;
    const double heightInches = params.heightInches > 0 ? params.heightInches
                                : deviceDpi > 0 ? static_cast<double>(params.refHeight) / deviceDpi
                                                : 0.0;
    QImage device(1, 1, QImage::Format_RGB32);
    SetImageDpi(device, kDpi);
    QPainter painter(&device);
    const ListingFont font{params.font, params.fontRefDpi, kDpi};
    painter.setFont(TextFontFor(font.font, font.fontRefDpi, kDpi, 1.0));
    int top = InchesToPixels(params.textMarginTop, kDpi);
    if (!params.title.isEmpty()) {
        top += LineHeight(painter);
    }
    const int bottom = InchesToPixels(heightInches, kDpi) -
                       InchesToPixels(TrackColumnsPainter::kBottomMarginInches, kDpi);
    return TrackColumnsPainter::Parse(params.text, params.showTotalTime)
        .Fit(painter, font, bottom - top);
}

}  // namespace casewright
