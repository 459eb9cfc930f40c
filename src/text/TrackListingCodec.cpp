#include "text/TrackListingCodec.h"

#include <QRegularExpression>
#include <algorithm>

namespace casewright {

namespace TrackListingCodec {

QStringList Cells(const QString& text, CellScan scan) {
    QStringList cells;
    qsizetype searchFrom = 0;
    while (true) {
        const qsizetype open = text.indexOf(kCellOpen, searchFrom);
        if (open < 0) {
            break;
        }
        const qsizetype cellStart = open + kCellOpen.size();
        const qsizetype close = text.indexOf(kCellClose, cellStart);
        const qsizetype cellEnd = close < 0 ? text.size() : close;
        cells << text.mid(cellStart, cellEnd - cellStart);
        if (scan == CellScan::FromCellStart) {
            searchFrom = cellStart;
        } else if (close < 0) {
            break;
        } else {
            searchFrom = close + kCellClose.size();
        }
    }
    return cells;
}

TrackListing Parse(const QString& text) {
    if (text.isEmpty()) {
        return TrackListing::Numbered();
    }
    const QStringList cells = Cells(text);
    std::vector<TrackRow> rows;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int column = static_cast<int>(i % TrackRow::kCellCount);
        if (column == 0) {
            rows.emplace_back();
        }
        rows.back().cell(column) = cells.at(i);
    }
    return TrackListing(std::move(rows));
}

std::vector<TrackRow> PrintedRows(const QString& text) {
    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
    std::vector<TrackRow> rows;
    const QStringList cells = Cells(text);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int column = static_cast<int>(i % TrackRow::kCellCount);
        if (column == 0) {
            rows.emplace_back();
        }
        rows.back().cell(column) = QString(cells.at(i)).replace(kLineBreak, QStringLiteral(" "));
    }
    const auto unprinted = [](const TrackRow& row) {
        return row.title.trimmed().isEmpty() && row.length.trimmed().isEmpty();
    };
    rows.erase(std::remove_if(rows.begin(), rows.end(), unprinted), rows.end());
    return rows;
}

QString WithoutMarkers(const QString& cell) {
    QString clean = cell;
    // Removing one marker can join the pieces of another, hence the loop.
    while (clean.contains(kCellOpen) || clean.contains(kCellClose)) {
        clean.remove(kCellOpen);
        clean.remove(kCellClose);
    }
    return clean;
}

QString Encode(const TrackListing& listing) {
    QString text;
    for (const TrackRow& row : listing.rows()) {
        for (int column = 0; column < TrackRow::kCellCount; ++column) {
            text += kCellOpen + WithoutMarkers(row.cell(column)) + kCellClose;
        }
        text += kRowEnd;
    }
    return text;
}

}  // namespace TrackListingCodec

}  // namespace casewright
