#pragma once

#include <QStringList>
#include <vector>

#include "text/TrackRow.h"

namespace casewright {

// The rows of a back cover's track listing as the editor works on them.
// There is always at least one row. Rows are indexed from 0.
class TrackListing {
public:
    // A fresh design's listing: this many rows numbered "1." onwards.
    static constexpr int kNewListingRows = 8;

    TrackListing();  // one empty row
    explicit TrackListing(std::vector<TrackRow> rows);

    static TrackListing Numbered(int rowCount = kNewListingRows);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    const std::vector<TrackRow>& rows() const { return rows_; }
    const TrackRow& row(int index) const { return rows_.at(static_cast<size_t>(index)); }
    TrackRow& row(int index) { return rows_.at(static_cast<size_t>(index)); }

    // Inserts an empty row for the user to fill in: before `currentRow`, or
    // after it when it is the last row. Renumbers when every number cell is
    // numeric. Returns the index of the new row.
    int insertTrack(int currentRow);

    // Removes `currentRow` and renumbers when every number cell is numeric.
    // Removing the only row leaves one empty row. Returns the row to make
    // current: the same index while it exists, else the new last row.
    int removeTrack(int currentRow);

    // Writes "1.", "2.", ... into the number cells unless one of them holds
    // text other than digits and dots; returns whether it did.
    bool renumberIfNumeric();

    QStringList numberCells() const;

    bool operator==(const TrackListing& other) const { return rows_ == other.rows_; }
    bool operator!=(const TrackListing& other) const { return !(*this == other); }

private:
    std::vector<TrackRow> rows_;
};

}  // namespace casewright
