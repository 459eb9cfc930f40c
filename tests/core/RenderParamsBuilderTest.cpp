#include <gtest/gtest.h>

#include "print/PageLayouts.h"
#include "render/PreviewParamsBuilder.h"

namespace casewright {

namespace {

CoverDocument Design(int coverType) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    doc.geometry = MakeCoverLayout(*LayoutForCoverType(coverType), PrinterAdjustment());
    return doc;
}

}  // namespace

TEST(RenderParamsBuilder, StandardCdSurfacesTakeTheirOwnValues) {
    CoverDocument doc = Design(CoverTypeStandardCD);
    doc.fCoverTitle = "Front";
    doc.fCoverAlign = RIGHT;
    doc.fImagePath = "/f.png";
    doc.bImagePath = "/b.png";
    doc.bCoverTitle = "ignored";
    doc.bCoverAlign = CENTER;
    doc.frontCoverSpineText = "front spine";
    doc.backCoverSpineText = "back spine";
    doc.bFrontPrintOverSpines = false;

    const PreviewParams front = BuildPreviewParams(doc, SurfaceKind::StandardFront, 96);
    EXPECT_EQ(front.refWidth, 454);  // 4.735 in
    EXPECT_EQ(front.refHeight, 454);
    EXPECT_EQ(front.spineWidthPx, 0);
    EXPECT_EQ(front.title, "Front");
    EXPECT_EQ(front.textAlign, RIGHT);
    EXPECT_EQ(front.imagePath, "/f.png");
    EXPECT_EQ(front.spineText, "front spine");
    EXPECT_FALSE(front.printOverSpines);
    EXPECT_FALSE(front.isTrackListing);
    EXPECT_DOUBLE_EQ(front.textMarginLeft, 0.1);
    EXPECT_DOUBLE_EQ(front.xScale, 1.0);

    const PreviewParams back = BuildPreviewParams(doc, SurfaceKind::StandardBack, 96);
    EXPECT_EQ(back.refWidth, 568);  // 5.925 in
    EXPECT_EQ(back.refHeight, 444);
    EXPECT_EQ(back.spineWidthPx, 24);
    EXPECT_TRUE(back.title.isEmpty());
    EXPECT_EQ(back.textAlign, LEFT);
    EXPECT_TRUE(back.isTrackListing);
    EXPECT_EQ(back.imagePath, "/b.png");
    EXPECT_EQ(back.spineText, "back spine");
    EXPECT_TRUE(back.printOverSpines);

    const PreviewParams printed = BuildPreviewParams(doc, SurfaceKind::StandardBack, 600);
    EXPECT_EQ(printed.refWidth, 3555);
    EXPECT_EQ(printed.spineWidthPx, 150);
}

TEST(RenderParamsBuilder, DvdWrapCarriesBothSidesAndItsMargins) {
    CoverDocument doc = Design(CoverTypeStandardDVD);
    doc.CoverOption = 1;
    doc.fImagePath = "/f.png";
    doc.bImagePath = "/b.png";
    doc.sImagePath = "/s.png";
    doc.fCoverTitle = "Front";
    doc.bCoverTitle = "Back";
    doc.bCoverAlign = CENTER;
    const PreviewParams standard = BuildPreviewParams(doc, SurfaceKind::DvdWrap, 96);
    EXPECT_EQ(standard.refWidth, 1030);
    EXPECT_EQ(standard.refHeight, 691);
    EXPECT_EQ(standard.spineWidthPx, 51);
    EXPECT_EQ(standard.imageMode, 1);
    EXPECT_EQ(standard.frontImagePath, "/f.png");
    EXPECT_EQ(standard.backImagePath, "/b.png");
    EXPECT_EQ(standard.stretchImagePath, "/s.png");
    EXPECT_EQ(standard.frontTitle, "Front");
    EXPECT_EQ(standard.title, "Back");
    EXPECT_EQ(standard.textAlign, CENTER);
    EXPECT_DOUBLE_EQ(standard.frontTextLeft, 5.85);
    EXPECT_DOUBLE_EQ(standard.frontTextTop, 0.25);
    EXPECT_DOUBLE_EQ(standard.textMarginLeft, 0.25);
    EXPECT_FALSE(standard.narrowSpineText);

    const PreviewParams slim =
        BuildPreviewParams(Design(CoverTypeSlimlineDVD), SurfaceKind::DvdWrap, 96);
    EXPECT_EQ(slim.refWidth, 1013);  // 10.561 in
    EXPECT_EQ(slim.spineWidthPx, 26);
    EXPECT_DOUBLE_EQ(slim.frontTextLeft, 5.64);
    EXPECT_TRUE(slim.narrowSpineText);
}

TEST(RenderParamsBuilder, SlimlineInsertHasItsStripsAndNoTitle) {
    CoverDocument doc = Design(CoverTypeSlimlineCD);
    doc.bCoverTitle = "not on the insert";
    doc.bBackPrintOverSpines = false;
    const PreviewParams p = BuildPreviewParams(doc, SurfaceKind::SlimlineInsert, 96);
    EXPECT_EQ(p.refWidth, 589);
    EXPECT_EQ(p.refHeight, 457);
    EXPECT_EQ(p.spineWidthPx, 11);
    EXPECT_EQ(p.spineOffsetPx, 56);
    EXPECT_EQ(p.cutoutWidthPx, 136);
    EXPECT_EQ(p.cutoutHeightPx, 7);
    EXPECT_TRUE(p.title.isEmpty());
    EXPECT_FALSE(p.printOverSpines);
    EXPECT_DOUBLE_EQ(p.textMarginLeft, 0.84);
    EXPECT_DOUBLE_EQ(p.textMarginTop, 0.25);
}

TEST(RenderParamsBuilder, DiscIsAlwaysCentredWithItsHub) {
    CoverDocument doc = Design(CoverTypeStandardCD);
    doc.dCoverAlign = LEFT;
    doc.dCoverTitle = "Disc";
    doc.printOverInnerCircleDisc = false;
    const PreviewParams p = BuildPreviewParams(doc, SurfaceKind::Disc, 96);
    EXPECT_EQ(p.refWidth, 449);  // 4.685 in
    EXPECT_EQ(p.hubDiameterPx, 77);
    EXPECT_EQ(p.textAlign, CENTER);
    EXPECT_FALSE(p.isTrackListing);
    EXPECT_FALSE(p.printOverInnerCircleDisc);
    EXPECT_EQ(p.title, "Disc");
    EXPECT_EQ(p.font, doc.dCoverTextFont);

    // Label sheets bring their own hole size.
    doc.geometry = MakeCoverLayout(LayoutAvery, PrinterAdjustment());
    EXPECT_EQ(BuildPreviewParams(doc, SurfaceKind::Disc, 600).hubDiameterPx, 969);
}

}  // namespace casewright
