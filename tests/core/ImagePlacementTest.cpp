#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

#include "RenderTestHelpers.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"
#include "render/CDVDCoverButton.h"
#include "render/CropDrag.h"
#include "render/ImagePlacementGeometry.h"
#include "render/ImageResolution.h"
#include "render/ScaledImageCache.h"
#include "render/SurfaceDrawing.h"

namespace casewright {

using namespace render_test;

namespace {

const QColor kBackground(0, 0, 200);
const QColor kTop(220, 0, 0);
const QColor kBottom(0, 220, 0);

ImagePlacement Placed(ImageFit fit, int cropX = 0, int cropY = 0) {
    ImagePlacement placement;
    placement.fit = fit;
    placement.cropX = cropX;
    placement.cropY = cropY;
    return placement;
}

TEST(ImagePlacementGeometry, PutsThePictureWhereEachModeSays) {
    const QRect dest(10, 20, 300, 200);
    const struct {
        const char* name;
        QSize image;
        ImagePlacement placement;
        QRect expected;
    } cases[] = {
        {"stretch ignores the aspect", {100, 100}, Placed(ImageFit::Stretch), dest},
        {"square fitted: centred across", {100, 100}, Placed(ImageFit::Fit), {60, 20, 200, 200}},
        {"tall fitted", {50, 200}, Placed(ImageFit::Fit), {135, 20, 50, 200}},
        {"wide fitted: centred down", {600, 100}, Placed(ImageFit::Fit), {10, 95, 300, 50}},
        {"square filled: cut evenly", {100, 100}, Placed(ImageFit::Fill), {10, -30, 300, 300}},
        {"filled, top edge shown", {100, 100}, Placed(ImageFit::Fill, 0, -500), {10, 20, 300, 300}},
        {"filled, bottom edge shown",
         {100, 100},
         Placed(ImageFit::Fill, 0, 500),
         {10, -80, 300, 300}},
        {"wide filled, moved left",
         {600, 100},
         Placed(ImageFit::Fill, 250, 0),
         {-665, 20, 1200, 200}},
        {"same aspect: no overflow", {150, 100}, Placed(ImageFit::Fill, 500, 500), dest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlacedImageRect(c.image, dest, c.placement), c.expected);
    }
    EXPECT_TRUE(PlacedImageRect(QSize(), dest, Placed(ImageFit::Fit)).isEmpty());
}

TEST(ImagePlacementGeometry, DraggingMovesTheCropAndStopsAtTheEdges) {
    const QRect dest(0, 0, 300, 200);
    const QSize square(100, 100);  // filled: 300 x 300, 100 pixels over
    const struct {
        const char* name;
        ImagePlacement from;
        QPoint delta;
        int cropY;
    } cases[] = {
        {"down by half the overflow shows the top", Placed(ImageFit::Fill), {0, 50}, -500},
        {"up by a quarter", Placed(ImageFit::Fill), {0, -25}, 250},
        {"far past the edge stops there", Placed(ImageFit::Fill), {0, -900}, 500},
        {"across, where nothing overflows", Placed(ImageFit::Fill, 0, 100), {40, 0}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImagePlacement moved = DraggedPlacement(c.from, square, dest, c.delta);
        EXPECT_EQ(moved.cropY, c.cropY);
        EXPECT_EQ(moved.cropX, 0);
    }
    EXPECT_EQ(DraggedPlacement(Placed(ImageFit::Fit), square, dest, {0, 50}),
              Placed(ImageFit::Fit));
}

TEST(ImagePlacementGeometry, CropDragFollowsTheFilledPictureUnderThePointer) {
    const QVector<SurfaceImageArea> areas = {
        {CoverFileFormat::BackBlock, "back", Placed(ImageFit::Stretch), QRect(0, 0, 100, 200)},
        {CoverFileFormat::FrontBlock, "front", Placed(ImageFit::Fill), QRect(100, 0, 300, 200)},
    };
    const auto size = [](const QString&) { return QSize(100, 100); };
    CropDrag drag;
    EXPECT_FALSE(drag.start(areas, QPoint(50, 50), size)) << "a stretched picture has no crop";
    EXPECT_FALSE(drag.moveTo(QPoint(60, 60)));
    ASSERT_TRUE(drag.start(areas, QPoint(150, 50), size));
    const auto moved = drag.moveTo(QPoint(150, 100));
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->first, CoverFileFormat::FrontBlock);
    EXPECT_EQ(moved->second.cropY, -500);
}

// A whole-wrap DVD picture drawn at pixel level in each mode.
class PlacedWrap : public ::testing::Test {
protected:
    void SetUp() override {
        auto& p = cover.params;
        p.refWidth = 400;
        p.refHeight = 200;
        p.backgroundColor = FromQColor(kBackground);
        p.showBorder = false;
        p.imageMode = CDVDCoverButton::kImageModeWholeWrap;
        // 100 x 100: the top half one colour, the bottom half another.
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(kTop);
        QPainter(&picture).fillRect(0, 50, 100, 50, kBottom);
        p.stretchImagePath = dir.filePath("halves.png");
        ASSERT_TRUE(picture.save(p.stretchImagePath));
    }
    QImage Draw(const ImagePlacement& placement) {
        cover.params.stretchImagePlacement = placement;
        QImage canvas = Canvas(400, 200, kScreenDpi);
        Paint(cover, canvas);
        return canvas;
    }
    static bool Near(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) < 30 && std::abs(a.green() - b.green()) < 30 &&
               std::abs(a.blue() - b.blue()) < 30;
    }

    QTemporaryDir dir;
    CDVDCoverButton cover;
};

TEST_F(PlacedWrap, StretchCoversTheWholeWrap) {
    const QImage image = Draw(Placed(ImageFit::Stretch));
    EXPECT_TRUE(Near(At(image, 0, 0), kTop));
    EXPECT_TRUE(Near(At(image, 399, 98), kTop));
    EXPECT_TRUE(Near(At(image, 0, 102), kBottom));
    EXPECT_TRUE(Near(At(image, 399, 199), kBottom));
}

TEST_F(PlacedWrap, FitCentresThePictureWithTheBackgroundAround) {
    const QImage image = Draw(Placed(ImageFit::Fit));
    // 200 x 200 at x 100..299.
    for (const int x : {0, 99, 300, 399}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(At(image, x, 10), kBackground);
        EXPECT_EQ(At(image, x, 190), kBackground);
    }
    EXPECT_TRUE(Near(At(image, 100, 0), kTop));
    EXPECT_TRUE(Near(At(image, 299, 97), kTop));
    EXPECT_TRUE(Near(At(image, 100, 103), kBottom));
    EXPECT_TRUE(Near(At(image, 299, 199), kBottom));
}

TEST_F(PlacedWrap, FillCoversTheWrapAndTheCropPicksTheRows) {
    // Filled: 400 x 400, 200 rows over; the colours meet 200 rows below the
    // picture's top.
    const struct {
        const char* name;
        int cropY;
        int meetAt;  // first row of the bottom colour on the wrap
    } cases[] = {
        {"cut evenly", 0, 100},
        {"top edge shown", -500, 200},
        {"a quarter toward the bottom", 250, 50},
        {"bottom edge shown", 500, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = Draw(Placed(ImageFit::Fill, 0, c.cropY));
        for (const int x : {0, 200, 399}) {
            if (c.meetAt > 2) {
                EXPECT_TRUE(Near(At(image, x, 0), kTop));
                EXPECT_TRUE(Near(At(image, x, c.meetAt - 3), kTop));
            }
            if (c.meetAt < 197) {
                EXPECT_TRUE(Near(At(image, x, c.meetAt + 2), kBottom));
                EXPECT_TRUE(Near(At(image, x, 199), kBottom));
            }
        }
    }
}

TEST(SmoothScaling, ShrinkingAveragesAndEnlargingInterpolates) {
    ScaledImageCache::instance().clear();
    // A one-pixel checkerboard shrunk to a quarter: every pixel a mid grey.
    QImage board(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            board.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    QImage small = Canvas(16, 16, kScreenDpi);
    {
        QPainter painter(&small);
        DrawPlacedImage(painter, board, small.rect(), ImagePlacement());
    }
    for (const QPoint at : {QPoint(0, 0), QPoint(7, 8), QPoint(15, 15)}) {
        SCOPED_TRACE(at.x());
        EXPECT_NEAR(At(small, at.x(), at.y()).red(), 128, 20);
    }

    // Two pixels, black and white, blown up: a ramp, not two blocks.
    QImage two(2, 1, QImage::Format_RGB32);
    two.setPixel(0, 0, qRgb(0, 0, 0));
    two.setPixel(1, 0, qRgb(255, 255, 255));
    QImage large = Canvas(100, 10, kScreenDpi);
    {
        QPainter painter(&large);
        DrawPlacedImage(painter, two, large.rect(), ImagePlacement());
    }
    int previous = -1;
    int intermediate = 0;
    for (int x = 0; x < 100; x += 5) {
        const int red = At(large, x, 5).red();
        EXPECT_GE(red, previous) << x;
        previous = red;
        intermediate += red > 30 && red < 225 ? 1 : 0;
    }
    EXPECT_GE(intermediate, 6);
    EXPECT_NEAR(At(large, 50, 5).red(), 128, 40);
    EXPECT_EQ(ScaledImageCache::instance().entryCount(), 2);
}

TEST(ImageResolutionWarning, TellsPicturesBelow150PpiAtTheirPrintedSize) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD);
    doc.geometry.frontWidth = 4.7;
    doc.geometry.frontHeight = 4.7;
    doc.fImagePath = QStringLiteral("front.png");
    const struct {
        const char* name;
        QSize pixels;
        ImageFit fit;
        QStringList expected;
    } cases[] = {
        {"300 pixels over 4.7 inches",
         {300, 300},
         ImageFit::Stretch,
         {"Front image: 63 ppi, will look blurred"}},
        {"just below", {704, 704}, ImageFit::Stretch, {"Front image: 149 ppi, will look blurred"}},
        {"just enough", {706, 706}, ImageFit::Stretch, {}},
        {"stretched: the thinner axis counts",
         {1000, 600},
         ImageFit::Stretch,
         {"Front image: 127 ppi, will look blurred"}},
        {"fitted: shrunk to its wider axis", {1000, 600}, ImageFit::Fit, {}},
        {"filled: enlarged to its narrower axis",
         {1000, 600},
         ImageFit::Fill,
         {"Front image: 127 ppi, will look blurred"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc.fImagePlacement.fit = c.fit;
        const QSize pixels = c.pixels;
        EXPECT_EQ(LowResolutionWarnings(doc, {SurfaceKind::StandardFront},
                                        [pixels](const QString&) { return pixels; }),
                  c.expected);
    }
}

// The placement fields of a cover file.
class PlacementFields : public ::testing::Test {
protected:
    static CoverDocument Design() {
        CoverDocument doc;
        doc.ResetToNewDesign(CoverTypeStandardDVD, 96);
        doc.fCoverTitle = QStringLiteral("Title");
        return doc;
    }
    static CoverDocument Parsed(const QByteArray& bytes) {
        CoverDocument doc = Design();
        doc.bImagePlacement = Placed(ImageFit::Fit);  // whatever came before
        EXPECT_TRUE(ParseCoverFile(bytes, doc, 96));
        return doc;
    }
};

TEST_F(PlacementFields, RoundTripEveryPicture) {
    CoverDocument doc = Design();
    doc.fImagePlacement = Placed(ImageFit::Fill, -120, 500);
    doc.bImagePlacement = Placed(ImageFit::Fit);
    doc.sImagePlacement = Placed(ImageFit::Fill, 0, -500);
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(
        text.endsWith("[fImagePlacement]=FILL[ENDfImagePlacement][fImageCropX]=-120[ENDfImageCropX]"
                      "[fImageCropY]=500[ENDfImageCropY][bImagePlacement]=FIT[ENDbImagePlacement]"
                      "[sImagePlacement]=FILL[ENDsImagePlacement][sImageCropX]=0[ENDsImageCropX]"
                      "[sImageCropY]=-500[ENDsImageCropY][END]"))
        << text.toStdString();
    const CoverDocument read = Parsed(text + "[IMAGE1][ENDIMAGE1]");
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        SCOPED_TRACE(block);
        EXPECT_EQ(read.imagePlacement(block), doc.imagePlacement(block));
    }
}

TEST_F(PlacementFields, StretchedPicturesWriteTodaysBytes) {
    CoverDocument doc = Design();
    const QByteArray before = CoverFileTextSection(doc);
    doc.fImagePlacement.cropX = 300;  // a crop alone changes nothing drawn
    doc.bImagePlacement = Placed(ImageFit::Fit);
    doc.bImagePlacement = ImagePlacement();
    EXPECT_EQ(CoverFileTextSection(doc), before);
    EXPECT_FALSE(before.contains("Placement"));
    EXPECT_FALSE(before.contains("Crop"));
}

TEST_F(PlacementFields, MissingOrOddFieldsReadAsStretchedAndCropsStayInRange) {
    const struct {
        const char* name;
        QByteArray fields;
        ImagePlacement back;
    } cases[] = {
        {"no fields", "", ImagePlacement()},
        {"unknown word", "[bImagePlacement]=TILE[ENDbImagePlacement]", ImagePlacement()},
        {"lower case", "[bImagePlacement]=fit[ENDbImagePlacement]", Placed(ImageFit::Fit)},
        {"crop out of range",
         "[bImagePlacement]=FILL[ENDbImagePlacement][bImageCropX]=90000[ENDbImageCropX]"
         "[bImageCropY]=-7[ENDbImageCropY]",
         Placed(ImageFit::Fill, 500, -7)},
        {"a crop without fill", "[bImageCropX]=40[ENDbImageCropX]", ImagePlacement()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CoverDocument doc =
            Parsed("[BEGIN][covertype]=2[ENDcovertype]" + c.fields + "[END][IMAGE1][ENDIMAGE1]");
        EXPECT_EQ(doc.bImagePlacement, c.back);
        EXPECT_EQ(doc.fImagePlacement, ImagePlacement());
    }
}

TEST_F(PlacementFields, ATextHoldingAPlacementTagCannotSetIt) {
    CoverDocument doc = Design();
    doc.fCoverTitle = QStringLiteral("[bImagePlacement]=FILL[ENDbImagePlacement]");
    const CoverDocument read = Parsed(CoverFileTextSection(doc));
    EXPECT_EQ(read.bImagePlacement, ImagePlacement());
    EXPECT_EQ(read.fCoverTitle, doc.fCoverTitle);
}

}  // namespace

}  // namespace casewright
