#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "core/PrintPdfInspection.h"
#include "core/PrintRecordingDevice.h"
#include "core/SheetTestSupport.h"

#include "document/CoverDocument.h"
#include "print/AlwaysPrintPrompt.h"
#include "print/CalibrationPage.h"
#include "print/PageLayouts.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
#include "print/StockCatalog.h"
#include "support/TestEnvironment.h"
#include "support/TinyFileSystem.h"

namespace casewright {

using namespace PrintPdfInspection;

namespace {

class PrintPdfTest : public IsolatedSettingsTest {
protected:
    PrintJobResult printToPdf(int coverType, const QString& discStock, const QString& path,
                              bool fillSurfaces = false) {
        PrintChoices choices;
        choices.coverStock = QStringLiteral("Plain Paper");
        choices.discStock = discStock;
        choices.discLabels = discLabels;
        doc.ResetToNewDesign(coverType, 96);
        if (colouredDisc) {
            // A plain red disc with a blank hole and nothing else on it.
            doc.dBGColor = kDiscRed;
            doc.dShowBorder = false;
            doc.printOverInnerCircleDisc = false;
            doc.dCoverTitle.clear();
            doc.dCoverText.clear();
        }
        PrintJob job(doc, PrintPlan::Make(coverType, choices, stocks), 96);
        if (fillSurfaces) {
            job.setPainterFactory([this](SurfaceKind kind) {
                return std::make_unique<FillingPainter>(kind, painted);
            });
        }
        PdfSheetPrinter pdf(path);
        AlwaysPrintPrompt prompt;
        return job.run(pdf, prompt);
    }

    // The page of a PDF as a printer at `dpi` would put it on paper.
    QImage rasterise(const QString& pdf, int dpi, int pageNumber = 1) {
        const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        EXPECT_FALSE(rasteriser.isEmpty()) << "pdftoppm (poppler-utils) is not installed";
        const QString prefix = tempPath("raster");
        EXPECT_EQ(QProcess::execute(rasteriser, {"-r", QString::number(dpi), "-png", "-singlefile",
                                                 "-f", QString::number(pageNumber), pdf, prefix}),
                  0);
        return QImage(prefix + ".png");
    }

    CoverDocument doc;
    std::vector<PaintedSurface> painted;
    LabelSelection discLabels;
    StockCatalog stocks;
    bool colouredDisc = false;
    static constexpr ColorRef kDiscRed = 0x0000C0;  // red in the low byte
};

}  // namespace

TEST_F(PrintPdfTest, BothSheetsArePagesOfOneFile) {
    const QString path = tempPath("cover.pdf");
    const PrintJobResult result = printToPdf(CoverTypeStandardCD, "Plain Paper", path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.sheetsPrinted, 2);

    ASSERT_TRUE(ReadLatin1(path).startsWith("%PDF"));
    EXPECT_EQ(PageCount(path), 2);
    EXPECT_EQ(MediaBoxes(path), Boxes({kA4Portrait, kA4Portrait}));
}

TEST_F(PrintPdfTest, DvdCoverPageIsLandscapeAndAveryDiscPageIsLetter) {
    const QString path = tempPath("dvd.pdf");
    const PrintJobResult result =
        printToPdf(CoverTypeStandardDVD, "Avery 8691 CD/DVD Labels (Letter)", path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();

    EXPECT_EQ(PageCount(path), 2);
    EXPECT_EQ(MediaBoxes(path), Boxes({kA4Landscape, kLetterPortrait}));
}

TEST_F(PrintPdfTest, UnwritableFileIsReportedAndNothingIsPrinted) {
    const QString path = tempPath("missing-folder/cover.pdf");
    const PrintJobResult result = printToPdf(CoverTypeStandardCD, "Plain Paper", path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains("missing-folder")) << result.error.toStdString();
    EXPECT_EQ(result.sheetsPrinted, 0);
}

// A PDF is replaced only by a complete one: a job that stops before its end,
// or a disk that fills up, leaves the earlier file and nothing beside it.
TEST_F(PrintPdfTest, AnIncompletePdfNeverReplacesTheEarlierOne) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString path = disk.path(QStringLiteral("cover.pdf"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const auto filesOnDisk = [&disk] {
        return QDir(disk.path(QString())).entryList(QDir::Files).size();
    };
    {
        PdfSheetPrinter stopped(path);
        ASSERT_TRUE(stopped.beginDocument(SheetRequest{}));
        stopped.painter().fillRect(QRect(0, 0, 600, 600), Qt::red);
        EXPECT_TRUE(stopped.endPage());
    }
    EXPECT_EQ(ReadLatin1(path), "earlier");
    EXPECT_EQ(filesOnDisk(), 1);

    for (const int kilobytesLeft : {0, 8}) {
        SCOPED_TRACE(kilobytesLeft);
        disk.fill(kilobytesLeft);
        const PrintJobResult result = printToPdf(CoverTypeStandardCD, "Plain Paper", path);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains("could not be written completely"))
            << result.error.toStdString();
        EXPECT_EQ(ReadLatin1(path), "earlier");
        EXPECT_EQ(filesOnDisk(), 2) << "the earlier file and the filler";
    }
}

// Rasterises the PDF as a printer would at 100 dpi and finds the surfaces
// where the layouts put them, measured from the paper's edge.
TEST_F(PrintPdfTest, SurfacesLandOnTheirSheetPositions) {
    const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (rasteriser.isEmpty()) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    const QString path = tempPath("placed.pdf");
    discLabels = LabelSelection::Of({2});
    ASSERT_TRUE(
        printToPdf(CoverTypeStandardDVD, "Avery 8691 CD/DVD Labels (Letter)", path, true).ok);
    const QString prefix = tempPath("page");
    ASSERT_EQ(QProcess::execute(rasteriser, {"-r", "100", "-png", path, prefix}), 0);

    const QImage covers(prefix + "-1.png");
    const QImage disc(prefix + "-2.png");
    ASSERT_NEAR(covers.width(), 1169, 1);  // A4 landscape
    ASSERT_NEAR(covers.height(), 827, 1);
    ASSERT_NEAR(disc.width(), 850, 1);  // US Letter
    ASSERT_NEAR(disc.height(), 1100, 1);
    const QRgb wrap = FillingPainter::ColorOf(SurfaceKind::DvdWrap).rgb();
    const QRgb label = FillingPainter::ColorOf(SurfaceKind::Disc).rgb();
    const QRgb paper = QColor(Qt::white).rgb();
    // DVD wrap at 0.1 in, 10.73 x 7.2 in.
    EXPECT_EQ(covers.pixel(11, 11), wrap);
    EXPECT_EQ(covers.pixel(8, 11), paper);
    EXPECT_EQ(covers.pixel(1081, 728), wrap);
    EXPECT_EQ(covers.pixel(1085, 728), paper);
    // Avery bottom label at 1.9375 in, 5.6875 in, 4.625 x 4.653 in: on the
    // Letter page, below where the landscape page before it ended.
    EXPECT_EQ(disc.pixel(195, 571), label);
    EXPECT_EQ(disc.pixel(191, 571), paper);
    EXPECT_EQ(disc.pixel(195, 566), paper);
    EXPECT_EQ(disc.pixel(654, 1032), label);
    EXPECT_EQ(disc.pixel(658, 1032), paper);
    EXPECT_EQ(disc.pixel(654, 1036), paper);
}

}  // namespace casewright

namespace casewright {

namespace {

bool Dark(const QImage& page, int x, int y) {
    return qGray(page.pixel(x, y)) < 128;
}

// The longest run of dark pixels through (x, y) along a row (or column), and
// where its middle lies.
std::pair<int, double> RunThrough(const QImage& page, int x, int y, bool alongRow) {
    const auto dark = [&](int i) {
        return alongRow ? i >= 0 && i < page.width() && Dark(page, i, y)
                        : i >= 0 && i < page.height() && Dark(page, x, i);
    };
    const int at = alongRow ? x : y;
    if (!dark(at)) {
        return {0, 0};
    }
    int first = at;
    int last = at;
    while (dark(first - 1)) {
        --first;
    }
    while (dark(last + 1)) {
        ++last;
    }
    return {last - first + 1, (first + last) / 2.0};
}

}  // namespace

// A three-up sheet of the template database in the PDF, as a printer puts
// it on paper: the disc, with its hole, on every chosen label where the
// template says, to a quarter of a millimetre, and nothing on the others.
TEST_F(PrintPdfTest, TheDiscLandsOnEveryChosenLabelOfAThreeUpSheet) {
    ASSERT_TRUE(TestSheets::InstallForUser());
    stocks = LoadStockCatalog({SheetTemplateFolders::UserFolder()}, nullptr);
    colouredDisc = true;
    constexpr int kDpi = 200;
    const double mm = kDpi / 25.4;
    const QRgb paper = QColor(Qt::white).rgb();
    const auto isRed = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 60 && qBlue(c) < 60; };
    struct Case {
        const char* labels;
        std::vector<bool> printed;
    };
    const Case cases[] = {{"all", {true, true, true}}, {"1,3", {true, false, true}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels);
        discLabels = *LabelSelection::Parse(c.labels);
        const QString path = tempPath("three-up.pdf");
        ASSERT_TRUE(printToPdf(CoverTypeStandardCD, TestSheets::ThreeUpName(), path).ok);
        const QImage page = rasterise(path, kDpi, 2);  // after the covers
        ASSERT_NEAR(page.width(), 1654, 1);            // A4
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(n);
            const bool printed = c.printed[static_cast<size_t>(n - 1)];
            const QPointF centre =
                (TestSheets::ThreeUpCorner(n) + QPointF(55, 55) * TestSheets::kMm) * kDpi;
            const double r = TestSheets::kThreeUpDiameter / 2 * mm;
            const double hole = TestSheets::kThreeUpHole / 2 * mm;
            const auto at = [&](double distance, QPointF direction) {
                return page.pixel((centre + direction * distance).toPoint());
            };
            for (const QPointF direction :
                 {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
                EXPECT_EQ(isRed(at(r - 0.25 * mm, direction)), printed);
                EXPECT_EQ(at(r + 0.25 * mm, direction), paper);
                EXPECT_EQ(isRed(at(hole + 0.25 * mm, direction)), printed);
                EXPECT_EQ(at(hole - 0.25 * mm, direction), paper);
            }
        }
    }
}

// The calibration page: a cross at the centre of every label of the sheet,
// within 0.02 in of where the template puts it, as the page prints.
TEST_F(PrintPdfTest, TheCalibrationCrossesSitOnTheLabelCentres) {
    LabelStock stock;
    stock.name = TestSheets::ThreeUpName();
    stock.sheet = std::make_shared<const SheetTemplate>(TestSheets::ThreeUp());
    const DiscSheet sheet =
        MakeDiscSheet(stock, MakeCoverLayout(kTemplateSheetLayout, PrinterAdjustment()));
    const QString path = tempPath("calibration.pdf");
    {
        PdfSheetPrinter pdf(path);
        const CalibrationPage::Result result =
            CalibrationPage::Print(pdf, sheet, {stock.name, QStringLiteral("none")});
        ASSERT_TRUE(result.ok) << result.error.toStdString();
    }
    EXPECT_EQ(MediaBoxes(path), Boxes({kA4Portrait}));
    constexpr int kDpi = 150;
    const QImage page = rasterise(path, kDpi);
    const int armPixels = static_cast<int>(2 * CalibrationPage::kCrossArmMillimetres / 25.4 * kDpi);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const QPointF expected =
            (TestSheets::ThreeUpCorner(n) + QPointF(55, 55) * TestSheets::kMm) * kDpi;
        // Look a little off the expected place, as a misprinted page would be.
        const QPoint start = (expected + QPointF(2, -2)).toPoint();
        const auto row = [&] {
            std::pair<int, double> best{0, 0};
            for (int d = -8; d <= 8; ++d) {
                best = std::max(best, RunThrough(page, start.x(), start.y() + d, true));
            }
            return best;
        }();
        const auto column = [&] {
            std::pair<int, double> best{0, 0};
            for (int d = -8; d <= 8; ++d) {
                best = std::max(best, RunThrough(page, start.x() + d, start.y(), false));
            }
            return best;
        }();
        EXPECT_NEAR(row.first, armPixels, 4) << "the horizontal arm";
        EXPECT_NEAR(column.first, armPixels, 4) << "the vertical arm";
        EXPECT_NEAR(row.second + 0.5, expected.x(), 0.02 * kDpi);
        EXPECT_NEAR(column.second + 0.5, expected.y(), 0.02 * kDpi);
    }
}

}  // namespace casewright
