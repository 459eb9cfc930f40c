#include "print/PrintJob.h"

#include "core/PrintRecordingDevice.h"
#include "document/CoverDocument.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/PrintPlan.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

const QString kPlain = QStringLiteral("Plain Paper");
const QString kNeato = QStringLiteral("Neato CD/DVD Labels (A4)");

class PrintJobTest : public IsolatedSettingsTest {
protected:
    PrintJobResult print(int coverType, const QString& discStock, bool useTop = true) {
        PrintChoices choices;
        choices.coverStock = kPlain;
        choices.discStock = discStock;
        choices.discLabels = useTop ? LabelSelection() : LabelSelection::Of({2});
        return print(coverType, choices);
    }

    PrintJobResult print(int coverType, const PrintChoices& choices) {
        doc.ResetToNewDesign(coverType, 96);
        PrintJob job(doc, PrintPlan::Make(coverType, choices), 120);
        job.setPainterFactory(
            [this](SurfaceKind kind) { return std::make_unique<FillingPainter>(kind, painted); });
        return job.run(device, prompt);
    }

    QRgb pixel(size_t sheet, int x, int y) const {
        return device.sheets.at(sheet).image.pixel(x, y);
    }

    CoverDocument doc;
    PrintRecordingDevice device;
    ScriptedPaperPrompt prompt;
    std::vector<PaintedSurface> painted;
};

QRgb Rgb(SurfaceKind kind) {
    return FillingPainter::ColorOf(kind).rgb();
}

const QRgb kPaper = QColor(Qt::white).rgb();

}  // namespace

TEST_F(PrintJobTest, PlainPaperPrintsCoversThenDiscWithoutAsking) {
    const PrintJobResult result = print(CoverTypeStandardCD, kPlain);

    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.sheetsPrinted, 2);
    EXPECT_TRUE(prompt.texts.isEmpty());
    ASSERT_EQ(device.sheets.size(), 2u);
    EXPECT_TRUE(device.sheets[0].ended);
    EXPECT_EQ(device.finishCalls, 1);

    // Covers sheet at 100 dpi: front at 0.5 in, 4.735 in square; back below it.
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_EQ(painted[0].kind, SurfaceKind::StandardFront);
    EXPECT_EQ(painted[0].target, QRect(50, 50, 473, 473));
    EXPECT_EQ(painted[1].kind, SurfaceKind::StandardBack);
    EXPECT_EQ(painted[1].target, QRect(50, 548, 592, 462));
    EXPECT_EQ(pixel(0, 50, 50), Rgb(SurfaceKind::StandardFront));
    EXPECT_EQ(pixel(0, 522, 522), Rgb(SurfaceKind::StandardFront));
    EXPECT_EQ(pixel(0, 49, 50), kPaper);
    EXPECT_EQ(pixel(0, 523, 50), kPaper);
    EXPECT_EQ(pixel(0, 641, 1009), Rgb(SurfaceKind::StandardBack));

    // Disc sheet: the plain-paper label position of the standard CD layout.
    EXPECT_EQ(painted[2].kind, SurfaceKind::Disc);
    EXPECT_EQ(painted[2].target, QRect(23, 100, 468, 468));
    EXPECT_EQ(pixel(1, 23, 100), Rgb(SurfaceKind::Disc));
    EXPECT_EQ(pixel(1, 22, 100), kPaper);
}

TEST_F(PrintJobTest, SurfacesPrintAtPrinterScaleWithScreenFontReference) {
    print(CoverTypeStandardCD, kPlain);
    ASSERT_EQ(painted.size(), 3u);
    for (const PaintedSurface& s : painted) {
        EXPECT_EQ(s.params.xScale, 1.0);
        EXPECT_EQ(s.params.yScale, 1.0);
        EXPECT_EQ(s.params.fontRefDpi, 120);
    }
    // The plain-paper hole, at the printer's resolution.
    EXPECT_EQ(painted[2].params.hubDiameterPx, 81);
    EXPECT_EQ(doc.dCoverAlign, CENTER);
    EXPECT_EQ(doc.bCoverAlign, LEFT);
}

TEST_F(PrintJobTest, EachCaseTypePrintsItsOwnCoverSurface) {
    struct Case {
        int coverType;
        SurfaceKind cover;
        QRect target;
    };
    const Case cases[] = {
        {CoverTypeSlimlineCD, SurfaceKind::SlimlineInsert, QRect(25, 25, 614, 476)},
        {CoverTypeStandardDVD, SurfaceKind::DvdWrap, QRect(10, 10, 1073, 720)},
        {CoverTypeSlimlineDVD, SurfaceKind::DvdWrap, QRect(20, 20, 1056, 720)},
    };
    for (const Case& c : cases) {
        painted.clear();
        device.sheets.clear();
        print(c.coverType, kPlain);
        ASSERT_EQ(painted.size(), 2u) << c.coverType;
        EXPECT_EQ(painted[0].kind, c.cover) << c.coverType;
        EXPECT_EQ(painted[0].target, c.target) << c.coverType;
        EXPECT_EQ(painted[1].kind, SurfaceKind::Disc) << c.coverType;
    }
}

TEST_F(PrintJobTest, OtherCaseTypePrintsAsStandardCD) {
    const PrintJobResult result = print(CoverTypeOther, kPlain);
    EXPECT_TRUE(result.ok);
    ASSERT_EQ(painted.size(), 3u);
    EXPECT_EQ(painted[0].kind, SurfaceKind::StandardFront);
    EXPECT_EQ(painted[1].kind, SurfaceKind::StandardBack);
}

TEST_F(PrintJobTest, LabelStockAsksForPlainPaperThenForTheLabels) {
    const PrintJobResult result = print(CoverTypeStandardCD, kNeato);

    EXPECT_EQ(result.sheetsPrinted, 2);
    ASSERT_EQ(prompt.texts.size(), 2);
    EXPECT_EQ(prompt.texts[0],
              "Please insert the 'Plain Paper' and press 'Print' to continue printing the "
              "cover(s).");
    EXPECT_EQ(prompt.texts[1],
              "Please insert the 'Neato CD/DVD Labels (A4)' and press 'Print' to continue "
              "printing the disc.");
    // Neato top label at 1.793 in, 1.021 in; its own hole.
    EXPECT_EQ(painted.back().target, QRect(179, 102, 469, 468));
    EXPECT_EQ(painted.back().params.hubDiameterPx, 160);
    EXPECT_EQ(device.sheets[1].request.paper, QPageSize::A4);
}

// All Avery sheets share one layout, but the prompt names the one the user
// chose: another number may be cut differently and the user must be able to
// check which sheet is in the printer.
TEST_F(PrintJobTest, EachAverySheetIsAnnouncedByItsOwnNameAndUsesTheAveryLayout) {
    int averySheets = 0;
    for (const LabelStock& stock : LabelStocks::All()) {
        if (stock.discLayout != LayoutAvery) {
            continue;
        }
        SCOPED_TRACE(stock.name.toStdString());
        ++averySheets;
        prompt.texts.clear();
        painted.clear();
        device.sheets.clear();
        print(CoverTypeStandardCD, stock.name, averySheets % 2 == 1);
        ASSERT_EQ(prompt.texts.size(), 2);
        EXPECT_EQ(prompt.texts[1], PaperPrompt::DiscText(stock.name));
        EXPECT_EQ(painted.back().target,
                  averySheets % 2 == 1 ? QRect(193, 68, 462, 465) : QRect(193, 568, 462, 465));
        EXPECT_EQ(device.sheets[1].request.paper, QPageSize::Letter);
        EXPECT_EQ(device.sheets[0].request.paper, QPageSize::A4);
    }
    EXPECT_EQ(averySheets, 13);
}

TEST_F(PrintJobTest, ADeviceThatWritesAFileIsNeverAskedForPaper) {
    device.writesFile = true;
    const PrintJobResult result = print(CoverTypeStandardCD, kNeato);
    EXPECT_TRUE(prompt.texts.isEmpty());
    EXPECT_EQ(result.sheetsPrinted, 2);
    EXPECT_EQ(painted.back().target, QRect(179, 102, 469, 468));  // still the Neato label
}

TEST_F(PrintJobTest, PlainPaperAlwaysUsesTheTopPosition) {
    print(CoverTypeStandardCD, kPlain, false);
    EXPECT_EQ(painted.back().target.topLeft(), QPoint(23, 100));
}

TEST_F(PrintJobTest, SkippingTheCoversStillPrintsTheDisc) {
    prompt.answers = {PaperPrompt::Answer::Skip, PaperPrompt::Answer::Print};
    const PrintJobResult result = print(CoverTypeStandardCD, kNeato);

    EXPECT_EQ(result.sheetsSkipped, 1);
    EXPECT_EQ(result.sheetsPrinted, 1);
    EXPECT_EQ(prompt.texts.size(), 2);
    ASSERT_EQ(device.sheets.size(), 1u);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].kind, SurfaceKind::Disc);
}

TEST_F(PrintJobTest, UntickedItemsAreNeitherAskedForNorPrinted) {
    PrintChoices choices;
    choices.coverStock = kPlain;
    choices.discStock = kNeato;
    choices.printCover = false;
    print(CoverTypeStandardCD, choices);
    ASSERT_EQ(prompt.texts.size(), 1);
    EXPECT_TRUE(prompt.texts[0].endsWith("printing the disc."));
    ASSERT_EQ(device.sheets.size(), 1u);

    choices.printDisc = false;
    device.sheets.clear();
    EXPECT_TRUE(print(CoverTypeStandardCD, choices).ok);
    EXPECT_TRUE(device.sheets.empty());
}

TEST_F(PrintJobTest, DvdCoversAreLandscapeAndTheDiscFollowsTheUser) {
    print(CoverTypeStandardDVD, kPlain);
    ASSERT_EQ(device.sheets.size(), 2u);
    EXPECT_EQ(device.sheets[0].request.orientation, QPageLayout::Landscape);
    EXPECT_GT(device.sheets[0].image.width(), device.sheets[0].image.height());
    EXPECT_EQ(device.sheets[1].request.orientation, QPageLayout::Portrait);

    device.sheets.clear();
    device.userOrientation = QPageLayout::Landscape;
    print(CoverTypeSlimlineDVD, kPlain);
    EXPECT_EQ(device.sheets[0].request.orientation, QPageLayout::Landscape);
    EXPECT_EQ(device.sheets[1].request.orientation, QPageLayout::Landscape);

    device.sheets.clear();
    device.userOrientation = QPageLayout::Portrait;
    print(CoverTypeStandardCD, kPlain);
    EXPECT_EQ(device.sheets[0].request.orientation, QPageLayout::Portrait);
}

TEST_F(PrintJobTest, UnprintableBorderShiftsTheSurfaceInsteadOfCuttingIt) {
    device.offset = QPoint(25, 30);  // wider than the DVD cover's 0.1 in
    print(CoverTypeStandardDVD, kPlain);
    const QRect target = painted[0].target;
    EXPECT_EQ(target, QRect(0, 0, 1073, 720));
    EXPECT_EQ(pixel(0, 0, 0), Rgb(SurfaceKind::DvdWrap));
    EXPECT_EQ(pixel(0, 1072, 719), Rgb(SurfaceKind::DvdWrap));
    EXPECT_EQ(pixel(0, 1073, 0), kPaper);

    // A position beyond the border only loses the border's width.
    EXPECT_EQ(painted[1].target.topLeft(), QPoint(58, 0));
}

TEST_F(PrintJobTest, AdjustmentsMoveAndEnlargeTheLabel) {
    device.dpi = 300;
    print(CoverTypeStandardCD, kPlain);
    const QRect plain = painted.back().target;
    EXPECT_EQ(plain, QRect(71, 300, 1405, 1405));

    PrintChoices choices;
    choices.coverStock = kPlain;
    choices.discStock = kPlain;
    choices.adjustment.expandDiscMM = "2";
    choices.adjustment.moveDiscMMX = "3";
    choices.adjustment.moveDiscLeftRight = "1";
    choices.adjustment.moveDiscMMY = "1";
    choices.adjustment.moveDiscUpDown = "1";
    choices.adjustment.expandCoverMM = "1";
    painted.clear();
    print(CoverTypeStandardCD, choices);
    // 3 mm right, 1 mm down, 2 mm larger.
    EXPECT_EQ(painted.back().target, QRect(106, 311, 1429, 1429));
    // The covers grow by 1 mm and the back cover moves down by as much.
    EXPECT_EQ(painted[0].target, QRect(150, 150, 1432, 1432));
    EXPECT_EQ(painted[1].target.top(), 1655);
}

// Whatever the settings file says, a sheet gets no more than 200 mm.
TEST_F(PrintJobTest, AdjustmentsBeyondTwoHundredMillimetresPrintAsTwoHundred) {
    const auto targets = [this](const QString& mm) {
        PrintChoices choices;
        choices.coverStock = kPlain;
        choices.discStock = kNeato;
        choices.adjustment.expandDiscMM = mm;
        choices.adjustment.expandCoverMM = mm;
        choices.adjustment.moveDiscMMX = mm;
        painted.clear();
        device.sheets.clear();
        EXPECT_TRUE(print(CoverTypeSlimlineCD, choices).ok);
        std::vector<QRect> rects;
        for (const PaintedSurface& surface : painted) {
            rects.push_back(surface.target);
        }
        return rects;
    };
    EXPECT_EQ(targets("5000"), targets("200"));
    EXPECT_EQ(targets("-5000"), targets("-200"));
    EXPECT_NE(targets("200"), targets("199"));
}

TEST_F(PrintJobTest, RefusedPageAbortsThatSheetAndTheJobGoesOn) {
    device.failEndPageOfSheet = 0;
    const PrintJobResult result = print(CoverTypeStandardCD, kPlain);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.sheetsAborted, 1);
    EXPECT_EQ(result.sheetsPrinted, 1);
    ASSERT_EQ(device.sheets.size(), 2u);
    EXPECT_TRUE(device.sheets[0].aborted);
    EXPECT_FALSE(device.sheets[0].ended);
    EXPECT_TRUE(device.sheets[1].ended);
}

TEST_F(PrintJobTest, PrinterThatCannotBeOpenedEndsTheJobWithItsReason) {
    device.cannotOpen = true;
    const PrintJobResult result = print(CoverTypeStandardCD, kNeato);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "the test printer is off");
    EXPECT_EQ(prompt.texts.size(), 1);  // not asked for a second sheet
    EXPECT_EQ(result.sheetsPrinted, 0);
}

TEST_F(PrintJobTest, CaseTypeWithoutLayoutEndsAtOnce) {
    const PrintJobResult result = print(7, kNeato);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(prompt.texts.isEmpty());
    EXPECT_TRUE(device.sheets.empty());
}

TEST_F(PrintJobTest, UnknownStockNamesPrintOnPlainPaper) {
    PrintChoices choices;
    choices.coverStock = QStringLiteral("Glossy");
    choices.discStock = QString();
    const PrintJobResult result = print(CoverTypeSlimlineCD, choices);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(prompt.texts.isEmpty());
    ASSERT_EQ(painted.size(), 2u);
    // The slimline CD plain-paper label position.
    EXPECT_EQ(painted[1].target.topLeft(), QPoint(23, 83));
}

}  // namespace casewright
