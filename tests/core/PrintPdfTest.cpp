#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "core/PrintPdfInspection.h"
#include "core/PrintRecordingDevice.h"

#include "document/CoverDocument.h"
#include "print/AlwaysPrintPrompt.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
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
        PrintJob job(doc, PrintPlan::Make(coverType, choices), 96);
        if (fillSurfaces) {
            job.setPainterFactory([this](SurfaceKind kind) {
                return std::make_unique<FillingPainter>(kind, painted);
            });
        }
        PdfSheetPrinter pdf(path);
        AlwaysPrintPrompt prompt;
        return job.run(pdf, prompt);
    }

    CoverDocument doc;
    std::vector<PaintedSurface> painted;
    LabelSelection discLabels;
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
