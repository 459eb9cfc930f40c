#include "document/TrackListingFlattener.h"

#include "text/TrackListingCodec.h"

namespace casewright {

QString TrackListingFlattener::flatten(const QString& text) {
    if (!text.contains(TrackListingCodec::kCellOpen)) {
        return text;
    }
    QString flat;
    int column = 0;
    for (const QString& piece :
         TrackListingCodec::Cells(text, TrackListingCodec::CellScan::AfterCellEnd)) {
        if (column > 0) {
            flat += QLatin1Char(' ');
        }
        flat += piece;
        if (column == 2) {
            flat += QLatin1Char('\r');
        }
        column = (column + 1) % 3;
    }
    return flat;
}

}  // namespace casewright
