#include "text/TrackListingCodec.h"
#include "text/TrackTextImport.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "document/Cp1252Codec.h"
#include "support/AudioTestFiles.h"

namespace casewright {

namespace {

TrackListing Import(const QString& text) {
    const TrackImportResult result = ImportTrackText(text, QStringLiteral("pasted"));
    EXPECT_TRUE(result) << result.error.toStdString();
    return result ? result.album->listing() : TrackListing();
}

struct TextCase {
    const char* what;
    QString text;
    std::vector<TrackRow> rows;
};

void ExpectRows(const std::vector<TextCase>& cases) {
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const TrackImportResult result = ImportTrackText(c.text, QStringLiteral("pasted"));
        ASSERT_TRUE(result) << result.error.toStdString();
        EXPECT_EQ(result.album->rows, c.rows);
        EXPECT_TRUE(result.album->title.isEmpty());
    }
}

}  // namespace

// Tab-separated text as scripts write it.

TEST(TrackTextImport, WritesTheEditorsEncoding) {
    const TrackImportResult result = ImportTrackText("1.\tIntro\t3:12\n2.\tOutro\t0:45\n", "t");
    ASSERT_TRUE(result);
    EXPECT_EQ(TrackListingCodec::Encode(result.album->listing()),
              QString("[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
                      "[DELIM]2.[/DELIM][DELIM]Outro[/DELIM][DELIM]0:45[/DELIM]\n\r"));
}

TEST(TrackTextImport, TitleOnlyLinesGetTheNextNumber) {
    const TrackListing listing = Import("Intro\nSecond\n7\tSeventh\t1:00\nEighth\n\tNinth\t2:00");
    ASSERT_EQ(listing.rowCount(), 5);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "7", "8.", "9."}));
    EXPECT_EQ(listing.row(0), (TrackRow{"1.", "Intro", ""}));
    EXPECT_EQ(listing.row(4), (TrackRow{"9.", "Ninth", "2:00"}));
}

TEST(TrackTextImport, NonNumericNumbersAreKeptAndStillCounted) {
    const TrackListing listing = Import("A1\tSide one\nNext\n");
    EXPECT_EQ(listing.numberCells(), (QStringList{"A1", "2."}));
}

TEST(TrackTextImport, TwoFieldsAreNumberAndTitleOrTitleAndLength) {
    EXPECT_EQ(Import("3\tThird").row(0), (TrackRow{"3", "Third", ""}));
    EXPECT_EQ(Import("Third\t03:07").row(0), (TrackRow{"1.", "Third", "3:07"}));
}

TEST(TrackTextImport, AcceptsAnyLineEndingsBlankLinesAndPadding) {
    const TrackListing listing = Import("\r\n 1. \t Intro \t 3:12 \r\n\r\n  \rOutro\t\t\t\r");
    ASSERT_EQ(listing.rowCount(), 2);
    EXPECT_EQ(listing.row(0), (TrackRow{"1.", "Intro", "3:12"}));
    EXPECT_EQ(listing.row(1), (TrackRow{"Outro", "", ""}));
}

TEST(TrackTextImport, EmptyInputGivesNoRows) {
    for (const QString& text : {QString(), QString("\n \n")}) {
        const TrackImportResult result = ImportTrackText(text, "t");
        ASSERT_TRUE(result);
        EXPECT_TRUE(result.album->rows.empty());
    }
}

TEST(TrackTextImport, RefusesLinesWithTextBeyondTheThirdField) {
    const TrackImportResult result = ImportTrackText("1\tA\t1:00\n2\tB\t2:00\tlive\n", "list.txt");
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.error.contains("\"list.txt\", line 2")) << result.error.toStdString();
    // Empty fields between the others are no extra text.
    EXPECT_EQ(Import("A1\t\tIntro\t\t3:12").row(0), (TrackRow{"A1", "Intro", "3:12"}));
}

TEST(TrackTextImport, MarkersInTheTextCannotBreakTheListing) {
    const TrackImportResult result = ImportTrackText("1\t[DELIM]x[/DELIM]\t2:00", "t");
    ASSERT_TRUE(result);
    const TrackListing listing =
        TrackListingCodec::Parse(TrackListingCodec::Encode(result.album->listing()));
    EXPECT_EQ(listing.row(0), (TrackRow{"1", "x", "2:00"}));
}

TEST(TrackTextImport, LengthsAreWrittenMinutesAndSeconds) {
    ExpectRows({
        {"leading zero", "1\tA\t03:07", {{"1", "A", "3:07"}}},
        {"past an hour", "1\tA\t75:00", {{"1", "A", "1:15:00"}}},
        {"hours given", "1\tA\t1:02:03", {{"1", "A", "1:02:03"}}},
        {"no time, kept", "1\tA\tlive", {{"1", "A", "live"}}},
        {"seconds past 59, kept", "1\tA\t3:75", {{"1", "A", "3:75"}}},
    });
}

// Lines as web pages list tracks.

TEST(TrackTextImport, ReadsTracksAsWebPagesListThem) {
    ExpectRows({
        {"dotted numbers, length after a blank",
         "1. Come Together 4:20\n2. Something 3:03\n10. Oh! Darling 3:27",
         {{"1.", "Come Together", "4:20"},
          {"2.", "Something", "3:03"},
          {"10.", "Oh! Darling", "3:27"}}},
        {"dashes and brackets",
         "01 - Intro (0:58)\n02 \u2013 Main Theme [12:04]\n03 - Coda",
         {{"1.", "Intro", "0:58"}, {"2.", "Main Theme", "12:04"}, {"3.", "Coda", ""}}},
        {"titles with a dashed length",
         "Intro - 3:45\nSecond Song \u2013 4:01\nArtist - Title - 2:10",
         {{"1.", "Intro", "3:45"},
          {"2.", "Second Song", "4:01"},
          {"3.", "Artist - Title", "2:10"}}},
        {"bare numbers in sequence are numbers",
         "1 Alpha 3:00\n2 Beta 4:00",
         {{"1.", "Alpha", "3:00"}, {"2.", "Beta", "4:00"}}},
        {"a bare number out of sequence is part of the title",
         "Intro\n99 Red Balloons 3:53\n7 Seconds",
         {{"1.", "Intro", ""}, {"2.", "99 Red Balloons", "3:53"}, {"3.", "7 Seconds", ""}}},
        {"number, title and length on lines of their own (shop pages)",
         "1.\nFirst Light\n04:12\n2.\nSecond Wind\n05:30",
         {{"1.", "First Light", "4:12"}, {"2.", "Second Wind", "5:30"}}},
        {"headings and totals are skipped",
         "Tracklist\nSide one\n1. Alpha 3:00\nSide two\n2. Beta 4:00\nTotal length: 7:00",
         {{"1.", "Alpha", "3:00"}, {"2.", "Beta", "4:00"}}},
    });
}

TEST(TrackTextImport, ReadsAnEncyclopediaTrackTableByItsHeadings) {
    // As a browser copies a track listing table with a writers column.
    ExpectRows({{"table with headings, caption and sides",
                 "All tracks are written by Lennon\u2013McCartney, except where noted.\n"
                 "Side one\n"
                 "No.\tTitle\tWriter(s)\tLength\n"
                 "1.\t\"Come Together\"\tLennon\u2013McCartney\t4:20\n"
                 "2.\t\"Something\" (single version)\tHarrison\t3:03\n"
                 "Total length:\t7:23\n",
                 {{"1.", "Come Together", "4:20"}, {"2.", "Something (single version)", "3:03"}}},
                {"artist column",
                 "#\tArtist\tTitle\tTime\n1\tA. Band\tSong\t2:00",
                 {{"1", "A. Band - Song", "2:00"}}}});
}

TEST(TrackTextImport, ReadsFilesInTheEncodingsEditorsSave) {
    QTemporaryDir dir;
    const QString cafe = QString::fromUtf8("1\tCaf\u00e9 \u2013 live\t4:00");
    const QString expected = QString::fromUtf8("Caf\u00e9 \u2013 live");
    const struct {
        const char* what;
        QByteArray bytes;
    } files[] = {
        {"UTF-8", cafe.toUtf8()},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF" + cafe.toUtf8()},
        {"UTF-16 with a byte order mark",
         QByteArray("\xFF\xFE", 2) +
             QByteArray(reinterpret_cast<const char*>(cafe.utf16()), cafe.size() * 2)},
        {"Windows-1252", Cp1252Codec::encode(cafe)},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.what);
        const QString path = dir.filePath("tracks.txt");
        ASSERT_TRUE(AudioTestFiles::WriteBytes(path, file.bytes));
        const TrackImportResult result = ImportTrackTextFile(path);
        ASSERT_TRUE(result) << result.error.toStdString();
        EXPECT_EQ(result.album->rows.at(0), (TrackRow{"1", expected, "4:00"}));
    }
}

TEST(TrackTextImport, RefusesFilesThatAreNoTextOrMissing) {
    QTemporaryDir dir;
    const QString binary = dir.filePath("cover.jpg.txt");
    ASSERT_TRUE(AudioTestFiles::WriteBytes(binary, QByteArray("\xFF\xD8\xFF\0\0JFIF", 10)));
    for (const QString& path : {binary, dir.filePath("none.txt")}) {
        const TrackImportResult result = ImportTrackTextFile(path);
        EXPECT_FALSE(result);
        EXPECT_TRUE(result.error.contains(path)) << result.error.toStdString();
    }
}

}  // namespace casewright
