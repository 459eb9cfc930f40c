#include "text/TrackListing.h"
#include "text/TrackNumbering.h"

#include <gtest/gtest.h>

namespace casewright {

namespace {

QStringList Titles(const TrackListing& listing) {
    QStringList titles;
    for (const TrackRow& row : listing.rows()) {
        titles << row.title;
    }
    return titles;
}

TrackListing ThreeTracks(const QString& lastNumber = "3.") {
    return TrackListing({{"1.", "A", "1:00"}, {"2.", "B", "2:00"}, {lastNumber, "C", "3:00"}});
}

}  // namespace

TEST(TrackNumbering, OnlyDigitsAndDotsCountAsNumbers) {
    EXPECT_EQ(TrackNumbering::NumberText(12), "12.");
    EXPECT_EQ(TrackNumbering::NumericValue("12."), 12);
    EXPECT_EQ(TrackNumbering::NumericValue("1.2"), 12);
    EXPECT_EQ(TrackNumbering::NumericValue(""), 0);
    EXPECT_EQ(TrackNumbering::NumericValue("..."), 0);
    EXPECT_FALSE(TrackNumbering::NumericValue("1a").has_value());
    EXPECT_FALSE(TrackNumbering::NumericValue(" 1.").has_value());
    EXPECT_FALSE(TrackNumbering::NumericValue("-1").has_value());
    EXPECT_FALSE(TrackNumbering::NumericValue(QString::fromUtf8("\u0663")).has_value());
    EXPECT_TRUE(TrackNumbering::CanRenumber({"1.", "", "7"}));
    EXPECT_FALSE(TrackNumbering::CanRenumber({"1.", "B2", "3."}));
}

TEST(TrackListingEditing, InsertOnTheLastRowAppendsAndRenumbers) {
    TrackListing listing = ThreeTracks();
    const int inserted = listing.insertTrack(2);
    EXPECT_EQ(inserted, 3);
    EXPECT_EQ(Titles(listing), (QStringList{"A", "B", "C", ""}));
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "3.", "4."}));
}

TEST(TrackListingEditing, InsertInTheMiddleShiftsTheRowsBelow) {
    TrackListing listing = ThreeTracks();
    const int inserted = listing.insertTrack(1);
    EXPECT_EQ(inserted, 1);
    EXPECT_EQ(Titles(listing), (QStringList{"A", "", "B", "C"}));
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "3.", "4."}));
    EXPECT_EQ(listing.row(2).length, "2:00");
}

TEST(TrackListingEditing, InsertAtTheTopOfAOneRowListingAppends) {
    TrackListing listing({{"1.", "A", ""}});
    EXPECT_EQ(listing.insertTrack(0), 1);
    EXPECT_EQ(Titles(listing), (QStringList{"A", ""}));
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2."}));
}

TEST(TrackListingEditing, NumbersTypedWithoutDotsAreRewrittenInTheEditorsForm) {
    TrackListing listing({{"01", "A", ""}, {"", "B", ""}, {"9", "C", ""}});
    listing.insertTrack(0);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "3.", "4."}));
}

TEST(TrackListingEditing, AnyHandMadeNumberKeepsAllNumbersAsTyped) {
    TrackListing listing({{"1.", "A", ""}, {"1a", "B", ""}, {"3.", "C", ""}});
    listing.insertTrack(0);
    EXPECT_EQ(listing.numberCells(), (QStringList{"", "1.", "1a", "3."}));
    listing.removeTrack(0);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "1a", "3."}));
}

TEST(TrackListingEditing, AHandMadeLabelOnTheLastTrackIsKeptToo) {
    TrackListing listing = ThreeTracks("Bonus");
    listing.insertTrack(1);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "", "2.", "Bonus"}));
    listing.removeTrack(1);
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2.", "Bonus"}));
}

TEST(TrackListingEditing, RemoveRenumbersAndKeepsTheCurrentIndexWhileItExists) {
    TrackListing listing = ThreeTracks();
    EXPECT_EQ(listing.removeTrack(0), 0);
    EXPECT_EQ(Titles(listing), (QStringList{"B", "C"}));
    EXPECT_EQ(listing.numberCells(), (QStringList{"1.", "2."}));

    EXPECT_EQ(listing.removeTrack(1), 0);  // the last row: the new last row becomes current
    EXPECT_EQ(Titles(listing), (QStringList{"B"}));
    EXPECT_EQ(listing.numberCells(), (QStringList{"1."}));
}

TEST(TrackListingEditing, RemovingTheOnlyRowLeavesOneEmptyRow) {
    TrackListing listing({{"1.", "Only", "9:99"}});
    EXPECT_EQ(listing.removeTrack(0), 0);
    ASSERT_EQ(listing.rowCount(), 1);
    EXPECT_EQ(listing.row(0), TrackRow{});
}

TEST(TrackListingEditing, OutOfRangeRowsAreLeftAlone) {
    TrackListing listing = ThreeTracks();
    const TrackListing before = listing;
    listing.removeTrack(7);
    listing.removeTrack(-1);
    EXPECT_EQ(listing, before);
    EXPECT_EQ(listing.insertTrack(42), 3);  // clamped to the last row: appends
}

TEST(TrackListingEditing, AListingNeverHasNoRows) {
    EXPECT_EQ(TrackListing(std::vector<TrackRow>{}).rowCount(), 1);
    EXPECT_EQ(TrackListing::Numbered(0).rowCount(), 1);
}

}  // namespace casewright
