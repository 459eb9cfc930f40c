#include "BatchTestSupport.h"
#include "app/SettingsStore.h"
#include "core/PrintPdfInspection.h"
#include "core/SheetTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "print/LabelStock.h"
#include "support/TinyFileSystem.h"
#include "support/ReadOnlyPath.h"

namespace casewright {

using namespace PrintPdfInspection;

namespace {

class PrintCommandTest : public BatchTest {
protected:
    QString writeCover(int coverType, const QString& name) {
        CoverDocument doc;
        doc.ResetToNewDesign(coverType, 96);
        doc.fCoverTitle = QStringLiteral("Title");
        const QString path = tempPath(name);
        EXPECT_TRUE(WriteCoverFile(doc, path));
        return path;
    }
};

}  // namespace

TEST_F(PrintCommandTest, WritesBothSheetsBesideTheCoverFile) {
    const QString cover = writeCover(CoverTypeStandardCD, "album.jkt");
    const Run run = RunCommand({"print", cover});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    const QString pdf = tempPath("album.pdf");
    EXPECT_EQ(PageCount(pdf), 2);
    EXPECT_EQ(MediaBoxes(pdf), Boxes({kA4Portrait, kA4Portrait}));
    EXPECT_TRUE(run.out.contains("album.pdf (2 pages)"));
}

TEST_F(PrintCommandTest, DvdCoversAreLandscapeAndLetterStocksGetLetterPages) {
    const QString cover = writeCover(CoverTypeSlimlineDVD, "film.jkt");
    const QString pdf = tempPath("out/film sheets.pdf");
    QDir().mkpath(tempPath("out"));
    const Run run = RunCommand(
        {"print", cover, "-o", pdf, "--disc-stock", "Avery 8944 CD/DVD Labels (Letter)"});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_EQ(MediaBoxes(pdf), Boxes({kA4Landscape, kLetterPortrait}));
}

TEST_F(PrintCommandTest, SettingsDecideUnlessOverridden) {
    SettingsStore settings;
    settings.printCover = 0;
    ASSERT_TRUE(settings.save());
    const QString cover = writeCover(CoverTypeSlimlineCD, "slim.jkt");
    const QString pdf = tempPath("slim.pdf");

    ASSERT_EQ(RunCommand({"print", cover}).code, kExitOk);
    EXPECT_EQ(PageCount(pdf), 1);

    ASSERT_EQ(RunCommand({"print", cover, "--covers", "--no-disc"}).code, kExitOk);
    EXPECT_EQ(PageCount(pdf), 1);
    ASSERT_EQ(RunCommand({"print", cover, "--covers"}).code, kExitOk);
    EXPECT_EQ(PageCount(pdf), 2);

    const Run nothing = RunCommand({"print", cover, "--no-disc"});
    EXPECT_EQ(nothing.code, kExitUsage);
    EXPECT_TRUE(nothing.err.contains("nothing to print"));
    // The command only reads the choices.
    EXPECT_EQ(SettingsStore().printCover, 0u);
}

// The disc on the labels --labels names, of a sheet of the user's own; a
// label the sheet does not have, or a list that is none, is a usage error.
TEST_F(PrintCommandTest, LabelsPutsTheDiscOnTheNamedLabels) {
    ASSERT_TRUE(TestSheets::InstallForUser());
    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    const QString pdf = tempPath("a.pdf");
    const QString sheet = TestSheets::ThreeUpName();
    const Run run = RunCommand({"print", cover, "--disc-stock", sheet, "--labels", "1,3"});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_EQ(MediaBoxes(pdf), Boxes({kA4Portrait, kA4Portrait}));

    struct Case {
        QStringList options;
        const char* message;
    };
    const Case cases[] = {
        {{"--disc-stock", sheet, "--labels", "4"}, "has 3 labels; there is no label 4"},
        {{"--disc-stock", sheet, "--labels", "1,x"}, "--labels: \"x\" is not a label number"},
        {{"--labels", "2", "--bottom-label"}, "cannot be used together"},
        {{"--disc-stock", "Plain Paper", "--labels", "2"}, "has 1 label; there is no label 2"},
    };
    QFile::remove(pdf);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const Run failed = RunCommand(QStringList{"print", cover} + c.options);
        EXPECT_EQ(failed.code, kExitUsage);
        EXPECT_TRUE(failed.err.contains(c.message)) << failed.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

TEST_F(PrintCommandTest, UnknownStockIsAUsageErrorListingTheStocks) {
    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    const Run run = RunCommand({"print", cover, "--disc-stock", "Avery 9999"});
    EXPECT_EQ(run.code, kExitUsage);
    for (const QString& name : LabelStocks::DiscStockNames()) {
        EXPECT_TRUE(run.err.contains(name)) << name.toStdString();
    }
    EXPECT_FALSE(QFile::exists(tempPath("a.pdf")));
}

TEST_F(PrintCommandTest, UsageErrors) {
    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    EXPECT_EQ(RunCommand({"print"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"print", cover, cover}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"print", cover, "-o", "x.pdf", "-p", "lp"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"print", cover, "--disc", "--no-disc"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"print", cover, "--colour"}).code, kExitUsage);
    const Run help = RunCommand({"print", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_TRUE(help.out.contains("--disc-stock NAME"));
}

TEST_F(PrintCommandTest, NeverWritesThePdfOverTheCoverFile) {
    const QString cover = writeCover(CoverTypeStandardCD, "named.pdf");
    const QByteArray before = ReadBytes(cover);
    EXPECT_EQ(RunCommand({"print", cover}).code, kExitUsage);
    EXPECT_EQ(ReadBytes(cover), before);
}

TEST_F(PrintCommandTest, InputOutputAndPrinterFailures) {
    EXPECT_EQ(RunCommand({"print", tempPath("missing.jkt")}).code, kExitFailure);

    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    const Run unwritable = RunCommand({"print", cover, "-o", tempPath("no/such/dir/a.pdf")});
    EXPECT_EQ(unwritable.code, kExitFailure);
    EXPECT_TRUE(unwritable.err.contains("could not be created"));

    const Run printer = RunCommand({"print", cover, "-p", "No Such Printer 42"});
    EXPECT_EQ(printer.code, kExitFailure);
    EXPECT_TRUE(printer.err.contains("No Such Printer 42"));
}

// The PDFs of print and calibrate and the PNG of render are saved like a
// cover: on a full disk the command fails, names the file, and the earlier
// file stays whole.
TEST_F(PrintCommandTest, AFullDiskFailsPrintAndRenderAndKeepsTheEarlierOutput) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    struct Case {
        QStringList command;
        const char* output;
        const char* message;
    };
    const Case cases[] = {{{"print", cover}, "a.pdf", "could not be written completely"},
                          {{"render", cover}, "a.png", "cannot write"},
                          {{"calibrate", "--disc-stock", "Neato CD/DVD Labels (A4)"},
                           "cal.pdf",
                           "could not be written completely"}};
    for (const Case& c : cases) {
        WriteBytes(disk.path(QLatin1String(c.output)), "earlier");
    }
    for (const int kilobytesLeft : {0, 4}) {
        disk.fill(kilobytesLeft);
        for (const Case& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1, %2 KB free")
                             .arg(c.command.first())
                             .arg(kilobytesLeft)
                             .toStdString());
            const QString output = disk.path(QLatin1String(c.output));
            const Run run = RunCommand(c.command + QStringList{"-o", output});
            EXPECT_EQ(run.code, kExitFailure);
            EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(output)) << run.err.toStdString();
            EXPECT_EQ(ReadBytes(output), "earlier");
        }
    }
    EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files).size(), 4)
        << "the three earlier files and the filler";
}

// The settings decide even where the command cannot write them back (it
// tries to, for the case type it read): a folder or a file the user may not
// write.
TEST_F(PrintCommandTest, SettingsThatCannotBeWrittenStillDecide) {
    {
        SettingsStore settings;
        settings.printCover = 0;
        settings.cdFormatDisc = QStringLiteral("Neato CD/DVD Labels (A4)");
        ASSERT_TRUE(settings.save());
    }
    const QString cover = writeCover(CoverTypeStandardCD, "a.jkt");
    const QString pdf = tempPath("a.pdf");
    const QString file = SettingsStore::filePath();
    for (const QString& readOnly : {QFileInfo(file).absolutePath(), file}) {
        SCOPED_TRACE(readOnly.toStdString());
        const QByteArray before = ReadBytes(file);
        const ReadOnlyPath guard(readOnly);
        ASSERT_TRUE(guard.active());
        const Run run = RunCommand({"print", cover, "-o", pdf});
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        EXPECT_EQ(PageCount(pdf), 1);  // the disc only, on the Neato sheet
        EXPECT_EQ(ReadBytes(file), before);
    }
}

// However far the settings move or enlarge the surfaces, printing stays a
// matter of a moment and ends well.
TEST_F(PrintCommandTest, AdjustmentsOfMetresPrintAsTwoHundredMillimetres) {
    SettingsStore settings;
    for (QString* mm : {&settings.expandDiscMM, &settings.expandCoverMM, &settings.moveDiscMMX,
                        &settings.moveDiscMMY}) {
        *mm = QStringLiteral("5000");
    }
    ASSERT_TRUE(settings.save());
    for (const int type :
         {CoverTypeStandardCD, CoverTypeSlimlineCD, CoverTypeStandardDVD, CoverTypeSlimlineDVD}) {
        SCOPED_TRACE(type);
        const QString cover = writeCover(type, "big.jkt");
        const Run run = RunCommand({"print", cover});
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        EXPECT_EQ(PageCount(tempPath("big.pdf")), 2);
    }
}

// A lock that can never be taken costs the settings save, not the command.
TEST_F(PrintCommandTest, ASettingsLockThatCannotBeTakenDoesNotStopTheCommands) {
    ASSERT_TRUE(SettingsStore().save());
    const QByteArray before = ReadBytes(SettingsStore::filePath());
    ASSERT_TRUE(QDir().mkpath(SettingsStore::filePath() + QStringLiteral(".lock")));
    const QString cover = writeCover(CoverTypeStandardDVD, "a.jkt");
    EXPECT_EQ(RunCommand({"info", cover}).code, kExitOk);
    EXPECT_EQ(RunCommand({"render", cover, "--dpi", "24", "-o", tempPath("a.png")}).code, kExitOk);
    EXPECT_EQ(RunCommand({"print", cover}).code, kExitOk);
    EXPECT_EQ(ReadBytes(SettingsStore::filePath()), before);
}

}  // namespace casewright
