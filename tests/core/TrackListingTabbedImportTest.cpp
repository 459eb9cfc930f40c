#include "text/TabbedTrackImport.h"
#include "text/TrackListingCodec.h"

#include <gtest/gtest.h>

namespace casewright {

namespace {

TrackListing Import(const QString& text) {
    const std::optional<QString> encoded = TrackListingFromTabbedText(text);
    EXPECT_TRUE(encoded.has_value());
    return TrackListingCodec::Parse(encoded.value_or(QString()));
}

}  // namespace

TEST(TrackListingTabbedImport, WritesTheEditorsEncoding) {
    EXPECT_EQ(TrackListingFromTabbedText("1.\tIntro\t3:12\n2.\tOutro\t0:45\n"),
              QString("[DELIM]1.[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
                      "[DELIM]2.[/DELIM][DELIM]Outro[/DELIM][DELIM]0:45[/DELIM]\n\r"));
}

TEST(TrackListingTabbedImport, TitleOnlyLinesGetTheNextNumber) {
    const TrackListing listing = Import("Intro\nSecond\n7\tSeventh\t1:00\nEighth\n\tNinth\t2:00");
    ASSERT_EQ(listing.rowCount(), 5);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "7", "8.", "9."}));
    EXPECT_EQ(listing.row(0), (TrackRow{"1.", "Intro", ""}));
    EXPECT_EQ(listing.row(4), (TrackRow{"9.", "Ninth", "2:00"}));
}

TEST(TrackListingTabbedImport, NonNumericNumbersAreKeptAndStillCounted) {
    const TrackListing listing = Import("A1\tSide one\nNext\n");
    EXPECT_EQ(listing.numberCells(), (QStringList{"A1", "2."}));
}

TEST(TrackListingTabbedImport, TwoFieldsAreNumberAndTitle) {
    EXPECT_EQ(Import("3\tThird").row(0), (TrackRow{"3", "Third", ""}));
}

TEST(TrackListingTabbedImport, AcceptsAnyLineEndingsBlankLinesAndPadding) {
    const TrackListing listing = Import("\r\n 1. \t Intro \t 3:12 \r\n\r\n  \rOutro\t\t\t\r");
    ASSERT_EQ(listing.rowCount(), 2);
    EXPECT_EQ(listing.row(0), (TrackRow{"1.", "Intro", "3:12"}));
    EXPECT_EQ(listing.row(1), (TrackRow{"Outro", "", ""}));
}

TEST(TrackListingTabbedImport, EmptyInputGivesAnEmptyListing) {
    EXPECT_EQ(TrackListingFromTabbedText(""), QString());
    EXPECT_EQ(TrackListingFromTabbedText("\n \n"), QString());
}

TEST(TrackListingTabbedImport, RefusesLinesWithTextBeyondTheThirdField) {
    QString error;
    EXPECT_FALSE(TrackListingFromTabbedText("1\tA\t1:00\n2\tB\t2:00\tlive\n", &error));
    EXPECT_TRUE(error.contains("line 2")) << error.toStdString();
}

TEST(TrackListingTabbedImport, MarkersInTheTextCannotBreakTheListing) {
    const TrackListing listing = Import("1\t[DELIM]x[/DELIM]\t2:00");
    EXPECT_EQ(listing.row(0), (TrackRow{"1", "x", "2:00"}));
}

}  // namespace casewright
