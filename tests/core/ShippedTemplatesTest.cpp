#include <gtest/gtest.h>

#include "RenderTestHelpers.h"
#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "images/FreeImageSession.h"
#include "images/ImageLoader.h"
#include "images/TemplateCaseFilter.h"
#include "images/TemplateFolderScanner.h"
#include "images/TemplatePicker.h"
#include "print/PageLayouts.h"
#include "render/CoverPainter.h"
#include "render/ImageResolution.h"
#include "render/PreviewParamsBuilder.h"

namespace casewright {

using namespace render_test;

namespace {

const int kCaseTypes[] = {CoverTypeStandardCD, CoverTypeSlimlineCD, CoverTypeStandardDVD,
                          CoverTypeSlimlineDVD};

class ShippedTemplatesTest : public ::testing::Test {
protected:
    // A new design of `coverType` with shipped template `index` of those
    // listed for it applied, as the Templates window does.
    void apply(int coverType, int index) {
        CoverDocument start;
        start.ResetToNewDesign(coverType);
        start.geometry = MakeCoverLayout(*LayoutForCoverType(coverType), PrinterAdjustment());
        design.startWith(start);
        TemplatePicker picker(&design, coverType, listed(coverType), CheckImageFile);
        ASSERT_TRUE(picker.applyClicked(index));
    }

    QVector<TemplateEntry> listed(int coverType) const {
        return TemplateCaseFilter::forCoverType(scan.entries, coverType);
    }

    FreeImageSession session;
    const TemplateScan scan = TemplateFolderScanner::scan({CASEWRIGHT_SHIPPED_TEMPLATES});
    CoverDocument document;
    CoverDesign design{document};
};

}  // namespace

// Each case lists the eight starter themes drawn for it, and every picture
// they put on a surface has that surface's shape and prints sharp on it.
TEST_F(ShippedTemplatesTest, EveryListedTemplateFitsItsSurfacesUndistortedAndSharp) {
    ASSERT_TRUE(scan.errors.isEmpty());
    constexpr int kMeasureDpi = 600;
    for (const int type : kCaseTypes) {
        ASSERT_EQ(listed(type).size(), 8) << type;
        for (int index = 0; index < 8; ++index) {
            SCOPED_TRACE(QStringLiteral("type %1, %2")
                             .arg(type)
                             .arg(listed(type)[index].backFileName)
                             .toStdString());
            apply(type, index);
            for (const SurfaceKind kind : PrintedSurfaces(type)) {
                std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
                painter->params = BuildPreviewParams(document, kind, kMeasureDpi);
                const QRect target(0, 0, painter->params.refWidth, painter->params.refHeight);
                const QVector<SurfaceImageArea> areas = painter->ImageAreas(target);
                ASSERT_EQ(areas.size(), 1) << "every surface gets its picture";
                const QSize pixels = DrawnPictureSize(areas[0].path);
                ASSERT_FALSE(pixels.isEmpty());
                const double pictureShape = double(pixels.width()) / pixels.height();
                const double surfaceShape = double(areas[0].dest.width()) / areas[0].dest.height();
                // The slimline cases take the standard pictures, 1.6 % off at most.
                EXPECT_NEAR(pictureShape / surfaceShape, 1.0, 0.02) << areas[0].path.toStdString();
                EXPECT_TRUE(LowResolutionImages(document, kind, DrawnPictureSize).isEmpty());
            }
        }
    }
}

// The DVD pictures are drawn for the wrap: laid over it, their spine band
// lies on the case's spine, not somewhere across the back or front.
TEST_F(ShippedTemplatesTest, DvdPictureSpineBandLiesOnTheWrapSpine) {
    constexpr int kDpi = 100;
    const auto columnColour = [](const QImage& image, int x) {
        long sum[3] = {0, 0, 0};
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = At(image, x, y);
            sum[0] += c.red();
            sum[1] += c.green();
            sum[2] += c.blue();
        }
        return QColor(sum[0] / image.height(), sum[1] / image.height(), sum[2] / image.height());
    };
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    for (int index = 0; index < 8; ++index) {
        apply(CoverTypeStandardDVD, index);
        SCOPED_TRACE(document.sImagePath.toStdString());
        std::unique_ptr<CoverPainter> wrap = MakeCoverPainter(SurfaceKind::DvdWrap);
        wrap->params = BuildPreviewParams(document, SurfaceKind::DvdWrap, kDpi);
        // Only the picture: no border, and no text across the spine.
        wrap->params.showBorder = false;
        wrap->params.spineText.clear();
        wrap->params.title.clear();
        wrap->params.text.clear();
        wrap->params.frontTitle.clear();
        wrap->params.frontText.clear();
        QImage image = Canvas(wrap->params.refWidth, wrap->params.refHeight, kDpi);
        Paint(*wrap, image);
        const int middle = image.width() / 2;
        const int halfSpine = wrap->params.spineWidthPx / 2;  // 27 pixels
        // Full in the spine's middle, gone past its edges on both sides.
        for (const int side : {-1, 1}) {
            const QColor inside = columnColour(image, middle + side * 8);
            const QColor outside = columnColour(image, middle + side * (halfSpine + 8));
            EXPECT_GT(distance(inside, outside), 24) << "side " << side;
        }
    }
}

}  // namespace casewright
