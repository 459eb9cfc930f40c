#include <gtest/gtest.h>

#include <QSignalSpy>

#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "images/TemplatePicker.h"

namespace casewright {

namespace {

const QString kFolder = QStringLiteral("/lib/CLIPART");

QVector<TemplateEntry> threeTemplates() {
    return {{kFolder, "CD-[BACK]-Amber.jpg"},
            {kFolder, "BACK-[BACK]-Back Road.jpg"},
            {kFolder, "CD-[BACK]-Coral.jpg"}};
}

QString inFolder(const QString& name) {
    return kFolder + "/" + name;
}

// The path rules alone, for files that need not exist.
ImageFileCheck everyImageDrawable(const QString&) {
    return ImageFileCheck();
}

class TemplatePickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.fImagePath = "/own/front.png";
        document.bImagePath = "/own/back.png";
        document.dImagePath = "/own/disc.png";
        document.sImagePath = "/own/whole.png";
        document.CoverOption = 1;
        document.bCoverTitle = "Title";
        document.coverChanged = false;
    }

    CoverDocument document;
    CoverDesign design{document};
};

}  // namespace

TEST_F(TemplatePickerTest, CdDesignTakesAllThreeImagesAndLosesWholeCoverImage) {
    for (int type : {CoverTypeStandardCD, CoverTypeOther, CoverTypeSlimlineCD}) {
        SetUp();
        TemplatePicker picker(&design, type, threeTemplates(), everyImageDrawable);
        QSignalSpy changed(&picker, &TemplatePicker::designChanged);

        ASSERT_TRUE(picker.applyClicked(0));

        EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Amber.jpg")) << type;
        EXPECT_EQ(document.fImagePath, inFolder("CD-[FRONT]-Amber.jpg"));
        EXPECT_EQ(document.dImagePath, inFolder("CD-[DISC]-Amber.jpg"));
        EXPECT_TRUE(document.sImagePath.isEmpty());
        EXPECT_EQ(document.CoverOption, 1);
        EXPECT_EQ(document.bCoverTitle, "Title");
        EXPECT_TRUE(document.coverChanged);  // a template applied is a change
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(picker.lastApplied(), 0);
    }
}

TEST_F(TemplatePickerTest, DvdDesignLaysBackImageOverWholeCover) {
    for (int type : {CoverTypeStandardDVD, CoverTypeSlimlineDVD}) {
        SetUp();
        TemplatePicker picker(&design, type, threeTemplates(), everyImageDrawable);

        ASSERT_TRUE(picker.applyClicked(2));

        EXPECT_EQ(document.CoverOption, 0) << type;
        EXPECT_EQ(document.sImagePath, inFolder("CD-[BACK]-Coral.jpg"));
        EXPECT_EQ(document.dImagePath, inFolder("CD-[DISC]-Coral.jpg"));
        EXPECT_EQ(document.fImagePath, "/own/front.png");
        EXPECT_EQ(document.bImagePath, "/own/back.png");
        EXPECT_TRUE(document.coverChanged);  // a template applied is a change
    }
}

TEST_F(TemplatePickerTest, CoverTypeIsTheOneGivenAtCreation) {
    TemplatePicker picker(&design, CoverTypeStandardDVD, threeTemplates(), everyImageDrawable);
    document.covertype = CoverTypeStandardCD;
    ASSERT_TRUE(picker.applyClicked(0));
    EXPECT_EQ(document.sImagePath, inFolder("CD-[BACK]-Amber.jpg"));
    EXPECT_EQ(document.bImagePath, "/own/back.png");
}

TEST_F(TemplatePickerTest, RepeatedClickOnLastAppliedDoesNothingEvenAfterCancel) {
    TemplatePicker picker(&design, CoverTypeStandardCD, threeTemplates(), everyImageDrawable);
    QSignalSpy changed(&picker, &TemplatePicker::designChanged);
    ASSERT_TRUE(picker.applyClicked(1));

    EXPECT_FALSE(picker.applyClicked(1));
    picker.restoreImages();
    EXPECT_FALSE(picker.applyClicked(1));
    EXPECT_EQ(document.bImagePath, "/own/back.png");

    EXPECT_TRUE(picker.applyClicked(0));
    EXPECT_TRUE(picker.applyClicked(1));
    EXPECT_EQ(changed.count(), 4);  // two applications, the restore, two more
}

TEST_F(TemplatePickerTest, ClickOutsideTheListDoesNothing) {
    TemplatePicker picker(&design, CoverTypeStandardCD, threeTemplates(), everyImageDrawable);
    EXPECT_FALSE(picker.applyClicked(-1));
    EXPECT_FALSE(picker.applyClicked(3));
    EXPECT_EQ(document.bImagePath, "/own/back.png");
    EXPECT_EQ(picker.lastApplied(), -1);
}

TEST_F(TemplatePickerTest, ArrowKeysStepFromLastAppliedAndStopAtEnds) {
    TemplatePicker picker(&design, CoverTypeStandardCD, threeTemplates(), everyImageDrawable);

    EXPECT_FALSE(picker.applyPrevious());  // nothing applied yet
    ASSERT_TRUE(picker.applyNext());       // the first
    EXPECT_EQ(picker.lastApplied(), 0);
    EXPECT_FALSE(picker.applyPrevious());
    ASSERT_TRUE(picker.applyNext());
    // The arrow rule replaces every "BACK", not only the bracketed marker.
    EXPECT_EQ(document.fImagePath, inFolder("FRONT-[FRONT]-Back Road.jpg"));
    EXPECT_EQ(document.dImagePath, inFolder("DISC-[DISC]-Back Road.jpg"));
    ASSERT_TRUE(picker.applyNext());
    EXPECT_FALSE(picker.applyNext());
    EXPECT_EQ(picker.lastApplied(), 2);
    ASSERT_TRUE(picker.applyPrevious());
    EXPECT_EQ(picker.lastApplied(), 1);
}

TEST_F(TemplatePickerTest, ClickAfterArrowUsesClickRule) {
    TemplatePicker picker(&design, CoverTypeStandardCD, threeTemplates(), everyImageDrawable);
    ASSERT_TRUE(picker.applyNext());
    ASSERT_TRUE(picker.applyClicked(1));
    EXPECT_EQ(document.fImagePath, inFolder("BACK-[FRONT]-Back Road.jpg"));
    EXPECT_EQ(document.dImagePath, inFolder("BACK-[DISC]-Back Road.jpg"));
}

TEST_F(TemplatePickerTest, ArrowKeysDoNothingOnEmptyList) {
    TemplatePicker picker(&design, CoverTypeStandardCD, {}, everyImageDrawable);
    EXPECT_FALSE(picker.applyNext());
    EXPECT_FALSE(picker.applyPrevious());
}

TEST_F(TemplatePickerTest, RestorePutsBackImagesOfLastRemember) {
    for (int type : {CoverTypeStandardCD, CoverTypeStandardDVD}) {
        SetUp();
        TemplatePicker picker(&design, type, threeTemplates(), everyImageDrawable);
        document.bImagePath = "/own/back-at-show.png";
        picker.rememberImages();
        ASSERT_TRUE(picker.applyClicked(0));
        ASSERT_TRUE(picker.applyClicked(2));

        picker.restoreImages();

        EXPECT_EQ(document.fImagePath, "/own/front.png") << type;
        EXPECT_EQ(document.bImagePath, "/own/back-at-show.png");
        EXPECT_EQ(document.dImagePath, "/own/disc.png");
        // The template's picture leaves the DVD wrap as well.
        EXPECT_EQ(document.sImagePath, "/own/whole.png");
        EXPECT_EQ(document.CoverOption, 1);
        EXPECT_TRUE(document.coverChanged);  // a template applied is a change
    }
}

TEST_F(TemplatePickerTest, CurrentTemplateFoundByPathThenByLabel) {
    TemplatePicker picker(&design, CoverTypeStandardCD, threeTemplates(), everyImageDrawable);
    EXPECT_EQ(picker.indexOfCurrentTemplate(), -1);

    document.bImagePath = inFolder("CD-[BACK]-Coral.jpg");
    EXPECT_EQ(picker.indexOfCurrentTemplate(), 2);

    // A copy elsewhere, or a template folder that moved, still matches by label.
    document.bImagePath = "/old/place/Other-[BACK]-Back Road.png";
    EXPECT_EQ(picker.indexOfCurrentTemplate(), 1);

    document.bImagePath.clear();
    EXPECT_EQ(picker.indexOfCurrentTemplate(), -1);
}

TEST_F(TemplatePickerTest, DvdCurrentTemplateFoundFromWholeCoverImage) {
    TemplatePicker picker(&design, CoverTypeStandardDVD, threeTemplates(), everyImageDrawable);
    document.sImagePath = inFolder("CD-[BACK]-Amber.jpg");
    EXPECT_EQ(picker.indexOfCurrentTemplate(), 0);
}

// A template never puts a file into the design that could not be drawn: the
// design would show nothing there and could not be saved with a missing file.
TEST_F(TemplatePickerTest, OnlyDrawableImagesGoIntoTheDesignAndAnUnusableBackIsRefused) {
    const QStringList drawable = {inFolder("CD-[BACK]-Amber.jpg"), inFolder("CD-[DISC]-Amber.jpg"),
                                  inFolder("CD-[BACK]-Coral.jpg"),
                                  inFolder("CD-[FRONT]-Coral.jpg")};
    const auto check = [&drawable](const QString& path) {
        return drawable.contains(path) ? ImageFileCheck() : ImageFileCheck::missing();
    };
    for (int type : {CoverTypeStandardCD, CoverTypeStandardDVD}) {
        SCOPED_TRACE(type);
        SetUp();
        TemplatePicker picker(&design, type, threeTemplates(), check);
        QSignalSpy changed(&picker, &TemplatePicker::designChanged);
        QSignalSpy refused(&picker, &TemplatePicker::imageRefused);

        ASSERT_TRUE(picker.applyClicked(0));
        const bool dvd = type == CoverTypeStandardDVD;
        EXPECT_EQ(dvd ? document.sImagePath : document.bImagePath, inFolder("CD-[BACK]-Amber.jpg"));
        EXPECT_EQ(document.fImagePath, dvd ? "/own/front.png" : "");
        EXPECT_EQ(document.dImagePath, inFolder("CD-[DISC]-Amber.jpg"));

        const CoverDocument before = document;
        ASSERT_TRUE(picker.applyNext());  // Back Road: its back file is missing
        EXPECT_EQ(refused.count(), 1);
        EXPECT_TRUE(refused[0][0].toString().contains("BACK-[BACK]-Back Road.jpg"));
        EXPECT_TRUE(refused[0][0].toString().contains(ImageFileCheck::missing().reason));
        EXPECT_EQ(document.sImagePath, before.sImagePath);
        EXPECT_EQ(document.bImagePath, before.bImagePath);
        EXPECT_EQ(document.dImagePath, before.dImagePath);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(picker.lastApplied(), 1);

        ASSERT_TRUE(picker.applyNext());  // the arrow keys step past it
        EXPECT_EQ(dvd ? document.sImagePath : document.fImagePath,
                  inFolder(dvd ? "CD-[BACK]-Coral.jpg" : "CD-[FRONT]-Coral.jpg"));
        EXPECT_TRUE(document.dImagePath.isEmpty());
        EXPECT_TRUE(document.coverChanged);  // a template applied is a change
    }
}

}  // namespace casewright
