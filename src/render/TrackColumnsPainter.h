#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace casewright {

// Draws a back cover text in its three columns (number, title, length), as
// the track listing editor writes it: every cell "[DELIM]" cell "[/DELIM]".
class TrackColumnsPainter {
public:
    // Cells are taken in turn as columns 1, 2, 3, 1, ... A cell whose closing
    // marker is missing runs to the end of the text.
    static TrackColumnsPainter Parse(const QString& text);

    // Column 1 left-aligned in `rect`; column 2 left-aligned, its left edge
    // moved right by the width of the widest column-1 cell times
    // `secondColumnFactor`; column 3 right-aligned in `rect`.
    void Draw(QPainter& painter, const QRect& rect, double secondColumnFactor) const;

    // The width column 2 is moved by, in the painter's current font.
    int SecondColumnOffset(const QPainter& painter, double secondColumnFactor) const;

    // Each column's cells, one per line (every cell ends with a CR).
    const QString& column(int index) const { return columns_[index]; }
    const QString& widestFirstCell() const { return widestFirstCell_; }

private:
    QString columns_[3];
    QString widestFirstCell_;
};

}  // namespace casewright
