#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

TEST_F(DesignerTest, EachViewShowsItsOwnControls) {
    openDesigner(CoverTypeStandardCD);

    click(kViewFront);
    EXPECT_EQ(designer->currentView(), CoverSide::Front);
    EXPECT_TRUE(checked(kViewFront));
    EXPECT_FALSE(checked(kViewBack));
    EXPECT_EQ(shownPreview(), designer->control(kStandardFrontPreview));
    EXPECT_TRUE(shown(kAlignLeft));
    EXPECT_TRUE(checked(kAlignLeft));
    EXPECT_FALSE(shown(kSpineCheck));
    EXPECT_EQ(caption(kCoverText), "Cover Text");
    EXPECT_EQ(caption(kChooseImage), "Choose Image");

    click(kViewDisc);
    EXPECT_EQ(designer->currentView(), CoverSide::Disc);
    EXPECT_FALSE(checked(kViewFront));
    EXPECT_EQ(shownPreview(), designer->control(kDiscPreview));
    EXPECT_FALSE(shown(kAlignLeft));
    EXPECT_TRUE(shown(kSpineCheck));
    EXPECT_EQ(caption(kSpineCheck), "Print over core?");
    EXPECT_EQ(caption(kCoverText), "Disc Text");

    click(kViewBack);
    EXPECT_EQ(shownPreview(), designer->control(kStandardBackPreview));
    EXPECT_FALSE(shown(kAlignLeft));
    EXPECT_EQ(caption(kSpineCheck), "Extend image over spines?");
    EXPECT_EQ(caption(kCoverText), "Track Listing");
}

TEST_F(DesignerTest, DvdCoverViewAndDiscView) {
    openDesigner(CoverTypeStandardDVD);
    EXPECT_FALSE(designer->clickControl(kViewFront));

    click(kViewDisc);
    EXPECT_EQ(caption(kChooseImage), "Choose Image");
    EXPECT_FALSE(shown(kAlignLeft));
    EXPECT_EQ(shownPreview(), designer->control(kDiscPreview));

    click(kViewBack);
    EXPECT_EQ(caption(kChooseImage), "Choose Images");
    EXPECT_EQ(caption(kSpineCheck), "Print Spine?");
    EXPECT_TRUE(shown(kAlignLeft));
    EXPECT_EQ(shownPreview(), designer->control(kDvdPreview));
}

TEST_F(DesignerTest, ClickingTheViewInUseKeepsIt) {
    openDesigner(CoverTypeStandardCD);
    click(kViewBack);
    EXPECT_TRUE(checked(kViewBack));
    EXPECT_EQ(designer->currentView(), CoverSide::Back);
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, AlignmentIsRememberedPerViewAndTheDiscStaysCentred) {
    openDesigner(CoverTypeStandardCD);
    document.dCoverAlign = LEFT;  // as a loaded file may have it
    click(kViewFront);
    click(kAlignRight);
    EXPECT_TRUE(checked(kAlignRight));
    EXPECT_FALSE(checked(kAlignLeft));
    EXPECT_EQ(document.fCoverAlign, RIGHT);
    EXPECT_TRUE(document.coverChanged);

    click(kViewDisc);
    EXPECT_EQ(document.dCoverAlign, CENTER);
    click(kViewFront);
    EXPECT_TRUE(checked(kAlignRight));
    EXPECT_FALSE(checked(kAlignCenter));

    // Clicking the checked alignment keeps it checked.
    click(kAlignRight);
    EXPECT_TRUE(checked(kAlignRight));
}

TEST_F(DesignerTest, StandardCdBackCoverIsAlwaysLeftAligned) {
    openDesigner(CoverTypeStandardCD);
    document.bCoverAlign = RIGHT;  // as a loaded file may have it
    // Looking at the views changes nothing; the next edit puts it right.
    click(kViewDisc);
    click(kViewBack);
    EXPECT_EQ(document.bCoverAlign, RIGHT);
    EXPECT_FALSE(document.coverChanged);
    click(kPrintBorders);
    EXPECT_EQ(document.bCoverAlign, LEFT);
}

TEST_F(DesignerTest, DvdAlignmentGoesToTheBackCover) {
    openDesigner(CoverTypeSlimlineDVD);
    click(kAlignCenter);
    EXPECT_EQ(document.bCoverAlign, CENTER);
    EXPECT_EQ(document.fCoverAlign, LEFT);
    click(kViewDisc);
    click(kViewBack);
    EXPECT_TRUE(checked(kAlignCenter));
}

TEST_F(DesignerTest, SpineCheckBoxDrivesTheFlagOfItsView) {
    openDesigner(CoverTypeStandardCD);
    click(kSpineCheck);
    EXPECT_FALSE(document.bBackPrintOverSpines);
    EXPECT_TRUE(document.printOverInnerCircleDisc);
    EXPECT_TRUE(document.coverChanged);

    click(kViewDisc);
    EXPECT_TRUE(checked(kSpineCheck));  // the disc's own switch
    click(kSpineCheck);
    EXPECT_FALSE(document.printOverInnerCircleDisc);
    EXPECT_FALSE(document.bBackPrintOverSpines);

    click(kViewBack);
    EXPECT_FALSE(checked(kSpineCheck));
    click(kSpineCheck);
    EXPECT_TRUE(document.bBackPrintOverSpines);
    EXPECT_FALSE(document.printOverInnerCircleDisc);
}

TEST_F(DesignerTest, DvdPrintSpineDrivesBothSpineFlags) {
    openDesigner(CoverTypeStandardDVD);
    click(kSpineCheck);
    EXPECT_FALSE(document.bBackPrintOverSpines);
    EXPECT_FALSE(document.backCoverSpinesOn);

    // Turning the disc's core off does not turn the spine back on or off.
    click(kViewDisc);
    click(kSpineCheck);
    click(kViewBack);
    EXPECT_FALSE(checked(kSpineCheck));
    EXPECT_FALSE(document.backCoverSpinesOn);
}

TEST_F(DesignerTest, PrintBordersBelongsToTheSurfaceInView) {
    openDesigner(CoverTypeStandardCD);
    click(kPrintBorders);
    EXPECT_FALSE(document.bShowBorder);
    EXPECT_TRUE(document.fShowBorder);
    EXPECT_TRUE(document.coverChanged);

    click(kViewFront);
    EXPECT_TRUE(checked(kPrintBorders));
    click(kViewDisc);
    click(kPrintBorders);
    EXPECT_FALSE(document.dShowBorder);
    click(kViewBack);
    EXPECT_FALSE(checked(kPrintBorders));
    EXPECT_TRUE(document.fShowBorder);
}

TEST_F(DesignerTest, ChooseOrClearImageFollowsTheSurfaceInView) {
    openDesigner(CoverTypeStandardCD);
    document.fImagePath = makeImage("front.png");
    click(kViewFront);
    EXPECT_TRUE(shown(kClearImage));
    EXPECT_FALSE(shown(kChooseImage));
    click(kViewDisc);
    EXPECT_TRUE(shown(kChooseImage));
    EXPECT_FALSE(shown(kClearImage));

    click(kViewFront);
    click(kClearImage);
    EXPECT_TRUE(document.fImagePath.isEmpty());
    EXPECT_TRUE(document.coverChanged);
    EXPECT_TRUE(shown(kChooseImage));
}

TEST_F(DesignerTest, ClearImageOnTheDvdCoverKeepsTheWholeCoverImage) {
    openDesigner(CoverTypeStandardDVD);
    document.bImagePath = makeImage("back.png");
    document.sImagePath = makeImage("whole.png");
    click(kViewDisc);
    click(kViewBack);
    click(kClearImage);
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_FALSE(document.sImagePath.isEmpty());
}

}  // namespace casewright
