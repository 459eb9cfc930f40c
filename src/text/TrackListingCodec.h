#pragma once

#include <QString>
#include <vector>

#include "text/TrackListing.h"

namespace casewright {

// The text form of a track listing, as stored in the back cover's body text
// and in cover files, and read by the cover previews: each cell is
// "[DELIM]" text "[/DELIM]", three cells to a row, and every row ends with a
// line feed followed by a carriage return.
namespace TrackListingCodec {

inline const QString kCellOpen = QStringLiteral("[DELIM]");
inline const QString kCellClose = QStringLiteral("[/DELIM]");
inline const QString kRowEnd = QStringLiteral("\n\r");

// The listing the editor opens for a stored text. An empty text is a fresh
// design: eight rows numbered "1." to "8.". Otherwise cells are taken three
// to a row in the order they appear; a cell without its "[/DELIM]" runs to the
// end of the text, and a text with no cell at all gives one empty row. The row
// ends play no part in reading.
TrackListing Parse(const QString& text);

// Where the search for the next cell resumes once a cell has been read.
enum class CellScan {
    // From the cell's first character, as the previews and the editor read a
    // listing: a "[DELIM]" inside a cell starts another cell, and a cell
    // without its "[/DELIM]" runs to the end of the text.
    FromCellStart,
    // After the cell's "[/DELIM]", as a loaded front text is flattened: a
    // cell without its "[/DELIM]" runs to the end and is the last one.
    AfterCellEnd,
};

// The cells of a stored text in order.
QStringList Cells(const QString& text, CellScan scan = CellScan::FromCellStart);

// The rows a cover prints, cells three to a row as Cells() reads them (an
// empty text has none). A cell is one printed line, so its line breaks read
// as spaces; rows with neither a title nor a length (a fresh design's "4."
// to "8.") are left out.
std::vector<TrackRow> PrintedRows(const QString& text);

// Every row, empty cells included. The markers cannot be part of a cell, so
// any the user typed are dropped rather than let them split the cell.
QString Encode(const TrackListing& listing);

// A cell's text with every marker taken out.
QString WithoutMarkers(const QString& cell);

}  // namespace TrackListingCodec

}  // namespace casewright
