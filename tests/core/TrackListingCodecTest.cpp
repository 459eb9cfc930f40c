#include "text/TrackLength.h"
#include "text/TrackListingCodec.h"

#include <gtest/gtest.h>

namespace casewright {

namespace {

QString Row(const QString& number, const QString& title, const QString& length) {
    return "[DELIM]" + number + "[/DELIM][DELIM]" + title + "[/DELIM][DELIM]" + length +
           "[/DELIM]\n\r";
}

TrackListing TwoTracks() {
    return TrackListing({{"1.", "Intro", "3:12"}, {"2.", "Rain & Snow", "4:05"}});
}

}  // namespace

TEST(TrackListingCodec, EmptyTextOpensEightNumberedRows) {
    const TrackListing listing = TrackListingCodec::Parse(QString());
    ASSERT_EQ(listing.rowCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(listing.row(i).number, QString::number(i + 1) + ".");
        EXPECT_TRUE(listing.row(i).title.isEmpty());
        EXPECT_TRUE(listing.row(i).length.isEmpty());
    }
}

TEST(TrackListingCodec, NewListingEncodesEightRowsWithEmptyTitlesAndLengths) {
    const QString text = TrackListingCodec::Encode(TrackListingCodec::Parse(QString()));
    QString expected;
    for (int i = 1; i <= 8; ++i) {
        expected += Row(QString::number(i) + ".", "", "");
    }
    EXPECT_EQ(text, expected);
}

TEST(TrackListingCodec, WritesCellsInDelimitersWithLineFeedThenCarriageReturn) {
    EXPECT_EQ(TrackListingCodec::Encode(TwoTracks()),
              "[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
              "[DELIM]2.[/DELIM][DELIM]Rain & Snow[/DELIM][DELIM]4:05[/DELIM]\n\r");
}

TEST(TrackListingCodec, RoundTripKeepsTheGrid) {
    const TrackListing listing = TwoTracks();
    EXPECT_EQ(TrackListingCodec::Parse(TrackListingCodec::Encode(listing)), listing);

    TrackListing sparse({{"", "", ""}, {"7", "", "1:00"}, {"", "  spaced  ", ""}});
    EXPECT_EQ(TrackListingCodec::Parse(TrackListingCodec::Encode(sparse)), sparse);
}

TEST(TrackListingCodec, RowEndsPlayNoPartInReading) {
    const QString withoutRowEnds =
        "[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]"
        "[DELIM]2.[/DELIM][DELIM]Rain & Snow[/DELIM][DELIM]4:05[/DELIM]";
    EXPECT_EQ(TrackListingCodec::Parse(withoutRowEnds), TwoTracks());

    const QString windowsRowEnds = Row("1.", "Intro", "3:12").replace("\n\r", "\r\n") +
                                   Row("2.", "Rain & Snow", "4:05").replace("\n\r", "junk");
    EXPECT_EQ(TrackListingCodec::Parse(windowsRowEnds), TwoTracks());
}

TEST(TrackListingCodec, CellsAreTakenThreeToARow) {
    // Four cells: the second row is filled as far as the cells go.
    const TrackListing listing = TrackListingCodec::Parse(
        "[DELIM]1.[/DELIM][DELIM]A[/DELIM][DELIM]1:00[/DELIM][DELIM]2.[/DELIM]");
    ASSERT_EQ(listing.rowCount(), 2);
    EXPECT_EQ(listing.row(1), (TrackRow{"2.", "", ""}));
}

TEST(TrackListingCodec, TextWithoutCellsGivesOneEmptyRow) {
    const TrackListing listing = TrackListingCodec::Parse("plain back cover text\r\n");
    ASSERT_EQ(listing.rowCount(), 1);
    EXPECT_EQ(listing.row(0), TrackRow{});
}

TEST(TrackListingCodec, MissingCloseMarkerRunsToTheEnd) {
    const TrackListing listing =
        TrackListingCodec::Parse("[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12\n\r");
    ASSERT_EQ(listing.rowCount(), 1);
    EXPECT_EQ(listing.row(0).length, "3:12\n\r");

    // The previews read such a cell the same way.
    EXPECT_EQ(TrackListingCodec::Cells("x[DELIM]only"), QStringList{"only"});
}

TEST(TrackListingCodec, TypedMarkersCannotSplitACell) {
    TrackListing listing({{"1.", "A [DELIM]B[/DELIM] C", "[[DELIM]/DELIM]9"}});
    const QString text = TrackListingCodec::Encode(listing);
    EXPECT_EQ(text, Row("1.", "A B C", "9"));
    EXPECT_EQ(TrackListingCodec::Parse(text).rowCount(), 1);
}

}  // namespace casewright

namespace casewright {

TEST(TrackListingCodec, PrintedRowsLeaveOutRowsWithNeitherTitleNorLength) {
    const QString text = TrackListingCodec::Encode(TrackListing({{"1.", "Intro", "1:00"},
                                                                 {"2.", "", ""},
                                                                 {"3.", " ", "\t"},
                                                                 {"", "", "2:00"},
                                                                 {"5.", "Two\r\nlines", ""}}));
    const std::vector<TrackRow> rows = TrackListingCodec::PrintedRows(text);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (TrackRow{"1.", "Intro", "1:00"}));
    EXPECT_EQ(rows[1], (TrackRow{"", "", "2:00"}));
    EXPECT_EQ(rows[2], (TrackRow{"5.", "Two lines", ""}));  // one printed line
    EXPECT_TRUE(TrackListingCodec::PrintedRows(QString()).empty());
}

TEST(TrackLength, TotalSecondsSkipsEmptyCellsAndRefusesUnreadableLengths) {
    struct Case {
        QStringList lengths;
        std::optional<qint64> total;
        const char* unreadable;
    };
    const Case cases[] = {
        {{"3:00", "", "1:04:30", " 0:30 "}, 3 * 60 + 3870 + 30, ""},
        {{"", " "}, std::nullopt, ""},
        {{"3:00", "about 4 min"}, std::nullopt, "about 4 min"},
        {{"59:59", "0:01"}, 3600, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lengths.join('|').toStdString());
        QString unreadable;
        EXPECT_EQ(TrackLength::TotalSeconds(c.lengths, &unreadable), c.total);
        EXPECT_EQ(unreadable, QString::fromUtf8(c.unreadable));
    }
    EXPECT_EQ(TrackLength::FromSeconds(3600), "1:00:00");
}

}  // namespace casewright
