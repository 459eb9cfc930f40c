#include "text/ClipboardCells.h"

#include <algorithm>
#include <utility>

#include "text/TrackNumbering.h"

namespace casewright {

namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Reads one cell from `pos`; leaves `pos` on the tab or line break after it.
QString ReadCell(const QString& text, qsizetype& pos) {
    const qsizetype start = pos;
    if (pos < text.size() && text.at(pos) == QLatin1Char('"')) {
        QString cell;
        qsizetype i = pos + 1;
        while (i < text.size()) {
            if (text.at(i) != QLatin1Char('"')) {
                cell += text.at(i++);
            } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                cell += QLatin1Char('"');
                i += 2;
            } else {
                break;
            }
        }
        const qsizetype after = i + 1;
        if (i < text.size() && (after == text.size() || text.at(after) == QLatin1Char('\t') ||
                                IsLineBreak(text.at(after)))) {
            pos = after;
            return cell;
        }
        // Not a quoted cell after all, just text that starts with a quote.
    }
    pos = start;
    while (pos < text.size() && text.at(pos) != QLatin1Char('\t') && !IsLineBreak(text.at(pos))) {
        ++pos;
    }
    return text.mid(start, pos - start);
}

}  // namespace

QVector<QStringList> ClipboardCells(const QString& text) {
    QVector<QStringList> rows;
    qsizetype pos = 0;
    QStringList row;
    while (pos < text.size()) {
        row << ReadCell(text, pos);
        if (pos < text.size() && text.at(pos) == QLatin1Char('\t')) {
            ++pos;
            if (pos == text.size()) {
                row << QString();
            }
            continue;
        }
        rows << std::exchange(row, QStringList());
        if (pos < text.size() && text.at(pos) == QLatin1Char('\r')) {
            ++pos;
        }
        if (pos < text.size() && text.at(pos) == QLatin1Char('\n')) {
            ++pos;
        }
    }
    if (!row.isEmpty()) {
        rows << row;
    }
    return rows;
}

TrackListing PasteCells(const TrackListing& listing, int row, int column, const QString& text) {
    const QVector<QStringList> cells = ClipboardCells(text);
    const int firstRow = std::clamp(row, 0, listing.rowCount() - 1);
    const int firstColumn = std::clamp(column, 0, TrackRow::kCellCount - 1);
    const bool numbered = TrackNumbering::CanRenumber(listing.numberCells());
    std::vector<TrackRow> rows = listing.rows();
    const size_t oldCount = rows.size();
    for (int i = 0; i < cells.size(); ++i) {
        const size_t target = static_cast<size_t>(firstRow + i);
        if (target >= rows.size()) {
            rows.resize(target + 1);
        }
        const QStringList& line = cells.at(i);
        for (int j = 0; j < line.size() && firstColumn + j < TrackRow::kCellCount; ++j) {
            rows[target].cell(firstColumn + j) = line.at(j);
        }
    }
    for (size_t i = oldCount; i < rows.size(); ++i) {
        if (numbered && rows[i].number.isEmpty()) {
            rows[i].number = TrackNumbering::NumberText(static_cast<int>(i) + 1);
        }
    }
    return TrackListing(std::move(rows));
}

}  // namespace casewright
