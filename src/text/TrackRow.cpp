#include "text/TrackRow.h"

namespace casewright {

QString& TrackRow::cell(int index) {
    switch (index) {
        case 0:
            return number;
        case 1:
            return title;
        default:
            return length;
    }
}

const QString& TrackRow::cell(int index) const {
    return const_cast<TrackRow*>(this)->cell(index);
}

bool TrackRow::operator==(const TrackRow& other) const {
    return number == other.number && title == other.title && length == other.length;
}

}  // namespace casewright
