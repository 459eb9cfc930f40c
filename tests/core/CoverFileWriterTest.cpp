#include <QDir>
#include <QFile>

#include "CoverFileTestSupport.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"

namespace casewright {

namespace {

// A new standard CD design at 96 dpi, spelled out field by field.
const QByteArray kNewStandardCdFile =
    "[BEGIN]"
    "[covertype]=1[ENDcovertype]"
    "[fBGColor]=16777215[ENDfBGColor]"
    "[bBGColor]=16777215[ENDbBGColor]"
    "[dBGColor]=16777215[ENDdBGColor]"
    "[fShowBorder]=TRUE[ENDfShowBorder]"
    "[bShowBorder]=TRUE[ENDbShowBorder]"
    "[dShowBorder]=TRUE[ENDdShowBorder]"
    "[CoverOption]=0[ENDCoverOption]"
    "[fImagePath]=[ENDfImagePath]"
    "[bImagePath]=[ENDbImagePath]"
    "[sImagePath]=[ENDsImagePath]"
    "[dImagePath]=[ENDdImagePath]"
    "[fCoverAlign]=LEFT[ENDfCoverAlign]"
    "[bCoverAlign]=LEFT[ENDbCoverAlign]"
    "[dCoverAlign]=CENTER[ENDdCoverAlign]"
    "[fCoverText]=[ENDfCoverText]"
    "[bCoverText]=[ENDbCoverText]"
    "[dCoverText]=[ENDdCoverText]"
    "[fCoverTitle]=[ENDfCoverTitle]"
    "[bCoverTitle]=[ENDbCoverTitle]"
    "[dCoverTitle]=[ENDdCoverTitle]"
    "[fCoverTextFontName]=[ENDfCoverTextFontName]"
    "[bCoverTextFontName]=[ENDbCoverTextFontName]"
    "[dCoverTextFontName]=[ENDdCoverTextFontName]"
    "[fCoverTextColor]=0[ENDfCoverTextColor]"
    "[bCoverTextColor]=0[ENDbCoverTextColor]"
    "[dCoverTextColor]=0[ENDdCoverTextColor]"
    "[fCoverTextFontFace]=Arial[ENDfCoverTextFontFace]"
    "[bCoverTextFontFace]=Arial[ENDbCoverTextFontFace]"
    "[dCoverTextFontFace]=Arial[ENDdCoverTextFontFace]"
    "[fCoverTextFontHeight]=-24[ENDfCoverTextFontHeight]"
    "[bCoverTextFontHeight]=-24[ENDbCoverTextFontHeight]"
    "[dCoverTextFontHeight]=-16[ENDdCoverTextFontHeight]"
    "[fCoverTextFontWeight]=0[ENDfCoverTextFontWeight]"
    "[bCoverTextFontWeight]=0[ENDbCoverTextFontWeight]"
    "[dCoverTextFontWeight]=0[ENDdCoverTextFontWeight]"
    "[fCoverTextFontItalic]=FALSE[ENDfCoverTextFontItalic]"
    "[bCoverTextFontItalic]=FALSE[ENDbCoverTextFontItalic]"
    "[dCoverTextFontItalic]=FALSE[ENDdCoverTextFontItalic]"
    "[fCoverTextFontStrikeout]=FALSE[ENDfCoverTextFontStrikeout]"
    "[bCoverTextFontStrikeout]=FALSE[ENDbCoverTextFontStrikeout]"
    "[dCoverTextFontStrikeout]=FALSE[ENDdCoverTextFontStrikeout]"
    "[fCoverTextFontUnderline]=FALSE[ENDfCoverTextFontUnderline]"
    "[bCoverTextFontUnderline]=FALSE[ENDbCoverTextFontUnderline]"
    "[dCoverTextFontUnderline]=FALSE[ENDdCoverTextFontUnderline]"
    "[bFrontPrintOverSpines]=1[ENDbFrontPrintOverSpines]"
    "[bBackPrintOverSpines]=1[ENDbBackPrintOverSpines]"
    "[printOverInnerCircleDisc]=1[ENDprintOverInnerCircleDisc]"
    "[frontCoverSpinesOn]=FALSE[ENDfrontCoverSpinesOn]"
    "[backCoverSpinesOn]=TRUE[ENDbackCoverSpinesOn]"
    "[frontCoverSpineText]=[ENDfrontCoverSpineText]"
    "[backCoverSpineText]=[ENDbackCoverSpineText]"
    "[END]"
    "[IMAGE1][ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4][ENDIMAGE4]";

}  // namespace

TEST_F(CoverFileTest, NewStandardCdDesignIsWrittenByteForByte) {
    const QString path = tempPath("new.jkt");
    ASSERT_TRUE(WriteCoverFile(NewDesign(), path));
    const QByteArray bytes = ReadBytes(path);
    EXPECT_EQ(bytes, kNewStandardCdFile);
    EXPECT_TRUE(bytes.startsWith("[BEGIN][covertype]=1[ENDcovertype][fBGColor]="));
    EXPECT_EQ(bytes.right(81), "[END]" + EmptyImageSection());
}

TEST_F(CoverFileTest, ValuesAreWrittenInTheirFileForms) {
    CoverDocument doc = NewDesign(CoverTypeSlimlineDVD);
    doc.fBGColor = MakeColorRef(0, 128, 255);  // 0x00FF8000
    doc.bCoverTextColor = 0xFFFFFFFF;          // signed, as the format prints it
    doc.bShowBorder = false;
    doc.dCoverTextFont.italic = 1;
    doc.bCoverTextFont.weight = 700;
    doc.bBackPrintOverSpines = false;
    doc.fCoverAlign = RIGHT;
    doc.bCoverAlign = 7;  // not a TextAlign: the field is left out
    doc.fCoverText = QStringLiteral("line 1\r\nline 2");
    const QByteArray text = CoverFileTextSection(doc);

    EXPECT_TRUE(text.contains("[covertype]=5[ENDcovertype]"));
    EXPECT_TRUE(text.contains("[fBGColor]=16744448[ENDfBGColor]"));
    EXPECT_TRUE(text.contains("[bCoverTextColor]=-1[ENDbCoverTextColor]"));
    EXPECT_TRUE(text.contains("[bShowBorder]=FALSE[ENDbShowBorder]"));
    EXPECT_TRUE(text.contains("[dCoverTextFontItalic]=TRUE[ENDdCoverTextFontItalic]"));
    EXPECT_TRUE(text.contains("[bCoverTextFontWeight]=700[ENDbCoverTextFontWeight]"));
    EXPECT_TRUE(text.contains("[bBackPrintOverSpines]=0[ENDbBackPrintOverSpines]"));
    EXPECT_TRUE(text.contains("[fCoverAlign]=RIGHT[ENDfCoverAlign][dCoverAlign]=CENTER"));
    EXPECT_FALSE(text.contains("bCoverAlign"));
    EXPECT_TRUE(text.contains("[fCoverText]=line 1\r\nline 2[ENDfCoverText]"));
    EXPECT_TRUE(text.contains("[fCoverTextFontHeight]=-24[ENDfCoverTextFontHeight]"));
}

TEST_F(CoverFileTest, TextsAreStoredAsWindows1252Bytes) {
    CoverDocument doc = NewDesign();
    doc.fCoverTitle = QString::fromUtf8("Café Über € “Hits”");
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(
        text.contains("[fCoverTitle]=Caf\xE9 \xDC"
                      "ber \x80 \x93Hits\x94[ENDfCoverTitle]"));
    EXPECT_FALSE(text.contains("[charset]"));
}

TEST_F(CoverFileTest, TextsBeyondWindows1252AreWrittenAsUtf8WithACharsetField) {
    CoverDocument doc = NewDesign();
    doc.fCoverTitle = QString::fromUtf8("Καλημέρα Café");
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(text.contains("[fCoverTitle]=" + QString::fromUtf8("Καλημέρα Café").toUtf8() +
                              "[ENDfCoverTitle]"));
    EXPECT_TRUE(
        text.endsWith("[backCoverSpineText]=[ENDbackCoverSpineText]"
                      "[charset]=UTF-8[ENDcharset][END]"));
}

TEST_F(CoverFileTest, ImagesAreAppendedUnchangedInBlockOrder) {
    const QByteArray front("front\0bytes", 11);
    const QByteArray stretch = "STRETCH";
    const QByteArray disc = "disc\r\n";
    CoverDocument doc = NewDesign(CoverTypeStandardDVD);
    doc.fImagePath = tempPath("front.png");
    doc.sImagePath = tempPath("whole.jpg");
    doc.dImagePath = tempPath("disc.bmp");
    WriteBytes(doc.fImagePath, front);
    WriteBytes(doc.sImagePath, stretch);
    WriteBytes(doc.dImagePath, disc);

    const QString path = tempPath("images.jkt");
    ASSERT_TRUE(WriteCoverFile(doc, path));
    const QByteArray bytes = ReadBytes(path);
    const QByteArray expectedTail = "[END][IMAGE1]" + front + "[ENDIMAGE1][IMAGE2][ENDIMAGE2]" +
                                    "[IMAGE3]" + stretch + "[ENDIMAGE3][IMAGE4]" + disc +
                                    "[ENDIMAGE4]";
    EXPECT_TRUE(bytes.endsWith(expectedTail));
    EXPECT_TRUE(bytes.contains("[fImagePath]=" + doc.fImagePath.toUtf8() + "[ENDfImagePath]"));
}

TEST_F(CoverFileTest, AnUnreadableImageFailsTheSaveAndKeepsTheOldFile) {
    const QString path = tempPath("keep.jkt");
    WriteBytes(path, "old cover");
    CoverDocument doc = NewDesign();
    doc.bImagePath = tempPath("gone.jpg");

    const CoverFileWriteResult result = WriteCoverFile(doc, path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.errorMessage.contains(doc.bImagePath)) << result.errorMessage.toStdString();
    EXPECT_EQ(ReadBytes(path), "old cover");
    EXPECT_EQ(QDir(tempPath("")).entryList(QDir::Files), QStringList{"keep.jkt"});

    doc.bImagePath = tempPath("");  // a folder is no image either
    EXPECT_FALSE(WriteCoverFile(doc, path).ok);
    EXPECT_EQ(ReadBytes(path), "old cover");
}

TEST_F(CoverFileTest, AFileThatCannotBeCreatedIsReported) {
    const QString inMissingFolder = tempPath("no such folder/cover.jkt");
    const CoverFileWriteResult missing = WriteCoverFile(NewDesign(), inMissingFolder);
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.errorMessage.contains(inMissingFolder));

    const QString folder = tempPath("a folder.jkt");
    QDir().mkpath(folder);
    EXPECT_FALSE(WriteCoverFile(NewDesign(), folder).ok);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(CoverFileTest, SavingOverAnExistingCoverReplacesIt) {
    const QString path = tempPath("replace.jkt");
    WriteBytes(path, QByteArray(5000, 'x'));
    ASSERT_TRUE(WriteCoverFile(NewDesign(), path));
    EXPECT_EQ(ReadBytes(path), kNewStandardCdFile);
}

}  // namespace casewright

namespace casewright {

// The total time switch is an extra field before "[END]" (and before the
// charset field), written only when it is on: a design without it keeps
// its bytes, and a file without it, or with any other value, reads as off.
TEST_F(CoverFileTest, TotalTimeSwitchRoundTripsAndIsWrittenOnlyWhenOn) {
    const QByteArray on = Field("showTotalTime", "TRUE");
    CoverDocument doc = NewDesign();
    doc.showTotalTime = true;
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(text.endsWith("[ENDbackCoverSpineText]" + on + "[END]"));
    doc.fCoverTitle = QString::fromUtf8("Καλημέρα");
    EXPECT_TRUE(CoverFileTextSection(doc).endsWith(on + Field("charset", "UTF-8") + "[END]"));

    const QString path = tempPath("total.jkt");
    ASSERT_TRUE(WriteCoverFile(doc, path));
    CoverDocument back = NewDesign(CoverTypeSlimlineCD);
    ASSERT_TRUE(ReadCoverFile(back, path, 96, imageFolder()).loaded());
    EXPECT_TRUE(back.showTotalTime);
    EXPECT_EQ(back.fCoverTitle, doc.fCoverTitle);

    const QByteArray withoutField = kNewStandardCdFile;
    QByteArray otherValue = kNewStandardCdFile;
    otherValue.replace("[END][IMAGE1]", Field("showTotalTime", "1") + "[END][IMAGE1]");
    for (const QByteArray& bytes : {withoutField, otherValue}) {
        CoverDocument reread = doc;
        ASSERT_TRUE(ParseCoverFile(bytes, reread, 96));
        EXPECT_FALSE(reread.showTotalTime);
    }

    doc.showTotalTime = false;
    EXPECT_FALSE(CoverFileTextSection(EveryFieldChanged()).contains("showTotalTime"));
    const QString offPath = tempPath("off.jkt");
    ASSERT_TRUE(WriteCoverFile(NewDesign(), offPath));
    EXPECT_EQ(ReadBytes(offPath), kNewStandardCdFile);
}

}  // namespace casewright
