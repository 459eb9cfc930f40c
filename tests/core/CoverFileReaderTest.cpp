#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

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
        return ReadCoverFile(doc, path, dpi, imageFolder());
    }

    CoverDocument loaded(const QByteArray& bytes, int dpi = 96) {
        CoverDocument doc;
        EXPECT_EQ(load(bytes, doc, dpi), CoverFileReadOutcome::Loaded);
        return doc;
    }

    QString imageFile(const QString& name) const { return imageFolder() + "/" + name; }
};

namespace {

// A design with every stored field away from its reset value.
CoverDocument EveryFieldChanged() {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeSlimlineCD, 96);
    doc.CoverOption = 1;
    doc.fBGColor = 0x00010203;
    doc.bBGColor = 0x00A0B0C0;
    doc.dBGColor = 0;
    doc.fShowBorder = doc.bShowBorder = doc.dShowBorder = false;
    doc.fCoverAlign = CENTER;
    doc.bCoverAlign = RIGHT;
    doc.dCoverAlign = LEFT;
    doc.fCoverText = QStringLiteral("front\r\ntext");
    doc.bCoverText = QStringLiteral("[DELIM]1[/DELIM][DELIM]A[/DELIM][DELIM]2:00[/DELIM]\n\r");
    doc.dCoverText = QString::fromUtf8("disc ünïcödé");
    doc.fCoverTitle = QStringLiteral("F");
    doc.bCoverTitle = QStringLiteral("B");
    doc.dCoverTitle = QStringLiteral("D");
    doc.fCoverTextFontName = QStringLiteral("n1");
    doc.bCoverTextFontName = QStringLiteral("n2");
    doc.dCoverTextFontName = QStringLiteral("n3");
    doc.fCoverTextColor = 1;
    doc.bCoverTextColor = 2;
    doc.dCoverTextColor = 0x00FFFFFF;
    int i = 0;
    for (LogFont* font : {&doc.fCoverTextFont, &doc.bCoverTextFont, &doc.dCoverTextFont}) {
        ++i;
        font->setFaceName(QStringLiteral("Face %1").arg(i));
        font->height = -10 - i;
        font->weight = 100 * i;
        font->italic = i == 1;
        font->underline = i == 2;
        font->strikeOut = i == 3;
    }
    doc.bFrontPrintOverSpines = false;
    doc.bBackPrintOverSpines = false;
    doc.printOverInnerCircleDisc = false;
    doc.frontCoverSpineText = QStringLiteral("front spine");
    doc.backCoverSpineText = QStringLiteral("back spine");
    return doc;
}

}  // namespace

TEST_F(CoverFileReaderTest, EveryFieldSurvivesASaveAndLoad) {
    const CoverDocument saved = EveryFieldChanged();
    const QString path = tempPath("round.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));

    CoverDocument doc = NewDesign();
    doc.coverChanged = true;
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()), CoverFileReadOutcome::Loaded);

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
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()), CoverFileReadOutcome::Loaded);
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

TEST_F(CoverFileReaderTest, AnEndTagTypedIntoATextCutsTheTextSection) {
    CoverDocument saved = NewDesign();
    saved.fBGColor = 5;  // written before the text
    saved.fCoverText = QStringLiteral("before[END]after");
    saved.bCoverTitle = QStringLiteral("lost");
    saved.dCoverTextColor = 7;
    saved.dCoverTextFont.height = -30;
    const QString path = tempPath("cut.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));
    CoverDocument doc = NewDesign();
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()), CoverFileReadOutcome::Loaded);
    EXPECT_EQ(doc.fBGColor, 5u);
    EXPECT_EQ(doc.fCoverText, "");
    EXPECT_EQ(doc.bCoverTitle, "");
    EXPECT_EQ(doc.dCoverTextColor, kBlack);
    EXPECT_EQ(doc.dCoverTextFont.height, -16);
    EXPECT_TRUE(doc.bFrontPrintOverSpines);
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
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()), CoverFileReadOutcome::Loaded);
    EXPECT_EQ(doc.fCoverTitle, saved.fCoverTitle);
    EXPECT_EQ(ReadBytes(doc.fImagePath), "PNGDATA");
    EXPECT_EQ(ReadBytes(doc.bImagePath), "BACK");
}

TEST_F(CoverFileReaderTest, ALoadSetsCharsetOneStoresTheTypeAndClearsTheChangedFlag) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    doc.coverChanged = true;
    const QString path = tempPath("t.jkt");
    WriteBytes(path, CoverBytes(Field("covertype", "5")));
    ASSERT_EQ(ReadCoverFile(doc, path, 96, imageFolder()), CoverFileReadOutcome::Loaded);
    EXPECT_FALSE(doc.coverChanged);
    EXPECT_EQ(doc.fCoverTextFont.charSet, 1);
    EXPECT_EQ(doc.bCoverTextFont.charSet, 1);
    EXPECT_EQ(doc.dCoverTextFont.charSet, 1);
    EXPECT_EQ(SettingsStore().Option, 5u);
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

    EXPECT_EQ(ReadCoverFile(doc, tempPath("missing.jkt"), 96, imageFolder()),
              CoverFileReadOutcome::NoFile);
    EXPECT_EQ(ReadCoverFile(doc, tempPath(""), 96, imageFolder()),
              CoverFileReadOutcome::Unreadable);

    // Far larger than any design: refused instead of read (a sparse file).
    QFile huge(tempPath("huge.jkt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize((qint64(1) << 30) + 1));
    huge.close();
    EXPECT_EQ(ReadCoverFile(doc, huge.fileName(), 96, imageFolder()),
              CoverFileReadOutcome::Unreadable);

    EXPECT_EQ(CoverFileFormat::InvalidFileCaption(), "Invalid File");
    EXPECT_EQ(CoverFileFormat::InvalidFileMessage(),
              "Unable to load a cover from the file you specified.\n\nPlease ensure the file are "
              "attempting to load was created using Casewright.");
}

TEST_F(CoverFileReaderTest, ImagesGoToTheCacheFolderByDefault) {
    const QString path = tempPath("cache.jkt");
    WriteBytes(path, "[BEGIN]" + Field("fImagePath", "p.png") +
                         "[END][IMAGE1]img[ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3]"
                         "[IMAGE4][ENDIMAGE4]");
    CoverDocument doc = NewDesign();
    ASSERT_EQ(ReadCoverFile(doc, path, 96), CoverFileReadOutcome::Loaded);
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    EXPECT_TRUE(cache.startsWith(dir_.path()));
    EXPECT_EQ(doc.fImagePath, cache + "/tmpfront.png");
    EXPECT_EQ(ReadBytes(doc.fImagePath), "img");
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
        if (const auto sections = CoverFileSections::parse(bytes)) {
            for (int block = 0; block < 4; ++block) {
                EXPECT_LE(sections->imageBlock(block).size(), bytes.size());
            }
            EXPECT_LE(sections->value("fCoverTitle").size(), bytes.size());
        }
    }
}

}  // namespace casewright
