#include <gtest/gtest.h>
#include <QPainter>
#include <functional>

#include "RenderTestHelpers.h"
#include "print/PageLayouts.h"
#include "render/CoverPainter.h"
#include "render/DevicePixels.h"
#include "render/PreviewParamsBuilder.h"
#include "render/SurfaceRenderer.h"

namespace casewright {

using namespace render_test;

namespace {

// A text that fits on screen must fit on paper: every text takes the same
// share of its surface in the designer's preview as on the printed sheet.
// Each surface is drawn at the size of its preview control on screens of
// several resolutions and at printer resolutions, and the extents of the
// text's ink, relative to the surface, must agree within 1 % of the
// surface's width.

struct Surface {
    const char* name;
    int coverType;
    CoverSide side;
    int widthUnits;   // the preview control, in dialog units
    int heightUnits;  // 0: 0.685 of the width, as the DVD preview
};

const Surface kSurfaces[] = {
    {"StandardFront", CoverTypeStandardCD, CoverSide::Front, 240, 214},
    {"StandardBack", CoverTypeStandardCD, CoverSide::Back, 287, 214},
    {"StandardDvd", CoverTypeStandardDVD, CoverSide::Back, 338, 0},
    {"SlimlineDvd", CoverTypeSlimlineDVD, CoverSide::Back, 338, 0},
    {"SlimlineInsert", CoverTypeSlimlineCD, CoverSide::Back, 292, 201},
    {"Disc", CoverTypeStandardCD, CoverSide::Disc, 240, 214},
};

using TextSetter = std::function<void(CoverDocument&)>;

struct Text {
    const char* name;
    TextSetter set;
};

QString Tracks() {
    QString listing;
    for (int track = 1; track <= 14; ++track) {
        listing += QStringLiteral(
                       "[DELIM]%1[/DELIM][DELIM]Track number %1 title[/DELIM]"
                       "[DELIM]3:%2[/DELIM]\n\r")
                       .arg(track)
                       .arg(track + 10);
    }
    return listing;
}

// Every text goes to all three surfaces; a surface that does not show it
// has no ink and is skipped.
const Text kTexts[] = {
    {"Title",
     [](CoverDocument& d) {
         d.fCoverTitle = d.bCoverTitle = d.dCoverTitle = QStringLiteral("Live at the Grand Hall");
     }},
    {"LinesBelowATitle",
     [](CoverDocument& d) {
         d.fCoverTitle = d.bCoverTitle = d.dCoverTitle = QStringLiteral("Title");
         d.fCoverText = d.bCoverText = d.dCoverText =
             QStringLiteral("First line of the text\r\nSecond line\r\nThird line, longer here");
     }},
    {"RightAligned",
     [](CoverDocument& d) {
         d.fCoverAlign = d.bCoverAlign = RIGHT;
         d.fCoverText = d.bCoverText = QStringLiteral("Recorded live\r\nin 2026");
     }},
    {"SpineText",
     [](CoverDocument& d) {
         d.frontCoverSpineText = d.backCoverSpineText = QStringLiteral("Artist - Album (2026)");
     }},
    {"TrackListing", [](CoverDocument& d) { d.bCoverText = Tracks(); }},
};

constexpr int kScreenDpis[] = {72, 96, 192};
constexpr int kPaperDpis[] = {300, 600};

const QColor kTextColor(255, 0, 0);

CoverDocument Design(const Surface& surface, const Text& text) {
    CoverDocument doc;
    doc.ResetToNewDesign(surface.coverType);
    doc.geometry = MakeCoverLayout(*LayoutForCoverType(surface.coverType), PrinterAdjustment());
    doc.fShowBorder = doc.bShowBorder = doc.dShowBorder = false;
    doc.fCoverTextColor = doc.bCoverTextColor = doc.dCoverTextColor = FromQColor(kTextColor);
    text.set(doc);
    return doc;
}

// The box of the text's ink as shares of the surface's width (x) and of
// its height (y); empty when nothing is inked. Half-covered pixels count,
// so that thin strokes at small sizes are not lost.
QRectF InkShare(const QImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(line[x]) - qGreen(line[x]) > 96) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    if (right < 0) {
        return QRectF();
    }
    const double w = image.width(), h = image.height();
    return QRectF(QPointF(left / w, top / h), QPointF(right / w, bottom / h));
}

// The surface as the designer's preview shows it on a screen of `dpi`.
QImage Preview(const CoverDocument& doc, const Surface& surface, int dpi) {
    const SurfaceKind kind = *SurfaceFor(surface.coverType, surface.side);
    const int width = qRound(surface.widthUnits * 1.5 * dpi / 96.0);
    const int height = surface.heightUnits ? qRound(surface.heightUnits * 1.625 * dpi / 96.0)
                                           : static_cast<int>(width * 0.685);
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    painter->params = BuildPreviewParams(doc, kind, dpi);
    painter->params.xScale = double(width) / painter->params.refWidth;
    painter->params.yScale = double(height) / painter->params.refHeight;
    QImage canvas = Canvas(width, height, dpi, Qt::white);
    Paint(*painter, canvas);
    return canvas;
}

class RenderTextShare : public ::testing::TestWithParam<std::tuple<int, int>> {};

}  // namespace

TEST_P(RenderTextShare, TextTakesTheSameShareOfItsSurfaceOnScreenAsOnPaper) {
    const Surface& surface = kSurfaces[std::get<0>(GetParam())];
    const Text& text = kTexts[std::get<1>(GetParam())];
    const CoverDocument doc = Design(surface, text);
    const SurfaceKind kind = *SurfaceFor(surface.coverType, surface.side);
    for (int paperDpi : kPaperDpis) {
        const QImage paper = RenderSurface(doc, kind, paperDpi, LogFont::kHeightDpi);
        const QRectF printed = InkShare(paper);
        if (printed.isEmpty()) {
            return;  // this surface does not show this text
        }
        // Vertical differences in units of the width, as the horizontal ones.
        const double heightInWidths = double(paper.height()) / paper.width();
        for (int screenDpi : kScreenDpis) {
            SCOPED_TRACE(testing::Message()
                         << "paper " << paperDpi << " dpi, screen " << screenDpi << " dpi");
            const QRectF shown = InkShare(Preview(doc, surface, screenDpi));
            ASSERT_FALSE(shown.isEmpty());
            EXPECT_NEAR(shown.left(), printed.left(), 0.01);
            EXPECT_NEAR(shown.right(), printed.right(), 0.01);
            EXPECT_NEAR(shown.top() * heightInWidths, printed.top() * heightInWidths, 0.01);
            EXPECT_NEAR(shown.bottom() * heightInWidths, printed.bottom() * heightInWidths, 0.01);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllSurfacesAndTexts, RenderTextShare,
                         ::testing::Combine(::testing::Range(0, int(std::size(kSurfaces))),
                                            ::testing::Range(0, int(std::size(kTexts)))),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
                             return std::string(kSurfaces[std::get<0>(info.param)].name) +
                                    kTexts[std::get<1>(info.param)].name;
                         });

// The font heights of a design are pixels at 96 dpi on every device: a
// painter given no other reference draws a 12-point title 12 points high at
// any resolution, not at the size those pixels would have on the device.
TEST(RenderFontReference, HeightsArePixelsAt96DpiOnEveryDevice) {
    double pointsAt[2] = {0, 0};
    int i = 0;
    for (int dpi : {96, 192}) {
        std::unique_ptr<CoverPainter> painter = MakeCoverPainter(SurfaceKind::StandardFront);
        PreviewParams& p = painter->params;
        p.refWidth = p.refHeight = InchesToPixels(4.735, dpi);
        p.showBorder = false;
        p.fontRefDpi = -1;  // none set: the fixed reference applies
        p.font.setFaceName(QStringLiteral("Arial"));
        p.font.height = FontHeightAt96(12);
        p.title = QStringLiteral("HHHH");
        QImage canvas = Canvas(p.refWidth, p.refHeight, dpi, Qt::white);
        Paint(*painter, canvas);
        const QRect ink = InkBox(canvas, canvas.rect(), Qt::black);
        ASSERT_FALSE(ink.isNull()) << dpi;
        // A capital H of Arial is 0.716 of the em.
        pointsAt[i++] = ink.height() * 72.0 / dpi / 0.716;
    }
    EXPECT_NEAR(pointsAt[0], 12, 0.8);
    EXPECT_NEAR(pointsAt[1], 12, 0.8);
}

}  // namespace casewright
