#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "print/PageLayouts.h"

namespace casewright {

namespace {

// The height of the dark ink in `area` of `image`; 0 when there is none.
int InkHeight(const QImage& image, const QRect& area) {
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

class BatchTextSizeTest : public BatchTest {
protected:
    // A standard CD design whose front cover holds only an 18-point title.
    QString writeCover() {
        CoverDocument doc;
        doc.ResetToNewDesign(CoverTypeStandardCD);
        doc.fCoverTitle = QStringLiteral("HHHH");
        doc.fShowBorder = false;
        const QString path = tempPath(QStringLiteral("sizes.jkt"));
        EXPECT_TRUE(WriteCoverFile(doc, path));
        return path;
    }
};

}  // namespace

// `render` and `print` take a design's font heights as pixels at 96 dpi,
// whatever resolution the desktop reports (this test also runs with it
// reporting 72 and 192), so the PNG and the printed sheet show the title at
// one size; --font-dpi reads a file made at another resolution.
TEST_F(BatchTextSizeTest, RenderAndPrintDrawTitlesAtTheirPointSize) {
    const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(rasteriser.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    const QString cover = writeCover();
    const CoverGeometry layout = MakeCoverLayout(LayoutStandardCD, PrinterAdjustment());
    // At 100 dpi, where the plain-paper layout puts the front cover.
    const QRect frontOnPage(qRound(layout.frontLeft * 100), qRound(layout.frontTop * 100),
                            qRound(layout.frontWidth * 100), qRound(layout.frontHeight * 100));

    const struct {
        QStringList option;
        double points;
    } cases[] = {{{}, 18}, {{"--font-dpi", "96"}, 18}, {{"--font-dpi", "192"}, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option.join(' ').toStdString());
        // A capital H of Arial is 0.69 of the em; 100 dpi.
        const double expected = c.points * 100 / 72 * 0.69;

        const QString png = tempPath("front.png");
        const Run render =
            RunCommand(QStringList{"render", cover, "front", "--dpi", "100", "-o", png} + c.option);
        ASSERT_EQ(render.code, kExitOk) << render.err.toStdString();
        const QImage rendered(png);
        EXPECT_NEAR(InkHeight(rendered, rendered.rect()), expected, 1.5);

        const QString pdf = tempPath("sizes.pdf");
        const Run print =
            RunCommand(QStringList{"print", cover, "--covers", "--no-disc", "-o", pdf} + c.option);
        ASSERT_EQ(print.code, kExitOk) << print.err.toStdString();
        const QString prefix = tempPath("page");
        ASSERT_EQ(QProcess::execute(rasteriser, {"-r", "100", "-png", pdf, prefix}), 0);
        const QImage page(prefix + "-1.png");
        ASSERT_FALSE(page.isNull());
        EXPECT_NEAR(InkHeight(page, frontOnPage), expected, 1.5);
    }
}

TEST_F(BatchTextSizeTest, FontDpiTakesAWholeNumberFromOneTo1200) {
    const QString cover = writeCover();
    for (const char* bad : {"0", "1201", "x", "96.5"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(RunCommand({"print", cover, "-o", tempPath("a.pdf"), "--font-dpi", bad}).code,
                  kExitUsage);
        EXPECT_EQ(RunCommand({"render", cover, "-o", tempPath("a.png"), "--font-dpi", bad}).code,
                  kExitUsage);
    }
    EXPECT_FALSE(QFileInfo::exists(tempPath("a.pdf")));
    EXPECT_TRUE(RunCommand({"print", "--help"}).out.contains("--font-dpi"));
}

}  // namespace casewright
