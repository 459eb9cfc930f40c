#include "print/PageLayouts.h"

#include <gtest/gtest.h>

namespace casewright {

namespace {

const PrinterAdjustment kNone;

}  // namespace

TEST(PageLayoutsTest, UnadjustedLayoutsMatchTheTable) {
    const CoverGeometry cd = MakeCoverLayout(LayoutStandardCD, kNone);
    EXPECT_DOUBLE_EQ(cd.frontWidth, 4.735);
    EXPECT_DOUBLE_EQ(cd.backWidth, 5.925);
    EXPECT_DOUBLE_EQ(cd.backTop, 5.48);
    EXPECT_DOUBLE_EQ(cd.backSpineWidth, 0.25);

    const CoverGeometry slim = MakeCoverLayout(LayoutSlimlineCD, kNone);
    EXPECT_DOUBLE_EQ(slim.backWidth, 6.1417322772);
    EXPECT_DOUBLE_EQ(slim.slimSpineOffset, 0.5905511805);

    const CoverGeometry avery = MakeCoverLayout(LayoutAvery, kNone);
    EXPECT_DOUBLE_EQ(avery.topLabelLeft, 1.9375);
    EXPECT_DOUBLE_EQ(avery.topLabelTop, 0.6875);
    EXPECT_DOUBLE_EQ(avery.bottomLabelTop, 5.6875);
    EXPECT_DOUBLE_EQ(avery.hubDiameter, 1.6154);

    const CoverGeometry pcLine = MakeCoverLayout(LayoutPCLine, kNone);
    const CoverGeometry pressIt = MakeCoverLayout(LayoutPressIT, kNone);
    EXPECT_DOUBLE_EQ(pcLine.bottomLabelLeft, pressIt.bottomLabelLeft);
    EXPECT_DOUBLE_EQ(MakeCoverLayout(LayoutNeato, kNone).discHeight, 4.689);
    EXPECT_DOUBLE_EQ(MakeCoverLayout(5, kNone).discWidth, 0.0);
}

TEST(PageLayoutsTest, ExpandCoverGrowsCoversAndMovesTheBackCoverDown) {
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

TEST(PageLayoutsTest, DirectionSwitchesDecideWhichWayTheLabelMoves) {
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

// Stored texts are read by their leading number and limited to the range
// the Printer Adjustment dialog offers, whatever the settings file says.
TEST(PageLayoutsTest, StoredTextsReadAsWholeMillimetresWithinTwoHundred) {
    const struct {
        const char* text;
        int mm;
    } cases[] = {{"5mm", 5},
                 {"abc", 0},
                 {"-7", -7},
                 {"200", 200},
                 {"201", 200},
                 {"5000", 200},
                 {"-5000", -200},
                 {"99999999999", 200},
                 {"-99999999999", -200},
                 {" +12", 12},
                 {"\xc2\xa0"
                  "9",
                  0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(MillimetresFromText(text), c.mm);

        PrinterAdjustment a;
        a.expandDiscMM = text;
        a.expandCoverMM = text;
        a.moveDiscMMX = text;
        a.moveDiscLeftRight = "1";
        const CoverGeometry g = MakeCoverLayout(LayoutStandardDVD, a);
        const double inches = c.mm * 0.0393700787;
        EXPECT_DOUBLE_EQ(g.discWidth, 4.685 + inches);
        EXPECT_DOUBLE_EQ(g.backWidth, 10.73 + inches);
        EXPECT_DOUBLE_EQ(g.topLabelLeft, 0.832 + inches);
    }
}

TEST(PageLayoutsTest, CaseTypesMapToTheirPlainPaperLayouts) {
    EXPECT_EQ(LayoutForCoverType(1), LayoutStandardCD);
    EXPECT_EQ(LayoutForCoverType(2), LayoutStandardDVD);
    EXPECT_EQ(LayoutForCoverType(3), LayoutStandardCD);
    EXPECT_EQ(LayoutForCoverType(4), LayoutSlimlineCD);
    EXPECT_EQ(LayoutForCoverType(5), LayoutSlimlineDVD);
    EXPECT_FALSE(LayoutForCoverType(0).has_value());
    EXPECT_FALSE(LayoutForCoverType(9).has_value());
}

}  // namespace casewright
