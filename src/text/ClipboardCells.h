#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "text/TrackListing.h"

namespace casewright {

// Rows of cells from clipboard text as spreadsheets copy a block: rows end at
// line breaks (CR LF, LF or CR), cells are separated by tabs, and a cell that
// holds a tab, a line break or a quote comes in double quotes with its
// quotes doubled. The line break after the last row adds no row.
QVector<QStringList> ClipboardCells(const QString& text);

// The listing with the clipboard's cells written into it from (row, column)
// on, right and down, as a grid pastes: cells past the length column are
// left out, and rows are added below the last one as the block needs. Added
// rows that get no number from the block are numbered on from the row count
// when the listing's numbers are all numeric. Positions outside the listing
// are brought inside it.
TrackListing PasteCells(const TrackListing& listing, int row, int column, const QString& text);

}  // namespace casewright
