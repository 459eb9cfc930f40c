#include "CoverFileTestSupport.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileTagEscape.h"
#include "document/CoverFileWriter.h"
#include "document/ImagePlacementFields.h"

namespace casewright {

namespace {

// The fields whose free text comes back as typed (of a path only the
// extension is read back).
QVector<const CoverFileField*> TypedTextFields() {
    QVector<const CoverFileField*> fields;
    for (const CoverFileField& field : CoverFileFields()) {
        if (field.form == CoverFieldForm::Text || field.form == CoverFieldForm::FaceName) {
            fields << &field;
        }
    }
    return fields;
}

const QString kJoiner(QChar(CoverFileTagEscape::kBreak));

}  // namespace

class CoverFileTagsTest : public CoverFileTest {
protected:
    // Saves the design's text section and reads it back over a new design.
    static CoverDocument Reloaded(const CoverDocument& saved) {
        CoverDocument doc = NewDesign(saved.covertype);
        EXPECT_TRUE(ParseCoverFile(CoverFileTextSection(saved) + EmptyImageSection(), doc, 96));
        return doc;
    }

    // Puts `value` into every typed text field in turn and checks that the
    // whole design comes back unchanged.
    static void ExpectEveryFieldKeeps(const QString& value) {
        for (const CoverFileField* field : TypedTextFields()) {
            SCOPED_TRACE(QStringLiteral("%1 holding \"%2\"").arg(field->key, value).toStdString());
            CoverDocument doc = EveryFieldChanged();
            ApplyCoverField(doc, *field,
                            value);  // face names are cut as the font record holds them
            EXPECT_EQ(FileFields(Reloaded(doc)).join('\n').toStdString(),
                      FileFields(doc).join('\n').toStdString());
        }
    }
};

TEST_F(CoverFileTagsTest, EveryTagOfTheFormatInEveryTextFieldComesBackAsTyped) {
    // 52 fields and the extra fields before "[END]".
    ASSERT_EQ(CoverFileFormat::AllTags().size(),
              2 + (54 + ImagePlacementFields::Keys().size()) * 2 + 8);
    ASSERT_EQ(TypedTextFields().size(), 14);
    for (const QString& tag : CoverFileFormat::AllTags()) {
        ExpectEveryFieldKeeps(QStringLiteral("Live ") + tag + QStringLiteral(" Tour"));
    }
}

TEST_F(CoverFileTagsTest, TheBreakCharacterAndNearTagsComeBackAsTyped) {
    const QString values[] = {
        "[" + kJoiner + "END]",
        "[" + kJoiner + kJoiner + "x",
        kJoiner + "[END]" + kJoiner,
        "[" + kJoiner,
        "[[END]][[[BEGIN]",
        "[END][END][ENDEND]",
        "see [dCoverTitle]=oops[ENDdCoverTitle]",
        "[charset]=UTF-8[ENDcharset]",
        "[IMAGE1]" + QString::fromUtf8("Καλημέρα") + "[ENDIMAGE4]",
        "[",
        "]",
        "[END",
    };
    for (const QString& value : values) {
        ExpectEveryFieldKeeps(value);
    }
}

TEST_F(CoverFileTagsTest, ANulByteCannotCloseATagUpBehindIt) {
    CoverDocument doc = EveryFieldChanged();
    doc.fCoverTitle = QStringLiteral("a[EN") + QChar(u'\0') + QStringLiteral("D]b");
    const CoverDocument back = Reloaded(doc);
    EXPECT_EQ(back.fCoverTitle, "a[END]b");
    EXPECT_EQ(back.dCoverTitle, doc.dCoverTitle);
    EXPECT_EQ(back.backCoverSpineText, doc.backCoverSpineText);
}

// Readers that look fields up by tag, such as older versions, must find
// every real tag first: none may occur inside a value.
TEST_F(CoverFileTagsTest, TagsInsideTextsAreBrokenInAUtf8Section) {
    CoverDocument doc = EveryFieldChanged();
    doc.fCoverTitle = QStringLiteral("Live [END] Tour");
    doc.showTotalTime = true;  // so that its field is written too
    doc.fCoverText = CoverFileFormat::AllTags().join(QStringLiteral(" "));
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        doc.imagePlacement(block).fit = ImageFit::Fill;  // every placement field written
    }
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(text.endsWith("[charset]=UTF-8[ENDcharset][END]"));
    EXPECT_TRUE(
        text.contains("[fCoverTitle]=Live [\xE2\x81\xA0"
                      "END] Tour[ENDfCoverTitle]"));
    for (const QString& tag : CoverFileFormat::AllTags()) {
        SCOPED_TRACE(tag.toStdString());
        const bool isImageMarker = tag.contains(QLatin1String("IMAGE"));
        EXPECT_EQ(text.count(tag.toLatin1()), isImageMarker ? 0 : 1);
    }
}

TEST_F(CoverFileTagsTest, TextsWithoutTagsKeepTheirBytes) {
    CoverDocument doc = EveryFieldChanged();
    doc.bCoverTitle = QString::fromUtf8("[DELIM] [end] [END [fCoverTitle [IMAGE5] [/END] Café");
    const QByteArray text = CoverFileTextSection(doc);
    EXPECT_TRUE(
        text.contains("[bCoverTitle]=[DELIM] [end] [END [fCoverTitle [IMAGE5] [/END] Caf\xE9"
                      "[ENDbCoverTitle]"));
    EXPECT_FALSE(text.contains("[charset]"));

    // A text section that already needed UTF-8 changes only where a tag is.
    doc.bCoverTitle = QString::fromUtf8("Καλημέρα [DELIM]");
    EXPECT_TRUE(CoverFileTextSection(doc).contains(
        "[bCoverTitle]=" + QString::fromUtf8("Καλημέρα [DELIM]").toUtf8() + "[ENDbCoverTitle]"));
}

TEST_F(CoverFileTagsTest, ASavedFileWithTagsInItsTextsOpensWhole) {
    CoverDocument saved = EveryFieldChanged();
    saved.fCoverTitle = QStringLiteral("Live [END] Tour");
    saved.fCoverText = QStringLiteral("see [dCoverTitle]=oops");
    saved.fImagePath = tempPath("front.png");
    WriteBytes(saved.fImagePath, "PNGDATA");
    const QString path = tempPath("tags.jkt");
    ASSERT_TRUE(WriteCoverFile(saved, path));

    CoverDocument doc = NewDesign();
    const CoverFileReadResult result = ReadCoverFile(doc, path, 96, imageFolder());
    ASSERT_TRUE(result.loaded());
    EXPECT_TRUE(result.lostImages.isEmpty());
    EXPECT_EQ(ReadBytes(doc.fImagePath), "PNGDATA");
    doc.fImagePath.clear();
    saved.fImagePath.clear();
    EXPECT_EQ(FileFields(doc), FileFields(saved));
}

// A face name is cut to what a font record holds; the cut never splits a
// character in two, or the half left over would not survive a save.
TEST_F(CoverFileTagsTest, AFaceNameCutKeepsWholeCharacters) {
    CoverDocument doc = EveryFieldChanged();
    const QString face = QString(30, QLatin1Char('x')) + QString::fromUtf8("😀y");
    ApplyCoverField(doc, *FindCoverFileField("fCoverTextFontFace"), face);
    EXPECT_EQ(doc.fCoverTextFont.faceName, QString(30, QLatin1Char('x')));
    EXPECT_EQ(FileFields(Reloaded(doc)).join('\n').toStdString(),
              FileFields(doc).join('\n').toStdString());
    LogFont font;
    font.setFaceName(face);
    EXPECT_EQ(font.faceName, QString(30, QLatin1Char('x')));
}

// The fuzzer's dictionary must keep up with the format.
TEST_F(CoverFileTagsTest, TheFuzzDictionaryHoldsEveryTag) {
    const QByteArray dictionary =
        ReadBytes(QStringLiteral(CASEWRIGHT_SOURCE_DIR "/tests/fuzz/cover-file.dict"));
    ASSERT_FALSE(dictionary.isEmpty());
    for (const QString& tag : CoverFileFormat::AllTags()) {
        EXPECT_TRUE(dictionary.contains("=\"" + tag.toLatin1())) << tag.toStdString();
    }
}

}  // namespace casewright
