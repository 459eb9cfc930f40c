#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {

const PreviewParams& ShownParams(CCoverDesignerDlg& designer) {
    return designer.visiblePreview()->coverPainter()->params;
}

}  // namespace

TEST_F(DesignerTest, RefreshSizesTheSurfaceAtScreenResolutionAndScalesItToTheWidget) {
    openDesigner(CoverTypeStandardCD);
    const PreviewParams& back = ShownParams(*designer);
    EXPECT_EQ(back.refWidth, 568);   // 5.925 in at 96 dpi
    EXPECT_EQ(back.refHeight, 444);  // 4.625 in
    EXPECT_EQ(back.spineWidthPx, 24);
    EXPECT_TRUE(back.isTrackListing);
    QWidget* widget = designer->control(kStandardBackPreview);
    EXPECT_DOUBLE_EQ(back.xScale, widget->width() / 568.0);
    EXPECT_DOUBLE_EQ(back.yScale, widget->height() / 444.0);

    click(kViewDisc);
    const PreviewParams& disc = ShownParams(*designer);
    EXPECT_EQ(disc.refWidth, 449);  // 4.685 in
    EXPECT_EQ(disc.textAlign, CENTER);
}

TEST_F(DesignerTest, DvdCoverTakesBackValuesAndFrontTexts) {
    openDesigner(CoverTypeStandardDVD);
    document.fCoverTitle = "Front";
    document.bCoverTitle = "Back";
    document.sImagePath = "/images/wrap.png";
    document.CoverOption = 0;
    click(kAlignRight);
    const PreviewParams& p = ShownParams(*designer);
    EXPECT_EQ(p.refWidth, 1030);  // 10.73 in
    EXPECT_EQ(p.title, "Back");
    EXPECT_EQ(p.frontTitle, "Front");
    EXPECT_EQ(p.stretchImagePath, "/images/wrap.png");
    EXPECT_EQ(p.textAlign, RIGHT);
    EXPECT_TRUE(p.spinesOn);

    click(kSpineCheck);
    EXPECT_FALSE(ShownParams(*designer).spinesOn);
}

TEST_F(DesignerTest, EveryChangeReachesThePreview) {
    openDesigner(CoverTypeSlimlineCD);
    prompter.colors.push_back(MakeColorRef(0, 128, 0));
    prompter.answers.push_back(Prompter::Answer::No);
    click(kChooseColor);
    EXPECT_EQ(ShownParams(*designer).backgroundColor, MakeColorRef(0, 128, 0));
    click(kPrintBorders);
    EXPECT_FALSE(ShownParams(*designer).showBorder);
    const QString image = makeImage("insert.png");
    designer->dropFiles({image});
    EXPECT_EQ(ShownParams(*designer).imagePath, image);
}

TEST_F(DesignerTest, PreviewDrawsTheSurfaceColour) {
    openDesigner(CoverTypeStandardCD);
    click(kViewDisc);
    prompter.colors.push_back(MakeColorRef(255, 0, 0));
    prompter.answers.push_back(Prompter::Answer::Yes);
    click(kChooseColor);

    QWidget* disc = designer->control(kDiscPreview);
    const QImage image = disc->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(image.width() / 2, image.height() / 4)), QColor(Qt::red));
}

}  // namespace casewright

namespace casewright {

using namespace DesignerIds;

// "Show total time" in the track listing editor reaches the design, and a
// listing that had to be made smaller is told under the preview in the
// words the core gives; one drawn as designed leaves the note empty.
TEST_F(DesignerTest, TheTotalTimeSwitchAndTheFitNoteFollowTheListing) {
    openDesigner(CoverTypeSlimlineCD);
    QString listing;
    for (int track = 1; track <= 30; ++track) {
        listing += QStringLiteral("[DELIM]%1.[/DELIM][DELIM]Song[/DELIM][DELIM]3:00[/DELIM]\n\r")
                       .arg(track);
    }
    document.bCoverText = listing;
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* check = dialog->findChild<QCheckBox*>("totalTimeCheck");
        ASSERT_NE(check, nullptr);
        EXPECT_FALSE(check->isChecked());
        check->setChecked(true);
        dialog->findChild<QAbstractButton*>("okButton")->click();
        answered = true;
    });
    click(kCoverText);
    ASSERT_TRUE(answered);
    EXPECT_TRUE(document.showTotalTime);
    EXPECT_TRUE(ShownParams(*designer).showTotalTime);

    auto* note = static_cast<QLabel*>(designer->control(kListingFitNote));
    const TrackListingFit fit = designer->visiblePreview()->coverPainter()->ListingFit(96);
    EXPECT_TRUE(fit.reduced());
    EXPECT_TRUE(fit.totalShown);
    EXPECT_EQ(note->text(), TrackListingFitNote(fit));
    EXPECT_TRUE(note->text().endsWith("to fit 30 tracks"));

    document.bCoverText = listing.left(listing.indexOf("[DELIM]4."));
    click(kPrintBorders);  // any change refreshes the preview
    EXPECT_TRUE(note->text().isEmpty());
}

}  // namespace casewright
