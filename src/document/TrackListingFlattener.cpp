#include "document/TrackListingFlattener.h"

namespace {

const QString kOpen = QStringLiteral("[DELIM]");
const QString kClose = QStringLiteral("[/DELIM]");

}  // namespace

QString TrackListingFlattener::flatten(const QString& text) {
    if (!text.contains(kOpen)) {
        return text;
    }
    QString flat;
    int column = 0;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = text.indexOf(kOpen, from);
        if (open < 0) {
            break;
        }
        const qsizetype pieceAt = open + kOpen.size();
        const qsizetype close = text.indexOf(kClose, pieceAt);
        const QStringView piece = close < 0 ? QStringView(text).mid(pieceAt)
                                            : QStringView(text).mid(pieceAt, close - pieceAt);
        if (column > 0) {
            flat += QLatin1Char(' ');
        }
        flat += piece;
        if (column == 2) {
            flat += QLatin1Char('\r');
        }
        column = (column + 1) % 3;
        if (close < 0) {
            break;
        }
        from = close + kClose.size();
    }
    return flat;
}
