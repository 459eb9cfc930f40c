#include "text/CoverTextRowSet.h"

#include <gtest/gtest.h>

namespace casewright {

namespace {

CoverDocument Filled(int coverType) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    doc.backCoverSpineText = "spine";
    doc.fCoverTitle = "front title";
    doc.fCoverText = "front\r\ntext";
    doc.bCoverTitle = "back title";
    doc.bCoverText = "back text";
    doc.dCoverTitle = "disc title";
    doc.dCoverText = "disc text";
    doc.frontCoverSpineText = "front spine";
    return doc;
}

}  // namespace

TEST(CoverTextRowSet, ChoosesTheEditorAndRowsByCaseTypeAndView) {
    for (int type : {CoverTypeStandardCD, CoverTypeOther, CoverTypeSlimlineCD}) {
        EXPECT_TRUE(UsesTrackListingEditor(type, CoverSide::Back)) << type;
        EXPECT_FALSE(UsesTrackListingEditor(type, CoverSide::Front)) << type;
        EXPECT_FALSE(UsesTrackListingEditor(type, CoverSide::Disc)) << type;
        EXPECT_EQ(RowSetFor(type, CoverSide::Front), CoverTextRowSet::CdFront) << type;
        EXPECT_EQ(RowSetFor(type, CoverSide::Disc), CoverTextRowSet::CdDisc) << type;
    }
    for (int type : {CoverTypeStandardDVD, CoverTypeSlimlineDVD}) {
        EXPECT_FALSE(UsesTrackListingEditor(type, CoverSide::Back)) << type;
        EXPECT_EQ(RowSetFor(type, CoverSide::Back), CoverTextRowSet::DvdCover) << type;
        EXPECT_EQ(RowSetFor(type, CoverSide::Front), CoverTextRowSet::DvdCover) << type;
        EXPECT_EQ(RowSetFor(type, CoverSide::Disc), CoverTextRowSet::DvdDisc) << type;
    }
}

TEST(CoverTextRowSet, SpineRowOnlyEverShowsWithTheBackRows) {
    for (CoverTextRowSet rows : {CoverTextRowSet::CdFront, CoverTextRowSet::CdDisc,
                                 CoverTextRowSet::DvdDisc, CoverTextRowSet::DvdCover}) {
        const CoverTextRowsShown shown = RowsShown(rows);
        EXPECT_EQ(shown.spine, shown.back);
        EXPECT_NE(shown.front || shown.back, shown.disc);
    }
    const CoverTextRowsShown cover = RowsShown(CoverTextRowSet::DvdCover);
    EXPECT_TRUE(cover.spine && cover.back && cover.front);
}

TEST(CoverTextRowSet, LoadsOnlyTheTextsOfItsGroup) {
    const CoverDocument doc = Filled(CoverTypeStandardCD);
    const CoverTexts cd = LoadCoverTexts(doc, CoverTextRowSet::CdDisc);
    EXPECT_EQ(cd, LoadCoverTexts(doc, CoverTextRowSet::CdFront));
    EXPECT_EQ(cd.frontTitle, "front title");
    EXPECT_EQ(cd.discText, "disc text");
    EXPECT_TRUE(cd.spineText.isEmpty() && cd.backTitle.isEmpty() && cd.backText.isEmpty());

    const CoverTexts disc = LoadCoverTexts(doc, CoverTextRowSet::DvdDisc);
    EXPECT_EQ(disc.discTitle, "disc title");
    EXPECT_TRUE(disc.frontTitle.isEmpty() && disc.frontText.isEmpty());

    const CoverTexts cover = LoadCoverTexts(doc, CoverTextRowSet::DvdCover);
    EXPECT_EQ(cover.spineText, "spine");  // the back spine, never the front one
    EXPECT_EQ(cover.backText, "back text");
    EXPECT_TRUE(cover.discTitle.isEmpty() && cover.discText.isEmpty());
}

TEST(CoverTextRowSet, CdGroupsWriteFrontAndDiscTogether) {
    CoverDocument doc = Filled(CoverTypeStandardCD);
    const CoverTexts original = LoadCoverTexts(doc, CoverTextRowSet::CdDisc);
    CoverTexts edited = original;
    edited.discTitle = "new disc title";
    doc.fCoverTitle = "changed behind the dialog's back";

    EXPECT_TRUE(StoreCoverTexts(doc, CoverTextRowSet::CdDisc, edited, original));
    EXPECT_EQ(doc.dCoverTitle, "new disc title");
    EXPECT_EQ(doc.fCoverTitle, "front title");  // the whole group went back
    EXPECT_EQ(doc.bCoverText, "back text");
    EXPECT_EQ(doc.backCoverSpineText, "spine");
}

TEST(CoverTextRowSet, NothingIsWrittenWhenNoTextOfTheGroupChanged) {
    CoverDocument doc = Filled(CoverTypeStandardDVD);
    const CoverTexts original = LoadCoverTexts(doc, CoverTextRowSet::DvdDisc);
    CoverTexts edited = original;
    edited.frontTitle = "outside the disc group";
    doc.dCoverTitle = "kept";
    EXPECT_FALSE(StoreCoverTexts(doc, CoverTextRowSet::DvdDisc, edited, original));
    EXPECT_EQ(doc.dCoverTitle, "kept");
    EXPECT_EQ(doc.fCoverTitle, "front title");
}

TEST(CoverTextRowSet, DvdCoverWritesAllFiveAndNotTheDisc) {
    CoverDocument doc = Filled(CoverTypeSlimlineDVD);
    const CoverTexts original = LoadCoverTexts(doc, CoverTextRowSet::DvdCover);
    CoverTexts edited = original;
    edited.spineText = "new spine";
    edited.backText.clear();  // an empty text is a value like any other
    edited.discTitle = "ignored";

    EXPECT_TRUE(StoreCoverTexts(doc, CoverTextRowSet::DvdCover, edited, original));
    EXPECT_EQ(doc.backCoverSpineText, "new spine");
    EXPECT_EQ(doc.bCoverText, "");
    EXPECT_EQ(doc.fCoverText, "front\r\ntext");
    EXPECT_EQ(doc.dCoverTitle, "disc title");
    EXPECT_EQ(doc.frontCoverSpineText, "front spine");
}

TEST(CoverTextRowSet, ComparisonIsExactAndCaseSensitive) {
    CoverDocument doc = Filled(CoverTypeStandardCD);
    const CoverTexts original = LoadCoverTexts(doc, CoverTextRowSet::CdFront);
    CoverTexts edited = original;
    edited.frontTitle = "Front title";
    EXPECT_TRUE(StoreCoverTexts(doc, CoverTextRowSet::CdFront, edited, original));
    edited = original;
    edited.frontText = "front\ntext";
    EXPECT_TRUE(StoreCoverTexts(doc, CoverTextRowSet::CdFront, edited, original));
}

TEST(CoverTextRowSet, OnlyTheDvdCoverNeedsAChangeToMarkTheDesign) {
    EXPECT_TRUE(OkAlwaysMarksCoverChanged(CoverTextRowSet::CdFront));
    EXPECT_TRUE(OkAlwaysMarksCoverChanged(CoverTextRowSet::CdDisc));
    EXPECT_TRUE(OkAlwaysMarksCoverChanged(CoverTextRowSet::DvdDisc));
    EXPECT_FALSE(OkAlwaysMarksCoverChanged(CoverTextRowSet::DvdCover));
}

}  // namespace casewright
