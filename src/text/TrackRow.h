#pragma once

#include <QString>

namespace casewright {

// One line of a back cover's track listing: the three cells the grid shows
// and the cover prints in three columns.
struct TrackRow {
    static constexpr int kCellCount = 3;

    QString number;
    QString title;
    QString length;

    // Cells by position: 0 number, 1 title, 2 length.
    QString& cell(int index);
    const QString& cell(int index) const;

    bool operator==(const TrackRow& other) const;
    bool operator!=(const TrackRow& other) const { return !(*this == other); }
};

}  // namespace casewright
