#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "CoverFileTestSupport.h"
#include "app/SettingsStore.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileSections.h"
#include "document/CoverFileWriter.h"

namespace casewright {

class CoverFileReaderTest : public CoverFileTest {
protected:
    // Reads bytes as the designer window does: over a new design.
    CoverFileReadOutcome load(const QByteArray& bytes, CoverDocument& doc, int dpi = 96) {
        const QString path = tempPath("read.jkt");
        WriteBytes(path, bytes);
        doc.ResetToNewDesign(CoverTypeStandardCD, dpi);
        return ReadCoverFile(doc, path, dpi, imageFolder()).outcome;
    }

    CoverDocument loaded(const QByteArray& bytes, int dpi = 96) {
        CoverDocument doc;
        EXPECT_EQ(load(bytes, doc, dpi), CoverFileReadOutcome::Loaded);
        return doc;
    }

    QString imageFile(const QString& name) const { return imageFolder() + "/" + name; }
};

TEST_F(CoverFileReaderTest, EveryFieldSurvivesASaveAndLoad) {
    const CoverDocument saved = EveryFieldChanged();
    const QString path = tempPath("round.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));

    CoverDocument doc = NewDesign();
    doc.coverChanged = true;
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()).outcome, CoverFileReadOutcome::Loaded);

    EXPECT_EQ(doc.covertype, saved.covertype);
    EXPECT_EQ(doc.CoverOption, saved.CoverOption);
    for (CoverSide side : {CoverSide::Front, CoverSide::Back, CoverSide::Disc}) {
        const ConstSurfaceFields want = saved.surface(side);
        const ConstSurfaceFields got = std::as_const(doc).surface(side);
        EXPECT_EQ(got.bgColor, want.bgColor);
        EXPECT_EQ(got.showBorder, want.showBorder);
        EXPECT_EQ(got.title, want.title);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.align, want.align);
        EXPECT_EQ(got.textColor, want.textColor);
        EXPECT_EQ(got.fontName, want.fontName);
        LogFont expectedFont = want.font;
        expectedFont.charSet = 1;
        EXPECT_EQ(got.font, expectedFont);
        EXPECT_TRUE(got.imagePath.isEmpty());
    }
    EXPECT_FALSE(doc.bFrontPrintOverSpines);
    EXPECT_FALSE(doc.bBackPrintOverSpines);
    EXPECT_FALSE(doc.printOverInnerCircleDisc);
    EXPECT_EQ(doc.frontCoverSpineText, saved.frontCoverSpineText);
    EXPECT_EQ(doc.backCoverSpineText, saved.backCoverSpineText);
    EXPECT_FALSE(doc.coverChanged);
}

TEST_F(CoverFileReaderTest, AccentsAndLineBreaksOfAWindowsFileAreKept) {
    const CoverDocument doc =
        loaded(CoverBytes(Field("fCoverTitle", "Caf\xE9\r\n\x80 5") + Field("covertype", "2")));
    EXPECT_EQ(doc.fCoverTitle, QString::fromUtf8("Café\r\n€ 5"));
}

TEST_F(CoverFileReaderTest, Utf8TextsAreReadWhenTheCharsetFieldSaysSo) {
    CoverDocument saved = NewDesign();
    saved.bCoverTitle = QString::fromUtf8("Песни\r\nÉté");
    const QString path = tempPath("utf8.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));
    CoverDocument doc = NewDesign();
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()).outcome, CoverFileReadOutcome::Loaded);
    EXPECT_EQ(doc.bCoverTitle, saved.bCoverTitle);
}

TEST_F(CoverFileReaderTest, MissingValuesReadByTheirFormsAndTheDiscDefaults) {
    const CoverDocument doc = loaded(CoverBytes(""), 120);
    EXPECT_EQ(doc.covertype, 0);
    EXPECT_EQ(doc.fBGColor, kBlack);
    EXPECT_EQ(doc.bBGColor, kBlack);
    EXPECT_EQ(doc.dBGColor, kWhite);
    EXPECT_TRUE(doc.fShowBorder);
    EXPECT_TRUE(doc.fCoverTextFont.italic);
    EXPECT_TRUE(doc.bCoverTextFont.underline);
    EXPECT_TRUE(doc.bFrontPrintOverSpines);
    EXPECT_EQ(doc.fCoverTextFont.faceName, "");
    EXPECT_EQ(doc.fCoverTextFont.height, 0);
    EXPECT_EQ(doc.dCoverTextFont.faceName, "Arial");
    EXPECT_EQ(doc.dCoverTextFont.height, -20);  // 12 points at 120 dpi
    EXPECT_FALSE(doc.dCoverTextFont.italic);
    EXPECT_FALSE(doc.dCoverTextFont.underline);
    EXPECT_FALSE(doc.dCoverTextFont.strikeOut);
    EXPECT_EQ(doc.fCoverAlign, LEFT);
    EXPECT_EQ(doc.dCoverAlign, CENTER);

    const CoverDocument empties =
        loaded(CoverBytes(Field("dBGColor", "") + Field("dCoverTextFontFace", "") +
                          Field("dCoverTextFontHeight", "") + Field("dCoverTextFontItalic", "") +
                          Field("fShowBorder", "") + Field("printOverInnerCircleDisc", "")));
    EXPECT_EQ(empties.dBGColor, kWhite);
    EXPECT_EQ(empties.dCoverTextFont.faceName, "Arial");
    EXPECT_EQ(empties.dCoverTextFont.height, -16);
    EXPECT_FALSE(empties.dCoverTextFont.italic);
    EXPECT_TRUE(empties.fShowBorder);
    EXPECT_TRUE(empties.printOverInnerCircleDisc);
}

TEST_F(CoverFileReaderTest, WordsDigitsAndNumbersFollowTheirReadingRules) {
    const CoverDocument doc = loaded(CoverBytes(
        Field("fCoverAlign", "center") + Field("bCoverAlign", "RIGHT") +
        Field("dCoverAlign", "LEFT ") + Field("fShowBorder", "false") +
        Field("bShowBorder", "FALSE") + Field("bFrontPrintOverSpines", "0") +
        Field("bBackPrintOverSpines", "2") + Field("printOverInnerCircleDisc", "00") +
        Field("covertype", " 4abc") + Field("fBGColor", "-1") + Field("bBGColor", "12x") +
        Field("fCoverTextFontWeight", "+700") + Field("bCoverTextFontHeight", "junk") +
        Field("dCoverTextFontHeight", "99999999999")));
    EXPECT_EQ(doc.fCoverAlign, LEFT);  // lower case leaves the reset value
    EXPECT_EQ(doc.bCoverAlign, RIGHT);
    EXPECT_EQ(doc.dCoverAlign, CENTER);
    EXPECT_TRUE(doc.fShowBorder);
    EXPECT_FALSE(doc.bShowBorder);
    EXPECT_FALSE(doc.bFrontPrintOverSpines);
    EXPECT_TRUE(doc.bBackPrintOverSpines);
    EXPECT_TRUE(doc.printOverInnerCircleDisc);
    EXPECT_EQ(doc.covertype, 4);
    EXPECT_EQ(doc.fBGColor, 0xFFFFFFFFu);
    EXPECT_EQ(doc.bBGColor, 12u);
    EXPECT_EQ(doc.fCoverTextFont.weight, 700);
    EXPECT_EQ(doc.bCoverTextFont.height, 0);
    EXPECT_EQ(doc.dCoverTextFont.height, 2147483647);
}

TEST_F(CoverFileReaderTest, FaceNamesAreCutToWhatAFontRecordHolds) {
    const CoverDocument doc = loaded(CoverBytes(Field("bCoverTextFontFace", QByteArray(40, 'x'))));
    EXPECT_EQ(doc.bCoverTextFont.faceName, QString(31, 'x'));
}

TEST_F(CoverFileReaderTest, TheFirstOccurrenceOfATagWins) {
    const CoverDocument doc =
        loaded(CoverBytes(Field("fCoverTitle", "first") + Field("fCoverTitle", "second") +
                          Field("bCoverText", "see [dCoverTitle]=inside[ENDdCoverTitle]") +
                          Field("dCoverTitle", "real")));
    EXPECT_EQ(doc.fCoverTitle, "first");
    EXPECT_EQ(doc.dCoverTitle, "inside");
    EXPECT_EQ(doc.bCoverText, "see [dCoverTitle]=inside[ENDdCoverTitle]");
}

// Older versions wrote texts with no protection: such a file still reads by
// the rule that the first "[END]" ends the text section, while the same
// design saved now comes back whole.
TEST_F(CoverFileReaderTest, AnEndTagInsideAnOlderFilesTextCutsTheTextSection) {
    CoverDocument saved = NewDesign();
    saved.fBGColor = 5;  // written before the text
    saved.fCoverText = QStringLiteral("before[END]after");
    saved.bCoverTitle = QStringLiteral("lost");
    saved.dCoverTextColor = 7;
    saved.dCoverTextFont.height = -30;
    const QByteArray older =
        CoverBytes(Field("fBGColor", "5") + Field("fCoverText", "before[END]after") +
                   Field("bCoverTitle", "lost") + Field("dCoverTextColor", "7"));
    const CoverDocument doc = loaded(older);
    EXPECT_EQ(doc.fBGColor, 5u);
    EXPECT_EQ(doc.fCoverText, "");
    EXPECT_EQ(doc.bCoverTitle, "");
    EXPECT_EQ(doc.dCoverTextColor, kBlack);
    EXPECT_EQ(doc.dCoverTextFont.height, -16);
    EXPECT_TRUE(doc.bFrontPrintOverSpines);

    const QString path = tempPath("whole.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));
    CoverDocument now = NewDesign();
    ASSERT_EQ(ReadCoverFile(now, path, 96, imageFolder()).outcome, CoverFileReadOutcome::Loaded);
    EXPECT_EQ(now.fCoverText, "before[END]after");
    EXPECT_EQ(now.bCoverTitle, "lost");
    EXPECT_EQ(now.dCoverTextColor, 7u);
    EXPECT_EQ(now.dCoverTextFont.height, -30);
}

TEST_F(CoverFileReaderTest, AStandardCdFrontTrackListingIsFlattened) {
    const QByteArray listing =
        "[DELIM]1[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
        "[DELIM]2[/DELIM][DELIM]Song[/DELIM][DELIM]4:05[/DELIM]\n\r"
        "[DELIM]3[/DELIM][DELIM]Open";
    const QByteArray fields =
        Field("fCoverText", listing) + Field("bCoverText", listing) + Field("dCoverText", listing);
    const CoverDocument cd = loaded(CoverBytes(Field("covertype", "1") + fields));
    EXPECT_EQ(cd.fCoverText, "1 Intro 3:12\r2 Song 4:05\r3 Open");
    EXPECT_EQ(cd.bCoverText, QString::fromLatin1(listing));

    const CoverDocument dvd = loaded(CoverBytes(Field("covertype", "2") + fields));
    EXPECT_EQ(dvd.fCoverText, QString::fromLatin1(listing));

    const CoverDocument plain =
        loaded(CoverBytes(Field("covertype", "1") + Field("fCoverText", "a\r\nb")));
    EXPECT_EQ(plain.fCoverText, "a\r\nb");
}

TEST_F(CoverFileReaderTest, ImagesAreExtractedUnderTheStoredExtension) {
    const QByteArray bytes = "[BEGIN]" + Field("fImagePath", "C:\\My Pictures\\Sunset.JPG") +
                             Field("bImagePath", "/home/u/noextension") +
                             Field("dImagePath", "disc.png") + "[END][IMAGE1]front[ENDIMAGE1]" +
                             "[IMAGE2]back[ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4]disc[ENDIMAGE4]";
    const CoverDocument doc = loaded(bytes);
    EXPECT_EQ(doc.fImagePath, imageFile("tmpfront.JPG"));
    EXPECT_EQ(doc.bImagePath, imageFile("tmpback.tmp"));
    EXPECT_EQ(doc.sImagePath, "");
    EXPECT_EQ(doc.dImagePath, imageFile("tmpdisc.png"));
    EXPECT_EQ(ReadBytes(doc.fImagePath), "front");
    EXPECT_EQ(ReadBytes(doc.bImagePath), "back");
    EXPECT_EQ(ReadBytes(doc.dImagePath), "disc");
    // An empty block still leaves its (empty) file, except for the disc.
    EXPECT_TRUE(QFileInfo(imageFile("tmpstretch.tmp")).exists());
    EXPECT_EQ(QFileInfo(imageFile("tmpstretch.tmp")).size(), 0);

    const CoverDocument noDisc = loaded(CoverBytes(Field("dImagePath", "x.gif")));
    EXPECT_FALSE(QFileInfo::exists(imageFile("tmpdisc.gif")));
    EXPECT_EQ(noDisc.dImagePath, "");
}

TEST_F(CoverFileReaderTest, AnExtensionNamingAnotherFolderWritesNothing) {
    const QString outside = tempPath("escaped");
    const QByteArray bytes = "[BEGIN]" + Field("fImagePath", "a./../escaped") +
                             Field("bImagePath", "C:\\pics.old\\sunset") +
                             Field("sImagePath", "/home/u.v/w") +
                             "[END][IMAGE1]evil[ENDIMAGE1][IMAGE2]back[ENDIMAGE2]" +
                             "[IMAGE3]whole[ENDIMAGE3][IMAGE4][ENDIMAGE4]";
    const CoverDocument doc = loaded(bytes);
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_EQ(doc.fImagePath, "");
    EXPECT_EQ(doc.bImagePath, "");
    EXPECT_EQ(doc.sImagePath, "");
    EXPECT_TRUE(QDir(imageFolder()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(CoverFileReaderTest, AMarkerInsideImageDataEndsItsBlockEarly) {
    const QByteArray bytes = "[BEGIN]" + Field("fImagePath", "a.bmp") +
                             Field("bImagePath", "b.bmp") +
                             "[END][IMAGE1]abc[ENDIMAGE1]def[ENDIMAGE1]" +
                             "[IMAGE2]ok[ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4][ENDIMAGE4]";
    const CoverDocument doc = loaded(bytes);
    EXPECT_EQ(ReadBytes(doc.fImagePath), "abc");
    EXPECT_EQ(ReadBytes(doc.bImagePath), "ok");
}

TEST_F(CoverFileReaderTest, DamagedImageBlocksOpenWhatCanBeReadAndNameTheLostPictures) {
    using B = CoverFileFormat::ImageBlock;
    const QByteArray text = "[BEGIN]" + Field("covertype", "2") + Field("fCoverTitle", "kept") +
                            Field("fImagePath", "a.png") + Field("bImagePath", "b.png") +
                            Field("dImagePath", "d.png") + "[END]";
    const struct {
        const char* what;
        QByteArray images;
        QVector<int> lost;
    } cases[] = {
        {"intact",
         "[IMAGE1]A[ENDIMAGE1][IMAGE2]B[ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4]D[ENDIMAGE4]",
         {}},
        {"cut short in the back image",
         "[IMAGE1]A[ENDIMAGE1][IMAGE2]BB",
         {B::BackBlock, B::DiscBlock}},
        {"front start marker missing",
         "A[ENDIMAGE1][IMAGE2]B[ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4]D[ENDIMAGE4]",
         {B::FrontBlock}},
        {"disc end marker missing",
         "[IMAGE1]A[ENDIMAGE1][IMAGE2]B[ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4]D",
         {B::DiscBlock}},
        {"front markers swapped",
         "[ENDIMAGE1]A[IMAGE1][IMAGE2]B[ENDIMAGE2][IMAGE4]D[ENDIMAGE4]",
         {B::FrontBlock}},
        {"no image section", "", {B::FrontBlock, B::BackBlock, B::DiscBlock}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = tempPath("damaged.jkt");
        WriteBytes(path, text + c.images);
        CoverDocument doc = NewDesign();
        const CoverFileReadResult result = ReadCoverFile(doc, path, 96, imageFolder());
        ASSERT_TRUE(result.loaded());
        EXPECT_EQ(result.lostImages, c.lost);
        EXPECT_EQ(doc.fCoverTitle, "kept");
        EXPECT_EQ(doc.covertype, CoverTypeStandardDVD);
        const QString* paths[] = {&doc.fImagePath, &doc.bImagePath, &doc.sImagePath,
                                  &doc.dImagePath};
        for (int block : {B::FrontBlock, B::BackBlock, B::DiscBlock}) {
            EXPECT_EQ(paths[block]->isEmpty(), c.lost.contains(block)) << "block " << block;
        }
    }
    EXPECT_EQ(LostImagesMessage({B::BackBlock}),
              "The picture of the back cover could not be recovered: the image data in the cover "
              "file is damaged or could not be extracted. The rest of the cover has been opened.");
    EXPECT_TRUE(LostImagesMessage({B::FrontBlock, B::StretchBlock, B::DiscBlock})
                    .startsWith("The pictures of the front cover, the whole cover and the disc "
                                "could not be recovered"));
}

TEST_F(CoverFileReaderTest, AnImageThatCannotBeExtractedIsALostPicture) {
    WriteBytes(imageFolder(), "a file where the folder should be");
    const QByteArray bytes = "[BEGIN]" + Field("fImagePath", "a.png") +
                             "[END][IMAGE1]A[ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3]"
                             "[IMAGE4][ENDIMAGE4]";
    const QString path = tempPath("one.jkt");
    WriteBytes(path, bytes);
    CoverDocument doc = NewDesign();
    const CoverFileReadResult result = ReadCoverFile(doc, path, 96, imageFolder());
    ASSERT_TRUE(result.loaded());
    EXPECT_EQ(result.lostImages, QVector<int>{CoverFileFormat::FrontBlock});
    EXPECT_EQ(doc.fImagePath, "");
}

TEST_F(CoverFileReaderTest, ImageMarkersInsideTextsDoNotMoveTheBlocks) {
    CoverDocument saved = NewDesign();
    saved.fCoverTitle = QStringLiteral("[IMAGE1] and [ENDIMAGE2]");
    saved.fImagePath = tempPath("pic.png");
    saved.bImagePath = tempPath("pic2.png");
    WriteBytes(saved.fImagePath, "PNGDATA");
    WriteBytes(saved.bImagePath, "BACK");
    const QString path = tempPath("markers.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));
    CoverDocument doc = NewDesign();
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()).outcome, CoverFileReadOutcome::Loaded);
    EXPECT_EQ(doc.fCoverTitle, saved.fCoverTitle);
    EXPECT_EQ(ReadBytes(doc.fImagePath), "PNGDATA");
    EXPECT_EQ(ReadBytes(doc.bImagePath), "BACK");
}

TEST_F(CoverFileReaderTest, ALoadSetsCharsetOneClearsTheChangedFlagAndLeavesTheSettings) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    doc.coverChanged = true;
    const QString path = tempPath("t.jkt");
    WriteBytes(path, CoverBytes(Field("covertype", "5")));
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()).outcome, CoverFileReadOutcome::Loaded);
    EXPECT_FALSE(doc.coverChanged);
    EXPECT_EQ(doc.covertype, 5);
    EXPECT_EQ(doc.fCoverTextFont.charSet, 1);
    EXPECT_EQ(doc.bCoverTextFont.charSet, 1);
    EXPECT_EQ(doc.dCoverTextFont.charSet, 1);
    EXPECT_FALSE(QFileInfo::exists(configFile()));
}

TEST_F(CoverFileReaderTest, FilesThatAreNotCoversLeaveTheDesignAlone) {
    CoverDocument doc;
    EXPECT_EQ(load("", doc), CoverFileReadOutcome::Invalid);
    EXPECT_EQ(load("[BEGIN][covertype]=2[ENDcovertype][IMAGE1]", doc),
              CoverFileReadOutcome::Invalid);
    EXPECT_EQ(load(QByteArray("[BEGIN][covertype]=2\0[END]", 26), doc),
              CoverFileReadOutcome::Invalid);
    doc.coverChanged = true;
    EXPECT_EQ(load("[BEGIN]" + Field("fCoverTitle", "x"), doc), CoverFileReadOutcome::Invalid);
    EXPECT_EQ(doc.covertype, CoverTypeStandardCD);
    EXPECT_EQ(doc.fCoverTitle, "");
    EXPECT_EQ(SettingsStore().Option, 1u);

    EXPECT_EQ(ReadCoverFile(doc, tempPath("missing.jkt"), 96, imageFolder()).outcome,
              CoverFileReadOutcome::NoFile);
    EXPECT_EQ(ReadCoverFile(doc, tempPath(""), 96, imageFolder()).outcome,
              CoverFileReadOutcome::Unreadable);

    // Far larger than any design: refused instead of read (a sparse file).
    QFile huge(tempPath("huge.jkt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize((qint64(1) << 30) + 1));
    huge.close();
    EXPECT_EQ(ReadCoverFile(doc, huge.fileName(), 96, imageFolder()).outcome,
              CoverFileReadOutcome::Unreadable);

    EXPECT_EQ(CoverFileFormat::InvalidFileCaption(), "Invalid File");
    EXPECT_EQ(CoverFileFormat::InvalidFileMessage(),
              "Unable to load a cover from the file you specified.\n\nPlease make sure that the "
              "file you are trying to load was created with Casewright.");
}

TEST_F(CoverFileReaderTest, WithoutAnImageFolderNothingIsExtractedAndThePicturesAreLost) {
    const QString path = tempPath("nofolder.jkt");
    WriteBytes(path, "[BEGIN]" + Field("fImagePath", "p.png") +
                         "[END][IMAGE1]img[ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3]"
                         "[IMAGE4][ENDIMAGE4]");
    CoverDocument doc = NewDesign();
    const CoverFileReadResult result = ReadCoverFile(doc, path, 96, QString());
    ASSERT_TRUE(result.loaded());
    EXPECT_EQ(doc.fImagePath, "");
    EXPECT_EQ(result.lostImages, QVector<int>{CoverFileFormat::FrontBlock});
    EXPECT_EQ(result.imageBlockSizes[CoverFileFormat::FrontBlock], 3);
    EXPECT_TRUE(QDir(dir_.path() + "/cache").isEmpty());
}

TEST_F(CoverFileReaderTest, NoiseAroundTheTagsNeverBreaksTheParser) {
    QRandomGenerator random(1234);
    const QByteArray pieces[] = {"[END]",
                                 "[IMAGE1]",
                                 "[ENDIMAGE4]",
                                 "[fCoverTitle]=",
                                 "[ENDfCoverTitle]",
                                 "[DELIM]",
                                 "[charset]=UTF-8[ENDcharset]",
                                 "[",
                                 "]",
                                 "\xFF\xFE",
                                 QByteArray(1, '\0')};
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int count = random.bounded(40);
        for (int i = 0; i < count; ++i) {
            bytes += random.bounded(2) ? pieces[random.bounded(int(std::size(pieces)))]
                                       : QByteArray(1, char(random.bounded(256)));
        }
        CoverDocument doc = NewDesign();
        if (const auto sections = ParseCoverFile(bytes, doc, 96)) {
            for (int block = 0; block < 4; ++block) {
                EXPECT_LE(sections->imageBlock(block).size(), bytes.size());
            }
            EXPECT_LE(sections->value("fCoverTitle").size(), bytes.size());
        }
    }
}

}  // namespace casewright
