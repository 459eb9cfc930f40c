#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileWriter.h"
#include "document/TemporaryImageFolder.h"

namespace casewright {

TEST_F(BatchTest, InfoPrintsEveryFieldInFileOrderThenTheImageSizes) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardDVD, 96);
    doc.bCoverTitle = QStringLiteral("C:\\dir\r\nnext\nline");
    doc.fImagePath = tempPath("front.jpg");
    WriteBytes(doc.fImagePath, "0123456789");
    const QString path = tempPath("dvd.jkt");
    ASSERT_TRUE(WriteCoverFile(doc, path));

    const Run run = RunCommand({"info", path});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 56);
    EXPECT_EQ(lines.first(), "covertype=2");
    EXPECT_EQ(lines.at(1), "fBGColor=16777215");
    EXPECT_EQ(lines.at(51), "backCoverSpineText=");
    EXPECT_EQ(lines.mid(52), QStringList({"image1=10", "image2=0", "image3=0", "image4=0"}));
    EXPECT_EQ(InfoValue(run.out, "bCoverTitle"), "C:\\\\dir\\r\\nnext\\nline");
    EXPECT_EQ(InfoValue(run.out, "fCoverTextFontHeight"), "-19");
    // The image went to a folder of the command's own, gone when it ended.
    const QFileInfo extracted(InfoValue(run.out, "fImagePath"));
    EXPECT_EQ(extracted.fileName(), "tmpfront.jpg");
    EXPECT_EQ(QFileInfo(extracted.path()).path(), TemporaryImageFolder::DefaultParent());
    EXPECT_FALSE(extracted.exists());
    EXPECT_TRUE(QDir(TemporaryImageFolder::DefaultParent()).isEmpty());
}

TEST_F(BatchTest, InfoReportsFilesItCannotShow) {
    const Run missing = RunCommand({"info", tempPath("missing.jkt")});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_TRUE(missing.err.contains("missing.jkt"));
    EXPECT_TRUE(missing.out.isEmpty());

    WriteBytes(tempPath("junk.jkt"), "not a cover");
    const Run invalid = RunCommand({"info", tempPath("junk.jkt")});
    EXPECT_EQ(invalid.code, kExitFailure);
    EXPECT_TRUE(invalid.err.contains(CoverFileFormat::InvalidFileMessage()));

    EXPECT_EQ(RunCommand({"info", tempPath("")}).code, kExitFailure);  // a folder
}

TEST_F(BatchTest, InfoUsage) {
    EXPECT_EQ(RunCommand({"info"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"info", "a.jkt", "b.jkt"}).code, kExitUsage);
    EXPECT_EQ(RunCommand({"info", "--verbose", "a.jkt"}).code, kExitUsage);
    const Run help = RunCommand({"info", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_TRUE(help.out.startsWith("Usage: casewright-batch info FILE.jkt"));
}

}  // namespace casewright
