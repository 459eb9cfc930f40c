#pragma once

#include <QRect>
#include <QString>
#include <cmath>
#include <optional>
#include <vector>

#include "document/LogFont.h"
#include "render/TrackListingFit.h"
#include "text/TrackRow.h"

class QPainter;

namespace casewright {

// The font a listing is designed in, and the resolution it is laid out at.
struct ListingFont {
    LogFont font;
    int fontRefDpi = LogFont::kHeightDpi;
    int layoutDpi = LogFont::kHeightDpi;
};

// Draws a back cover text in its three columns (number, title, length), as
// the track listing editor writes it: every cell "[DELIM]" cell "[/DELIM]".
// Each row is one line: numbers left, titles from the second column's edge,
// lengths right-aligned; a title that would run into the lengths is cut
// with an ellipsis, and rows with neither title nor length are left out.
class TrackColumnsPainter {
public:
    // Rows are fitted above this margin from the surface's bottom edge.
    static constexpr double kBottomMarginInches = 0.1;
    // Lengths keep this far from the surface's trim edge.
    static constexpr double kTrimMarginMillimetres = 1.0;
    static int TrimMarginPixels(int dpi) {
        return static_cast<int>(std::ceil(kTrimMarginMillimetres / 25.4 * dpi));
    }

    // Cells are taken in turn as columns 1, 2, 3, 1, ... A cell whose closing
    // marker is missing runs to the end of the text. With `totalTimeRow` the
    // sum of the lengths follows the tracks when it can be worked out.
    static TrackColumnsPainter Parse(const QString& text, bool totalTimeRow = false);

    // The size the listing is drawn at for its rows to fit `height` layout
    // pixels: the design's font when they do, otherwise whole points
    // smaller, down to TrackListingFit::kMinimumPoints; when that is not
    // enough, in two columns side by side, again from the design's size
    // down. Measures with `painter`, whose font it sets to that size.
    TrackListingFit Fit(QPainter& painter, const ListingFont& font, int height) const;

    // Draws every row and the total row in the painter's current font, from
    // the top of `rect` and clipped to it. Column 2's left edge is moved
    // right by SecondColumnOffset; column 3 is right-aligned in `rect`.
    void Draw(QPainter& painter, const QRect& rect, double secondColumnFactor) const;

    // Draws as `fit` says: at its size (the design's own font when it is
    // not reduced), the tracks that fit, and the total row when it is shown.
    void DrawAsFitted(QPainter& painter, const QRect& rect, double secondColumnFactor,
                      const TrackListingFit& fit, const ListingFont& font) const;

    // The width column 2 is moved by, in the painter's current font: the
    // width of the widest column-1 cell times `secondColumnFactor`, and at
    // least the widest number and a space, so a number never runs into its
    // title.
    int SecondColumnOffset(const QPainter& painter, double secondColumnFactor) const;

    // Each column's cells, one per line (every cell ends with a CR).
    const QString& column(int index) const { return columns_[index]; }
    const QString& widestFirstCell() const { return widestFirstCell_; }
    // The rows that are printed, without the total row.
    const std::vector<TrackRow>& rows() const { return rows_; }
    // The total time row's length, when the design asks for it and every
    // length reads.
    const std::optional<QString>& totalTime() const { return totalTime_; }

    static QString TotalTimeLabel() { return QStringLiteral("Total time"); }

private:
    int neededRows() const { return static_cast<int>(rows_.size()) + (totalTime_ ? 1 : 0); }
    struct RowLayout {
        int tracks;      // how many of the tracks
        bool withTotal;  // and the total row
        int columns;     // side by side
        double pitch;    // layout pixels from row to row; 0: the font's line height
    };
    void DrawRows(QPainter& painter, const QRect& rect, double secondColumnFactor,
                  const RowLayout& layout) const;
    void DrawColumn(QPainter& painter, const QRect& rect, double secondColumnFactor,
                    const std::vector<TrackRow>& drawn, double pitch) const;

    QString columns_[3];
    QString widestFirstCell_;
    std::vector<TrackRow> rows_;
    bool totalRequested_ = false;
    std::optional<QString> totalTime_;
    QString unreadableLength_;
};

}  // namespace casewright
