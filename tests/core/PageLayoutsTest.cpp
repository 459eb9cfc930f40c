#include "print/PageLayouts.h"

#include "app/SettingsStore.h"
#include "support/TestEnvironment.h"

namespace casewright {

class PageLayoutsTest : public IsolatedSettingsTest {};

TEST_F(PageLayoutsTest, UnadjustedLayoutsMatchTheTable) {
    const CoverGeometry cd = CoverLayout(LayoutStandardCD);
    EXPECT_DOUBLE_EQ(cd.frontWidth, 4.735);
    EXPECT_DOUBLE_EQ(cd.backWidth, 5.925);
    EXPECT_DOUBLE_EQ(cd.backTop, 5.48);
    EXPECT_DOUBLE_EQ(cd.backSpineWidth, 0.25);

    const CoverGeometry slim = CoverLayout(LayoutSlimlineCD);
    EXPECT_DOUBLE_EQ(slim.backWidth, 6.1417322772);
    EXPECT_DOUBLE_EQ(slim.slimSpineOffset, 0.5905511805);

    const CoverGeometry avery = CoverLayout(LayoutAvery);
    EXPECT_DOUBLE_EQ(avery.topLabelLeft, 1.9375);
    EXPECT_DOUBLE_EQ(avery.topLabelTop, 0.6875);
    EXPECT_DOUBLE_EQ(avery.bottomLabelTop, 5.6875);
    EXPECT_DOUBLE_EQ(avery.hubDiameter, 1.6154);

    const CoverGeometry pcLine = CoverLayout(LayoutPCLine);
    const CoverGeometry pressIt = CoverLayout(LayoutPressIT);
    EXPECT_DOUBLE_EQ(pcLine.bottomLabelLeft, pressIt.bottomLabelLeft);
    EXPECT_DOUBLE_EQ(CoverLayout(LayoutNeato).discHeight, 4.689);
    EXPECT_DOUBLE_EQ(CoverLayout(5).discWidth, 0.0);
}

TEST_F(PageLayoutsTest, ExpandCoverGrowsCoversAndMovesTheBackCoverDown) {
    PrinterAdjustment a;
    a.expandCoverMM = "2";
    const CoverGeometry g = MakeCoverLayout(LayoutStandardCD, a);
    const double grow = 2 * 0.0393700787;
    EXPECT_DOUBLE_EQ(g.frontWidth, 4.735 + grow);
    EXPECT_DOUBLE_EQ(g.frontHeight, 4.735 + grow);
    EXPECT_DOUBLE_EQ(g.backWidth, 5.925 + grow);
    EXPECT_DOUBLE_EQ(g.backTop, 5.48 + grow);
    EXPECT_DOUBLE_EQ(g.frontTop, 0.5);
    EXPECT_DOUBLE_EQ(g.discWidth, 4.685);
}

TEST_F(PageLayoutsTest, DirectionSwitchesDecideWhichWayTheLabelMoves) {
    PrinterAdjustment a;
    a.moveDiscMMX = "3";
    a.moveDiscMMY = "4";
    const CoverGeometry left = MakeCoverLayout(LayoutAvery, a);
    EXPECT_DOUBLE_EQ(left.topLabelLeft, 1.9375 - 3 * 0.0393700787);
    EXPECT_DOUBLE_EQ(left.bottomLabelLeft, 1.9375 - 3 * 0.0393700787);
    EXPECT_DOUBLE_EQ(left.topLabelTop, 0.6875 - 4 * 0.0393700787);

    a.moveDiscLeftRight = "1";
    a.moveDiscUpDown = "yes";
    const CoverGeometry right = MakeCoverLayout(LayoutAvery, a);
    EXPECT_DOUBLE_EQ(right.topLabelLeft, 1.9375 + 3 * 0.0393700787);
    EXPECT_DOUBLE_EQ(right.bottomLabelTop, 5.6875 + 4 * 0.0393700787);
}

TEST_F(PageLayoutsTest, StoredAdjustmentsApplyAndNonNumbersCountAsZero) {
    SettingsStore s;
    s.expandDiscMM = "5mm";
    s.expandCoverMM = "abc";
    ASSERT_TRUE(s.save());
    const CoverGeometry g = CoverLayout(LayoutStandardDVD);
    EXPECT_DOUBLE_EQ(g.discWidth, 4.685 + 5 * 0.0393700787);
    EXPECT_DOUBLE_EQ(g.backWidth, 10.73);
}

TEST_F(PageLayoutsTest, CaseTypesMapToTheirPlainPaperLayouts) {
    EXPECT_EQ(LayoutForCoverType(1), LayoutStandardCD);
    EXPECT_EQ(LayoutForCoverType(2), LayoutStandardDVD);
    EXPECT_EQ(LayoutForCoverType(3), LayoutStandardCD);
    EXPECT_EQ(LayoutForCoverType(4), LayoutSlimlineCD);
    EXPECT_EQ(LayoutForCoverType(5), LayoutSlimlineDVD);
    EXPECT_FALSE(LayoutForCoverType(0).has_value());
    EXPECT_FALSE(LayoutForCoverType(9).has_value());
}

}  // namespace casewright
