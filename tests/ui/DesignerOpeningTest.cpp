#include <QLabel>
#include <QTimer>

#include "designer/DesignerWindowRun.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {

struct Arrangement {
    int coverType;
    bool frontViewShown;
    const char* backViewCaption;
    int previewId;
    bool alignmentShown;
    const char* spineCheckCaption;
    const char* textButtonCaption;
    const char* chooseImageCaption;
};

class DesignerOpening : public DesignerTest, public ::testing::WithParamInterface<Arrangement> {};

}  // namespace

TEST_P(DesignerOpening, ArrangesTheWindowForTheCaseType) {
    const Arrangement a = GetParam();
    openDesigner(a.coverType);

    EXPECT_EQ(designer->currentView(), CoverSide::Back);
    EXPECT_TRUE(checked(kViewBack));
    EXPECT_FALSE(checked(kViewFront));
    EXPECT_FALSE(checked(kViewDisc));
    EXPECT_EQ(shown(kViewFront), a.frontViewShown);
    EXPECT_TRUE(shown(kViewDisc));
    EXPECT_EQ(caption(kViewBack), a.backViewCaption);
    EXPECT_EQ(shownPreview(), designer->control(a.previewId));
    EXPECT_EQ(shown(kAlignLeft), a.alignmentShown);
    EXPECT_EQ(shown(kAlignmentLabel), a.alignmentShown);
    EXPECT_TRUE(shown(kSpineCheck));
    EXPECT_TRUE(checked(kSpineCheck));
    EXPECT_TRUE(checked(kPrintBorders));
    EXPECT_EQ(caption(kSpineCheck), a.spineCheckCaption);
    EXPECT_EQ(caption(kCoverText), a.textButtonCaption);
    EXPECT_EQ(caption(kChooseImage), a.chooseImageCaption);
    EXPECT_TRUE(shown(kChooseImage));
    EXPECT_FALSE(shown(kClearImage));
    EXPECT_EQ(document.covertype, a.coverType);
    EXPECT_FALSE(document.coverChanged);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCaseType, DesignerOpening,
    ::testing::Values(Arrangement{1, true, "VIEW BACK COVER", kStandardBackPreview, false,
                                  "Extend image over spines?", "Track Listing", "Choose Image"},
                      Arrangement{2, false, "VIEW COVER", kDvdPreview, true, "Print Spine?",
                                  "Cover Text", "Choose Images"},
                      Arrangement{3, true, "VIEW BACK COVER", kStandardBackPreview, false,
                                  "Extend image over spines?", "Track Listing", "Choose Image"},
                      Arrangement{4, false, "VIEW COVER", kSlimlinePreview, false,
                                  "Extend image over spine?", "Track Listing", "Choose Image"},
                      Arrangement{5, false, "VIEW COVER", kDvdPreview, true, "Print Spine?",
                                  "Cover Text", "Choose Images"}));

TEST_F(DesignerTest, ShowsTheProductNameAndVersion) {
    openDesigner(CoverTypeStandardCD);
    EXPECT_EQ(designer->windowTitle(), QStringLiteral("Untitled[*] \u2013 Casewright"));
    EXPECT_EQ(static_cast<QLabel*>(designer->control(kVersionLabel))->text(), "4.13");
    EXPECT_FALSE(designer->control(kUpdateLink)->isVisibleTo(designer.get()));
    EXPECT_EQ(designer->control(kSave)->objectName(), "saveButton");
    EXPECT_EQ(designer->control(kSave)->toolTip(), "Click here to save your cover (Ctrl+S).");
    EXPECT_EQ(designer->control(kFont)->toolTip(),
              "Click here to change the font and colour of your track listing and spine text.");
}

TEST_F(DesignerTest, DvdWindowIsWiderAndItsPreviewKeepsTheCaseProportions) {
    const QRect screen(0, 0, 1600, 1100);
    openDesigner(CoverTypeStandardCD);
    designer->fitToScreen(screen);
    const int cdWidth = designer->width();
    const int cdColumn = designer->control(kSave)->x();

    openDesigner(CoverTypeSlimlineDVD);
    designer->fitToScreen(screen);
    QWidget* preview = designer->control(kDvdPreview);
    const PreviewParams& p = designer->visiblePreview()->coverPainter()->params;
    EXPECT_NEAR(preview->height(), preview->width() * double(p.refHeight) / p.refWidth, 1.0);
    EXPECT_GT(designer->width(), cdWidth);
    EXPECT_GT(designer->control(kSave)->x(), cdColumn);
    // The whole command column fits in the widened window.
    EXPECT_LE(designer->control(kExit)->geometry().right(), designer->width());
    EXPECT_LE(preview->mapTo(designer.get(), QPoint(preview->width(), 0)).x(),
              designer->control(kSave)->x());
}

TEST_F(DesignerTest, BuildsTheGeometryOfTheCaseType) {
    openDesigner(CoverTypeStandardDVD);
    EXPECT_DOUBLE_EQ(document.geometry.backWidth, 10.73);
    EXPECT_DOUBLE_EQ(document.geometry.backSpineWidth, 0.54);

    openDesigner(CoverTypeOther);
    EXPECT_DOUBLE_EQ(document.geometry.frontWidth, 4.735);
    EXPECT_DOUBLE_EQ(document.geometry.backWidth, 5.925);
    EXPECT_EQ(document.covertype, CoverTypeOther);
}

TEST_F(DesignerTest, UnknownStoredCaseTypeStartsAStandardCd) {
    openDesigner(9);
    EXPECT_EQ(document.covertype, CoverTypeStandardCD);
    EXPECT_EQ(shownPreview(), designer->control(kStandardBackPreview));
}

TEST_F(DesignerTest, EveryRunStartsANewDesign) {
    openDesigner(CoverTypeStandardCD);
    document.bCoverTitle = "Old";
    document.sImagePath = "/old/stretch.png";
    document.coverChanged = true;
    designer->startRun();
    EXPECT_TRUE(document.bCoverTitle.isEmpty());
    EXPECT_FALSE(document.coverChanged);
    // A new window starts without the previous design's whole-cover image.
    CCoverDesignerDlg another(document);
    EXPECT_TRUE(document.sImagePath.isEmpty());
}

TEST_F(DesignerTest, ExecStartsARunAndReturnsHowItEnded) {
    openDesigner(CoverTypeStandardCD);
    document.bCoverTitle = "Left over";
    QTimer::singleShot(0, designer.get(), [this] {
        EXPECT_TRUE(document.bCoverTitle.isEmpty());
        designer->dropFiles({tempPath("Next.jkt")});
    });
    EXPECT_EQ(designer->exec(), CCoverDesignerDlg::kResultDroppedCover);
    EXPECT_EQ(designer->pendingCoverPath(), tempPath("Next.jkt"));

    QTimer::singleShot(0, designer.get(), [this] { designer->clickControl(kExit); });
    EXPECT_EQ(designer->exec(), CCoverDesignerDlg::kResultExit);
    EXPECT_EQ(files->reads, QStringList{tempPath("Next.jkt")});
}

TEST_F(DesignerTest, ApplicationLoopRunsTheWindowUntilItHasNoCoverToOpen) {
    SettingsStore settings;
    settings.Option = CoverTypeSlimlineCD;
    settings.save();
    DesignerWindowRun run(document);
    auto recorder = std::make_unique<RecordingCoverFiles>();
    RecordingCoverFiles* reads = recorder.get();
    run.window().setCoverFileGateway(std::move(recorder));

    QTimer::singleShot(0, &run.window(), [&] { run.window().dropFiles({tempPath("A.jkt")}); });
    DesignerOutcome outcome = run.run(QString());
    EXPECT_EQ(outcome.result, CCoverDesignerDlg::kResultDroppedCover);
    EXPECT_EQ(outcome.pendingCoverPath, tempPath("A.jkt"));

    QTimer::singleShot(0, &run.window(), [&] { run.window().clickControl(kExit); });
    outcome = run.run(outcome.pendingCoverPath);
    EXPECT_EQ(outcome.result, CCoverDesignerDlg::kResultExit);
    EXPECT_TRUE(outcome.pendingCoverPath.isEmpty());
    EXPECT_EQ(reads->reads, QStringList{tempPath("A.jkt")});
    EXPECT_EQ(document.covertype, CoverTypeSlimlineCD);
}

}  // namespace casewright
