#include "text/TrackListing.h"

#include <algorithm>

#include "text/TrackNumbering.h"

namespace casewright {

TrackListing::TrackListing() : rows_(1) {}

TrackListing::TrackListing(std::vector<TrackRow> rows) : rows_(std::move(rows)) {
    if (rows_.empty()) {
        rows_.emplace_back();
    }
}

TrackListing TrackListing::Numbered(int rowCount) {
    std::vector<TrackRow> rows(static_cast<size_t>(std::max(rowCount, 1)));
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].number = TrackNumbering::NumberText(static_cast<int>(i) + 1);
    }
    return TrackListing(std::move(rows));
}

int TrackListing::insertTrack(int currentRow) {
    const int current = std::clamp(currentRow, 0, rowCount() - 1);
    const int index = current == rowCount() - 1 ? rowCount() : current;
    rows_.insert(rows_.begin() + index, TrackRow{});
    renumberIfNumeric();
    return index;
}

int TrackListing::removeTrack(int currentRow) {
    if (currentRow < 0 || currentRow >= rowCount()) {
        return std::clamp(currentRow, 0, rowCount() - 1);
    }
    if (rowCount() == 1) {
        rows_.front() = TrackRow{};
        return 0;
    }
    rows_.erase(rows_.begin() + currentRow);
    renumberIfNumeric();
    return std::min(currentRow, rowCount() - 1);
}

bool TrackListing::renumberIfNumeric() {
    if (!TrackNumbering::CanRenumber(numberCells())) {
        return false;
    }
    for (int i = 0; i < rowCount(); ++i) {
        rows_[static_cast<size_t>(i)].number = TrackNumbering::NumberText(i + 1);
    }
    return true;
}

QStringList TrackListing::numberCells() const {
    QStringList cells;
    cells.reserve(rowCount());
    for (const TrackRow& row : rows_) {
        cells << row.number;
    }
    return cells;
}

}  // namespace casewright
