#include "document/CoverDocument.h"
#include "document/MulDiv.h"

#include <gtest/gtest.h>

namespace casewright {

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(18, 96, 72), 24);
    EXPECT_EQ(MulDiv(14, 96, 72), 19);  // 18.67
    EXPECT_EQ(MulDiv(12, 96, 72), 16);
    EXPECT_EQ(MulDiv(1, 3, 2), 2);    // 1.5 -> 2
    EXPECT_EQ(MulDiv(-1, 3, 2), -2);  // -1.5 -> -2
    EXPECT_EQ(MulDiv(5, 1, -2), -3);  // -2.5 -> -3
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);  // no overflow in the product
}

TEST(CoverDocument, ResetGivesDefaultFontHeightsPerCaseType) {
    CoverDocument doc;
    // Heights are pixels at 96 dpi unless a caller reads a file made for
    // another resolution.
    doc.ResetToNewDesign(CoverTypeStandardCD);
    EXPECT_EQ(doc.fCoverTextFont.height, -24);
    EXPECT_EQ(doc.bCoverTextFont.height, -24);
    EXPECT_EQ(doc.dCoverTextFont.height, -16);
    EXPECT_EQ(doc.fCoverTextFont.faceName, "Arial");

    doc.ResetToNewDesign(CoverTypeStandardDVD, 96);
    EXPECT_EQ(doc.fCoverTextFont.height, -19);
    EXPECT_EQ(doc.bCoverTextFont.height, -19);
    EXPECT_EQ(doc.dCoverTextFont.height, -16);

    doc.ResetToNewDesign(CoverTypeSlimlineDVD, 120);
    EXPECT_EQ(doc.bCoverTextFont.height, -30);
    EXPECT_EQ(doc.dCoverTextFont.height, -20);
}

TEST(CoverDocument, ResetClearsTheDesignButKeepsPointSizesAndStretchImage) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    doc.fCoverTitle = "Title";
    doc.dBGColor = 0x123456;
    doc.bCoverAlign = RIGHT;
    doc.dCoverAlign = LEFT;
    doc.bImagePath = "/tmp/a.jpg";
    doc.sImagePath = "/tmp/s.jpg";
    doc.fCoverTextPointSize = 240;
    doc.fCoverTextFont.charSet = 1;
    doc.backCoverSpinesOn = false;
    doc.coverChanged = true;

    doc.ResetToNewDesign(CoverTypeSlimlineCD, 96);
    EXPECT_EQ(doc.covertype, CoverTypeSlimlineCD);
    EXPECT_TRUE(doc.fCoverTitle.isEmpty());
    EXPECT_EQ(doc.dBGColor, kWhite);
    EXPECT_EQ(doc.bCoverAlign, LEFT);
    EXPECT_EQ(doc.dCoverAlign, CENTER);
    EXPECT_TRUE(doc.bImagePath.isEmpty());
    EXPECT_EQ(doc.sImagePath, "/tmp/s.jpg");
    EXPECT_EQ(doc.fCoverTextPointSize, 240);
    EXPECT_EQ(doc.fCoverTextFont.charSet, 0);
    EXPECT_TRUE(doc.backCoverSpinesOn);
    EXPECT_FALSE(doc.frontCoverSpinesOn);
    EXPECT_FALSE(doc.coverChanged);
}

TEST(CoverDocument, SurfaceAccessReachesTheFieldsOfEachSide) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    doc.surface(CoverSide::Front).title = "F";
    doc.surface(CoverSide::Back).bgColor = 7;
    doc.surface(CoverSide::Disc).showBorder = false;
    doc.surface(CoverSide::Disc).font.weight = 700;
    EXPECT_EQ(doc.fCoverTitle, "F");
    EXPECT_EQ(doc.bBGColor, 7u);
    EXPECT_FALSE(doc.dShowBorder);
    EXPECT_EQ(doc.dCoverTextFont.weight, 700);
    const CoverDocument& constDoc = doc;
    EXPECT_EQ(constDoc.surface(CoverSide::Front).align, LEFT);
}

TEST(LogFont, FaceNamesAreCutTo31Characters) {
    LogFont f;
    f.setFaceName(QString(40, 'x'));
    EXPECT_EQ(f.faceName.size(), 31);
}

TEST(LogFont, PointSizesAndHeightsConvertAt96DpiRoundingToTheNearest) {
    const struct {
        int tenths;
        int32_t height;
    } sizes[] = {{75, -10}, {120, -16}, {180, -24}, {140, -19}, {85, -11}, {10, -1}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.tenths);
        EXPECT_EQ(LogFont::HeightForPointTenths(s.tenths), s.height);
    }
    EXPECT_EQ(LogFont::PointTenthsForHeight(-16), 120);
    EXPECT_EQ(LogFont::PointTenthsForHeight(16), 120);   // a cell height reads alike
    EXPECT_EQ(LogFont::PointTenthsForHeight(-19), 143);  // 142.5, away from zero
    EXPECT_EQ(LogFont::PointTenthsForHeight(-10), 75);
    // Any height a file holds converts without overflow.
    EXPECT_EQ(LogFont::PointTenthsForHeight(INT32_MIN), INT32_MAX);
    LogFont huge;
    huge.height = INT32_MIN;
    EXPECT_EQ(huge.toQFont().pixelSize(), INT32_MAX);
}

}  // namespace casewright
