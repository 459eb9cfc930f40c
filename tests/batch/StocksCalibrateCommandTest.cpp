#include <QDir>

#include "BatchTestSupport.h"
#include "core/PrintPdfInspection.h"
#include "core/SheetTestSupport.h"
#include "print/LabelStock.h"

namespace casewright {

using namespace PrintPdfInspection;

class StocksCommandTest : public BatchTest {};

// One stock a line: its exact name, then paper, labels per sheet, diameter
// and hole, separated by tabs; the built-in stocks first, then the sheets,
// with a line on the error stream for a file that could not be read.
TEST_F(StocksCommandTest, ListsEveryStockWithItsSheet) {
    ASSERT_TRUE(TestSheets::InstallForUser());
    BatchTest::WriteBytes(QDir(SheetTemplateFolders::UserFolder()).filePath("broken.xml"), "<x");
    const Run run = RunCommand({"stocks"});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("warning:")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("broken.xml")) << run.err.toStdString();

    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    const QStringList builtIn = LabelStocks::DiscStockNames();
    ASSERT_GT(lines.size(), builtIn.size());
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].split('\t').size(), 5) << lines[i].toStdString();
        if (i < builtIn.size()) {
            EXPECT_TRUE(lines[i].startsWith(builtIn[i] + '\t')) << i;
        }
    }
    EXPECT_EQ(lines[0], "Plain Paper\tA4\t1\t119.0 mm\t20.6 mm");
    EXPECT_EQ(lines[4], "Avery 5931 CD/DVD Labels (Letter)\tUS Letter\t2\t117.5 mm\t41.0 mm");
    EXPECT_TRUE(lines.contains("Test 3-up - Three discs\tA4\t3\t110.0 mm\t31.0 mm"));
    EXPECT_TRUE(lines.contains("Test Cards - Card discs\tA4\t2\t76.0 mm\t41.0 mm"));
    if (QDir(QStringLiteral("/usr/share/libglabels-3.0/templates")).exists()) {
        EXPECT_GT(lines.size(), 140 + builtIn.size());
    }

    EXPECT_EQ(RunCommand({"stocks", "extra"}).code, kExitUsage);
}

class CalibrateCommandTest : public BatchTest {};

TEST_F(CalibrateCommandTest, WritesTheSheetsPageOnItsPaper) {
    ASSERT_TRUE(TestSheets::InstallForUser());
    struct Case {
        const char* stock;
        const char* media;
    };
    const Case cases[] = {{"Avery 8691 CD/DVD Labels (Letter)", kLetterPortrait},
                          {TestSheets::ThreeUpName(), kA4Portrait}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stock);
        const QString pdf = tempPath("cal.pdf");
        const Run run = RunCommand({"calibrate", "--disc-stock", c.stock, "-o", pdf});
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("cal.pdf (1 page")) << run.out.toStdString();
        EXPECT_EQ(MediaBoxes(pdf), Boxes({c.media}));
    }
}

TEST_F(CalibrateCommandTest, UsageErrors) {
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"calibrate"}, "name the label sheet with --disc-stock"},
        {{"calibrate", "--disc-stock", "Plain Paper"}, "has no labels to calibrate against"},
        {{"calibrate", "--disc-stock", "Avery 9999"}, "unknown disc stock"},
        {{"calibrate", "--disc-stock", "Neato CD/DVD Labels (A4)", "-o", "x.pdf", "-p", "lp"},
         "cannot be used together"},
        {{"calibrate", "file.jkt", "--disc-stock", "Neato CD/DVD Labels (A4)"}, "takes no files"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Run run = RunCommand(c.args);
        EXPECT_EQ(run.code, kExitUsage);
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists("calibration.pdf"));
}

}  // namespace casewright
