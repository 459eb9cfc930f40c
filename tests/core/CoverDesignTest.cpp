#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "document/CoverDesign.h"

namespace casewright {

namespace {

constexpr ColorRef kRed = MakeColorRef(255, 0, 0);

struct EditCase {
    const char* step;
    int coverType;
    std::function<void(CoverDesign&)> edit;
};

CoverDocument NewDesign(int coverType) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType);
    return doc;
}

// One of each kind of edit the designer and its dialogs make.
const std::vector<EditCase>& Edits() {
    static const std::vector<EditCase> edits = {
        {"Choose Color", CoverTypeStandardCD,
         [](CoverDesign& d) { d.setBackgroundColor(CoverSide::Front, kRed); }},
        {"Choose Color", CoverTypeSlimlineCD,
         [](CoverDesign& d) { d.setAllBackgroundColors(kRed); }},
        {"Choose Font", CoverTypeStandardDVD,
         [](CoverDesign& d) {
             LogFont font;
             font.height = -40;
             font.setFaceName(QStringLiteral("DejaVu Sans"));
             d.setFont(CoverSide::Back, font, kRed, 200);
         }},
        {"Align Text", CoverTypeStandardCD,
         [](CoverDesign& d) { d.setAlignment(CoverSide::Front, RIGHT); }},
        {"Choose Image", CoverTypeStandardCD,
         [](CoverDesign& d) {
             d.setImage(CoverSide::Disc, QStringLiteral("/p/disc.png"),
                        QStringLiteral("Choose Image"));
         }},
        {"Print Borders", CoverTypeSlimlineDVD,
         [](CoverDesign& d) { d.setBorders(CoverSide::Back, false); }},
        {"Spines", CoverTypeStandardDVD,
         [](CoverDesign& d) { d.setSpineOrCoreSwitch(CoverSide::Back, false); }},
        {"Print Over Core", CoverTypeStandardCD,
         [](CoverDesign& d) { d.setSpineOrCoreSwitch(CoverSide::Disc, false); }},
        {"Drop Image", CoverTypeStandardDVD,
         [](CoverDesign& d) { d.dropImage(CoverSide::Back, QStringLiteral("/p/wrap.png")); }},
        {"Cover Text", CoverTypeStandardCD,
         [](CoverDesign& d) {
             CoverDocument edited = d.document();
             edited.fCoverTitle = QStringLiteral("Title");
             edited.fCoverText = QStringLiteral("Line 1\r\nLine 2");
             edited.frontCoverSpineText = QStringLiteral("Spine");
             d.replace(QStringLiteral("Cover Text"), edited);
         }},
        {"Track Listing", CoverTypeStandardCD,
         [](CoverDesign& d) {
             CoverDocument edited = d.document();
             edited.bCoverText = QStringLiteral("1\tOne\t3:00");
             d.replace(QStringLiteral("Track Listing"), edited);
         }},
        {"Apply Template", CoverTypeStandardCD,
         [](CoverDesign& d) {
             d.applyIfChanged(QStringLiteral("Apply Template"), [](CoverDocument& doc) {
                 doc.bImagePath = QStringLiteral("/t/back.png");
                 doc.fImagePath = QStringLiteral("/t/front.png");
             });
         }},
        {"Image Position", CoverTypeStandardDVD,
         [](CoverDesign& d) {
             d.beginSession();
             CoverDocument draft = d.document();
             draft.CoverOption = 1;
             d.showDraft(draft);
             draft.bImagePath = QStringLiteral("/p/back.png");
             d.showDraft(draft);
             d.endSession(QStringLiteral("Image Position"));
         }},
    };
    return edits;
}

}  // namespace

TEST(CoverDesignTest, EveryEditIsOneStepThatUndoAndRedoRestoreExactly) {
    for (const EditCase& c : Edits()) {
        SCOPED_TRACE(c.step);
        CoverDocument document;
        CoverDesign design(document);
        design.startWith(NewDesign(c.coverType));
        const CoverDocument before = design.document();
        QSignalSpy changed(&design, &CoverDesign::changed);

        c.edit(design);
        const CoverDocument after = design.document();
        EXPECT_NE(after, before);
        EXPECT_TRUE(design.isChanged());
        EXPECT_EQ(design.undoStack().count(), 1);
        EXPECT_EQ(design.undoStack().undoText(), QString::fromLatin1(c.step));
        EXPECT_GE(changed.count(), 1);

        design.undoStack().undo();
        EXPECT_EQ(design.document(), before);
        EXPECT_FALSE(design.isChanged()) << "back at the state it started from";
        design.undoStack().redo();
        EXPECT_EQ(design.document(), after);
        EXPECT_TRUE(design.isChanged());
    }
}

TEST(CoverDesignTest, EditsKeepTheInvariantsOfTheCaseType) {
    const struct {
        int coverType;
        std::function<void(CoverDocument&)> change;
        std::function<bool(const CoverDocument&)> holds;
    } cases[] = {
        {CoverTypeSlimlineCD, [](CoverDocument& d) { d.dCoverAlign = LEFT; },
         [](const CoverDocument& d) { return d.dCoverAlign == CENTER; }},
        {CoverTypeStandardCD, [](CoverDocument& d) { d.bCoverAlign = RIGHT; },
         [](const CoverDocument& d) { return d.bCoverAlign == LEFT; }},
        {CoverTypeOther, [](CoverDocument& d) { d.bCoverAlign = CENTER; },
         [](const CoverDocument& d) { return d.bCoverAlign == LEFT; }},
        {CoverTypeStandardDVD, [](CoverDocument& d) { d.bCoverAlign = RIGHT; },
         [](const CoverDocument& d) { return d.bCoverAlign == RIGHT; }},
        {CoverTypeSlimlineDVD, [](CoverDocument& d) { d.bBackPrintOverSpines = false; },
         [](const CoverDocument& d) { return !d.backCoverSpinesOn; }},
        {CoverTypeSlimlineCD, [](CoverDocument& d) { d.bBackPrintOverSpines = false; },
         [](const CoverDocument& d) { return d.backCoverSpinesOn; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.coverType);
        CoverDocument document;
        CoverDesign design(document);
        design.startWith(NewDesign(c.coverType));
        design.apply(QStringLiteral("Edit"), c.change);
        EXPECT_TRUE(c.holds(design.document()));
    }
}

TEST(CoverDesignTest, TheSavedStateIsTheCleanOneAndAStartEmptiesTheStack) {
    CoverDocument document;
    CoverDesign design(document);
    design.startWith(NewDesign(CoverTypeStandardCD));
    design.setBackgroundColor(CoverSide::Back, kRed);
    design.markSaved();
    EXPECT_FALSE(document.coverChanged);
    design.setBorders(CoverSide::Back, false);
    EXPECT_TRUE(document.coverChanged);

    design.undoStack().undo();  // back at the saved design
    EXPECT_FALSE(document.coverChanged);
    design.undoStack().undo();  // before the saved design
    EXPECT_TRUE(document.coverChanged);
    EXPECT_FALSE(design.undoStack().canUndo());

    design.startWith(NewDesign(CoverTypeStandardDVD));
    EXPECT_EQ(design.undoStack().count(), 0);
    EXPECT_FALSE(document.coverChanged);
    EXPECT_EQ(document.covertype, CoverTypeStandardDVD);
}

TEST(CoverDesignTest, ChangesThatLeaveTheDesignAsItWasAddNoStep) {
    CoverDocument document;
    CoverDesign design(document);
    design.startWith(NewDesign(CoverTypeStandardDVD));
    design.applyIfChanged(QStringLiteral("Apply Template"), [](CoverDocument&) {});
    design.beginSession();
    CoverDocument draft = design.document();
    draft.CoverOption = 1;
    design.showDraft(draft);  // shown while the dialog is open...
    EXPECT_EQ(document.CoverOption, 1);
    EXPECT_FALSE(document.coverChanged);
    draft.CoverOption = 0;
    design.showDraft(draft);  // ...and taken back before it closed
    design.endSession(QStringLiteral("Image Position"));
    EXPECT_EQ(design.undoStack().count(), 0);
    EXPECT_FALSE(document.coverChanged);
}

}  // namespace casewright
