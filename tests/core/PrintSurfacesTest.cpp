#include "core/PrintRecordingDevice.h"
#include "document/CoverDocument.h"
#include "print/PrintJob.h"
#include "support/TestEnvironment.h"

namespace casewright {

// The job with the real surface painters: every surface is found, filled
// with its background colour, where its sheet's layout puts it.
namespace {

const QRgb kPaper = qRgb(255, 255, 255);
const QRgb kFront = qRgb(200, 0, 0);
const QRgb kBack = qRgb(0, 160, 0);
const QRgb kDisc = qRgb(0, 0, 200);

class PrintSurfacesTest : public IsolatedSettingsTest {
protected:
    void SetUp() override {
        IsolatedSettingsTest::SetUp();
        device.dpi = 100;
    }

    void print(int coverType, const QString& discStock) {
        doc.ResetToNewDesign(coverType, 96);
        doc.fBGColor = FromQColor(QColor(kFront));
        doc.bBGColor = FromQColor(QColor(kBack));
        doc.dBGColor = FromQColor(QColor(kDisc));
        doc.fShowBorder = doc.bShowBorder = doc.dShowBorder = false;
        doc.printOverInnerCircleDisc = printOverCore;
        PrintChoices choices;
        choices.coverStock = QStringLiteral("Plain Paper");
        choices.discStock = discStock;
        PrintJob job(doc, PrintPlan::Make(coverType, choices), 96);
        ASSERT_TRUE(job.run(device, prompt).ok);
    }

    QRgb pixel(size_t sheet, int x, int y) const {
        return device.sheets.at(sheet).image.pixel(x, y);
    }

    CoverDocument doc;
    PrintRecordingDevice device;
    ScriptedPaperPrompt prompt;
    bool printOverCore = true;
};

}  // namespace

TEST_F(PrintSurfacesTest, StandardCDCoversAndDiscLandOnTheirPositions) {
    print(CoverTypeStandardCD, QStringLiteral("Plain Paper"));
    ASSERT_EQ(device.sheets.size(), 2u);
    // Front 0.5 in from the left and top, 473 px square.
    EXPECT_EQ(pixel(0, 50, 50), kFront);
    EXPECT_EQ(pixel(0, 522, 522), kFront);
    EXPECT_EQ(pixel(0, 49, 60), kPaper);
    EXPECT_EQ(pixel(0, 523, 60), kPaper);
    // Back cover below it, from 5.48 in down.
    EXPECT_EQ(pixel(0, 60, 547), kPaper);
    EXPECT_EQ(pixel(0, 60, 548), kBack);
    EXPECT_EQ(pixel(0, 641, 1009), kBack);
    // Disc at 0.237 in, 1.0 in, 468 px across: round, so its corners stay white.
    EXPECT_EQ(pixel(1, 23 + 234, 100 + 2), kDisc);
    EXPECT_EQ(pixel(1, 23 + 2, 100 + 234), kDisc);
    EXPECT_EQ(pixel(1, 23 + 5, 100 + 5), kPaper);
}

TEST_F(PrintSurfacesTest, DvdWrapFillsItsLandscapeSheetPosition) {
    print(CoverTypeStandardDVD, QStringLiteral("Plain Paper"));
    // 0.1 in from the edges, 1073 x 720 px.
    EXPECT_EQ(pixel(0, 9, 9), kPaper);
    EXPECT_EQ(pixel(0, 10, 10), kBack);
    EXPECT_EQ(pixel(0, 1082, 729), kBack);
    EXPECT_EQ(pixel(0, 1083, 729), kPaper);
}

TEST_F(PrintSurfacesTest, LabelSheetHoleIsLeftUnprinted) {
    printOverCore = false;
    print(CoverTypeSlimlineCD, QStringLiteral("Neato CD/DVD Labels (A4)"));
    // Neato label at (179, 102), 469 x 468 px; its hole is 160 px across,
    // twice the plain-paper one.
    const int cx = 179 + 469 / 2;
    const int cy = 102 + 468 / 2;
    EXPECT_EQ(pixel(1, cx, cy), kPaper);
    EXPECT_EQ(pixel(1, cx + 70, cy), kPaper);
    EXPECT_EQ(pixel(1, cx + 90, cy), kDisc);
}

}  // namespace casewright
