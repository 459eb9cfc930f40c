#include "text/CueSheetImport.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <thread>

#include "document/Cp1252Codec.h"
#include "support/AudioTestFiles.h"
#include "text/TrackSourceImport.h"

namespace casewright {

namespace {

// A disc of three tracks in one file, as rippers write it.
const char* const kSingleFileSheet = R"(REM GENRE Rock
REM DATE 1999
REM COMMENT "ExactAudioCopy v1.6"
CATALOG 0724384260927
PERFORMER "The Band"
TITLE "First Album"
FILE "album.wav" WAVE
  TRACK 01 AUDIO
    TITLE "Opening"
    PERFORMER "The Band"
    FLAGS DCP
    ISRC GBAYE0000001
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    TITLE "Duet"
    PERFORMER "The Band & Guest"
    INDEX 00 02:58:00
    INDEX 01 03:00:00
  TRACK 03 AUDIO
    TITLE "Closing"
    INDEX 01 07:30:37
)";

}  // namespace

class CueSheetImportTest : public ::testing::Test {
protected:
    QString writeText(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(AudioTestFiles::WriteBytes(path, bytes));
        return path;
    }

    void writeWav(const QString& name, qint64 cdFrames) {
        EXPECT_TRUE(AudioTestFiles::WriteBytes(dir_.filePath(name),
                                               AudioTestFiles::WavOfCdFrames(cdFrames)));
    }

    QTemporaryDir dir_;
};

TEST_F(CueSheetImportTest, ReadsDiscAndTrackTextsAndLengthsFromTheIndexes) {
    const QString sheet = writeText("album.cue", kSingleFileSheet);
    writeWav("album.wav", 12 * 60 * 75);
    const TrackImportResult imported = ImportCueSheet(sheet);
    ASSERT_TRUE(imported) << imported.error.toStdString();
    EXPECT_EQ(imported.album->title, "First Album");
    EXPECT_EQ(imported.album->artist, "The Band");
    // 3:00 to 7:30.49 rounds to 4:30; the last track runs to the end of the file.
    EXPECT_EQ(imported.album->rows,
              (std::vector<TrackRow>{{"1.", "Opening", "3:00"},
                                     {"2.", "The Band & Guest - Duet", "4:30"},
                                     {"3.", "Closing", "4:30"}}));

    // Without the audio file the last length is unknown, the others are not.
    QFile::remove(dir_.filePath("album.wav"));
    const TrackImportResult without = ImportCueSheet(sheet);
    ASSERT_TRUE(without);
    EXPECT_EQ(without.album->rows.at(1).length, "4:30");
    EXPECT_EQ(without.album->rows.at(2).length, "");

    // An audio file shorter than where the sheet starts its last track (cut
    // off, or another take found under the same name) leaves that length
    // unknown rather than negative.
    writeWav("album.wav", 5 * 60 * 75);
    QString error;
    const std::optional<CueSheet> read = ReadCueSheet(sheet, &error);
    ASSERT_TRUE(read) << error.toStdString();
    const CueDiscLayout layout = LayOutCueSheet(*read, CueSheetFileFrames(*read, dir_.path()));
    EXPECT_EQ(layout.trackLengths.at(1), 20287);
    EXPECT_EQ(layout.trackLengths.at(2), std::nullopt);
}

TEST_F(CueSheetImportTest, FollowsTracksAcrossFilesAndGaps) {
    // One file a track, the second track's pregap at the end of the first file, the third's
    // at the start of its own, which was converted to FLAC after the sheet was written.
    const QString perTrack = writeText("files.cue", R"(FILE "01.wav" WAVE
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 00 02:58:00
FILE "02.wav" WAVE
    INDEX 01 00:00:00
FILE "03.wav" WAVE
  TRACK 03 AUDIO
    INDEX 00 00:00:00
    INDEX 01 00:02:00
)");
    writeWav("01.wav", 3 * 60 * 75);
    writeWav("02.wav", 2 * 60 * 75);
    ASSERT_TRUE(AudioTestFiles::Write(dir_.filePath("03.flac"), AudioTestFiles::Format::Flac, 60));
    QString error;
    const std::optional<CueSheet> sheet = ReadCueSheet(perTrack, &error);
    ASSERT_TRUE(sheet) << error.toStdString();
    EXPECT_EQ(sheet->tracks.at(1).file, 1);  // where its INDEX 01 is
    const CueDiscLayout layout = LayOutCueSheet(*sheet, CueSheetFileFrames(*sheet, dir_.path()));
    EXPECT_EQ(layout.trackStarts, (std::vector<std::optional<qint64>>{0, 13500, 22650}));
    EXPECT_EQ(layout.trackLengths, (std::vector<std::optional<qint64>>{13500, 9150, 4350}));
    EXPECT_EQ(layout.discEnd, 27000);

    // Silence the sheet adds (PREGAP, POSTGAP) lies between the files' audio.
    const QString gaps = writeText("gaps.cue", R"(FILE "a.wav" WAVE
TRACK 01 AUDIO
  INDEX 01 00:00:00
  POSTGAP 00:01:00
TRACK 02 AUDIO
  PREGAP 00:02:00
  INDEX 01 01:00:00
)");
    writeWav("a.wav", 2 * 60 * 75);
    const TrackImportResult imported = ImportCueSheet(gaps);
    ASSERT_TRUE(imported) << imported.error.toStdString();
    EXPECT_EQ(imported.album->rows,
              (std::vector<TrackRow>{{"1.", "", "1:03"}, {"2.", "", "1:00"}}));
}

TEST_F(CueSheetImportTest, ReadsNonAsciiTextsInUtf8AndLatin1AndLooseSpelling) {
    const QString utf8 = QString::fromUtf8(
        "performer \"Bj\u00f6rk\"\ntitle Caf\u00e9 \u65e5\u672c Live\nfile disc.wav wave\n"
        "track 1 audio\n  title \"M\u00fcller \u2013 Sol\"\n  index 1 0:0:0\n");
    const struct {
        const char* what;
        QByteArray bytes;
    } files[] = {
        {"UTF-8", utf8.toUtf8()},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + utf8.toUtf8()},
        {"Latin-1 / Windows-1252",
         Cp1252Codec::encode(QString(utf8).remove(QString::fromUtf8(" \u65e5\u672c")))},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        const TrackImportResult imported = ImportCueSheet(writeText("text.cue", file.bytes));
        ASSERT_TRUE(imported) << imported.error.toStdString();
        EXPECT_EQ(imported.album->artist, QString::fromUtf8("Bj\u00f6rk"));
        EXPECT_TRUE(imported.album->title.startsWith(QString::fromUtf8("Caf\u00e9 ")));
        EXPECT_TRUE(imported.album->title.endsWith(" Live"));
        EXPECT_EQ(imported.album->rows.at(0).title, QString::fromUtf8("M\u00fcller \u2013 Sol"));
    }
}

TEST_F(CueSheetImportTest, ReportsTheLineOfEveryMistakeAndImportsNothing) {
    const QString head = "FILE \"a.wav\" WAVE\n  TRACK 01 AUDIO\n";
    const struct {
        const char* what;
        QString text;
        const char* where;
    } cases[] = {
        {"unknown command", head + "    INDEX 01 00:00:00\n    BOGUS 1\n", "line 4: unknown"},
        {"seconds past 59", head + "    INDEX 01 00:61:00\n", "line 3: INDEX"},
        {"frames past 74", head + "    INDEX 01 00:01:75\n", "line 3: INDEX"},
        {"no time", head + "    INDEX 01\n", "line 3: INDEX"},
        {"track before any file", "TRACK 01 AUDIO\n  INDEX 01 00:00:00\n", "line 1: TRACK before"},
        {"index outside a track", "FILE \"a.wav\" WAVE\nINDEX 01 00:00:00\n",
         "line 2: INDEX outside"},
        {"track without INDEX 01",
         head + "    INDEX 00 00:00:00\n  TRACK 02 AUDIO\n    INDEX 01 00:10:00\n",
         "line 2: track 1 has no INDEX 01"},
        {"last track without INDEX 01", head + "    TITLE \"x\"\n", "line 2: track 1 has no"},
        {"numbers going down",
         head + "    INDEX 01 00:00:00\n  TRACK 01 AUDIO\n    INDEX 01 00:10:00\n",
         "line 4: track 1 follows track 1"},
        {"tracks out of order in a file",
         head + "    INDEX 01 00:10:00\n  TRACK 02 AUDIO\n    INDEX 01 00:05:00\n",
         "line 5: track 2 starts before track 1"},
        {"quote not closed", "TITLE \"Open\nFILE \"a.wav\" WAVE\n", "line 1: a quote"},
        {"bad track mode", "FILE \"a.wav\" WAVE\n  TRACK 01 VIDEO\n", "line 2: TRACK needs"},
        {"no track at all", "TITLE \"Nothing\"\n", "no TRACK"},
    };
    // Lines are counted alike whatever ends them.
    for (const char* ending : {"\n", "\r\n", "\r"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            SCOPED_TRACE(QString(ending).toUtf8().toHex().toStdString());
            const QString path =
                writeText("bad.cue", QString(c.text).replace("\n", ending).toUtf8());
            const TrackImportResult imported = ImportCueSheet(path);
            EXPECT_FALSE(imported);
            EXPECT_TRUE(imported.error.contains("\"" + path + "\""))
                << imported.error.toStdString();
            EXPECT_TRUE(imported.error.contains(c.where)) << imported.error.toStdString();
        }
    }
}

TEST_F(CueSheetImportTest, ListsAudioTracksOnlyAndTakesTheOnePerformerOfEveryTrack) {
    const QString sheet = writeText("enhanced.cue", R"(FILE "image.bin" BINARY
  TRACK 01 AUDIO
    PERFORMER "Solo"
    TITLE "Song"
    INDEX 01 00:00:00
  TRACK 02 MODE1/2352
    TITLE "Extras"
    INDEX 01 01:00:00
)");
    const TrackImportResult imported = ImportCueSheet(sheet);
    ASSERT_TRUE(imported) << imported.error.toStdString();
    EXPECT_EQ(imported.album->artist, "Solo");
    EXPECT_EQ(imported.album->rows, (std::vector<TrackRow>{{"1.", "Song", "1:00"}}));
}

TEST_F(CueSheetImportTest, AFolderHoldingADiscImageIsReadByItsCueSheet) {
    writeText("album.cue", kSingleFileSheet);
    ASSERT_TRUE(
        AudioTestFiles::Write(dir_.filePath("album.flac"), AudioTestFiles::Format::Flac, 12 * 60));
    EXPECT_EQ(TrackSourceKindOf(dir_.path()), TrackSourceKind::AudioFolder);
    const TrackImportResult imported = ImportTrackSource(dir_.path());
    ASSERT_TRUE(imported) << imported.error.toStdString();
    EXPECT_EQ(imported.album->rows.size(), 3u);
    EXPECT_EQ(imported.album->rows.at(2).length, "4:30");  // "album.wav" found as album.flac
}

TEST(CueSheetParsing, SheetsMayBeReadOnSeveralThreadsAtOnce) {
    const auto parseMany = [](const QString& title, int* right) {
        const QString text = "TITLE \"" + title +
                             "\"\nFILE a.wav WAVE\nTRACK 01 AUDIO\n"
                             "TITLE \"" +
                             title + "\"\nINDEX 01 00:00:00\n";
        for (int i = 0; i < 200; ++i) {
            QString error;
            const std::optional<CueSheet> sheet = ParseCueSheet(text, "t.cue", &error);
            *right += sheet && sheet->title == title && sheet->tracks.at(0).title == title;
        }
    };
    int rightA = 0;
    int rightB = 0;
    std::thread a(parseMany, QString("Alpha"), &rightA);
    std::thread b(parseMany, QString("Beta"), &rightB);
    a.join();
    b.join();
    EXPECT_EQ(rightA, 200);
    EXPECT_EQ(rightB, 200);
}

// Control characters in a value (a NUL, a tab, an escape) would make libcue
// fail on a sheet the check passed, and leak it; they read as blanks.
TEST(CueSheetParsing, ControlCharactersInValuesReadAsBlanks) {
    const QString text = QStringLiteral("TITLE \"Live\x1bSet\"\nFILE \"a\tb") + QChar(0) +
                         QStringLiteral(
                             ".wav\" WAVE\nTRACK 01 AUDIO\nTITLE One\x01Two\n"
                             "INDEX 01 00:00:00\n");
    QString error;
    const std::optional<CueSheet> sheet = ParseCueSheet(text, "t.cue", &error);
    ASSERT_TRUE(sheet) << error.toStdString();
    EXPECT_EQ(sheet->title, "Live Set");
    EXPECT_EQ(sheet->tracks.at(0).title, "One Two");
    EXPECT_EQ(sheet->files.at(0).name.size(), 8);
}

}  // namespace casewright
