#include "render/TrackColumnsPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/MulDiv.h"
#include "render/SurfaceFonts.h"
#include "text/TrackLength.h"
#include "text/TrackListingCodec.h"

namespace casewright {

namespace {

// Cells have always been compared and measured with each "&" written
// twice; the column gap keeps that spacing.
QString WithDoubledAmpersands(const QString& cell) {
    QString doubled = cell;
    return doubled.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Whole rows of the current font in `height`.
int RowsIn(const QPainter& painter, int height) {
    const int lineHeight = painter.fontMetrics().height();
    return lineHeight > 0 && height > 0 ? height / lineHeight : 0;
}

QFont FontAtPoints(const LogFont& font, int points, int dpi) {
    LogFont sized = font;
    sized.height = -MulDiv(points, dpi, 72);
    return sized.toQFont();
}

}  // namespace

TrackColumnsPainter TrackColumnsPainter::Parse(const QString& text, bool totalTimeRow) {
    TrackColumnsPainter listing;
    int column = 0;
    int widestLength = -1;
    for (const QString& cell : TrackListingCodec::Cells(text)) {
        listing.columns_[column] += cell + QLatin1Char('\r');
        if (column == 0) {
            const int length = WithDoubledAmpersands(cell).size();
            if (length > widestLength) {
                widestLength = length;
                listing.widestFirstCell_ = cell;
            }
        }
        column = (column + 1) % 3;
    }
    listing.rows_ = TrackListingCodec::PrintedRows(text);
    listing.totalRequested_ = totalTimeRow;
    if (totalTimeRow) {
        QStringList lengths;
        for (const TrackRow& row : listing.rows_) {
            lengths << row.length;
        }
        if (const std::optional<qint64> seconds =
                TrackLength::TotalSeconds(lengths, &listing.unreadableLength_)) {
            listing.totalTime_ = TrackLength::FromSeconds(*seconds);
        }
    }
    return listing;
}

TrackListingFit TrackColumnsPainter::Fit(QPainter& painter, const ListingFont& font,
                                         int height) const {
    TrackListingFit fit;
    // The point size the design's height stands for, as every device sees it.
    fit.chosenPoints = std::abs(ScaledFontHeight(font.font.height, font.fontRefDpi, 72, 1.0));
    const QFont designed = TextFontFor(font.font, font.fontRefDpi, font.layoutDpi, 1.0);
    const auto sizeFor = [&](int points) {
        return points == fit.chosenPoints ? designed
                                          : FontAtPoints(font.font, points, font.layoutDpi);
    };
    // One column at the design's size and smaller; when even the smallest
    // cannot hold the tracks, two side by side, again from the design's size.
    const int smallest = std::min(fit.chosenPoints, TrackListingFit::kMinimumPoints);
    bool fits = false;
    for (int columns = 1; columns <= TrackListingFit::kMaximumColumns && !fits; ++columns) {
        for (int points = fit.chosenPoints; points >= smallest; --points) {
            painter.setFont(sizeFor(points));
            fit.points = points;
            fit.columns = columns;
            if (columns * RowsIn(painter, height) >= neededRows()) {
                fits = true;
                break;
            }
        }
    }
    const int room = fit.columns * RowsIn(painter, height);
    fit.lineHeightInches = static_cast<double>(painter.fontMetrics().height()) / font.layoutDpi;
    fit.tracks = static_cast<int>(rows_.size());
    fit.tracksNotFitting = std::max(0, fit.tracks - room);
    fit.totalRequested = totalRequested_;
    fit.totalKnown = totalTime_.has_value();
    fit.totalShown = totalTime_ && room >= neededRows();
    fit.unreadableLength = unreadableLength_;
    return fit;
}

void TrackColumnsPainter::DrawAsFitted(QPainter& painter, const QRect& rect,
                                       double secondColumnFactor, const TrackListingFit& fit,
                                       const ListingFont& font) const {
    if (!fit.reduced() && fit.columns == 1) {
        painter.setFont(TextFontFor(font.font, font.fontRefDpi, font.layoutDpi, 1.0));
        DrawRows(painter, rect, secondColumnFactor,
                 {fit.tracks - fit.tracksNotFitting, fit.totalShown, 1, 0.0});
        return;
    }
    // Rows as far apart as where the fit was worked out, so that a device
    // whose font sizes round differently still ends where the fit said.
    painter.setFont(FontAtPoints(font.font, fit.points, font.layoutDpi));
    DrawRows(painter, rect, secondColumnFactor,
             {fit.tracks - fit.tracksNotFitting, fit.totalShown, fit.columns,
              fit.lineHeightInches * font.layoutDpi});
}

void TrackColumnsPainter::Draw(QPainter& painter, const QRect& rect,
                               double secondColumnFactor) const {
    DrawRows(painter, rect, secondColumnFactor, {static_cast<int>(rows_.size()), true, 1, 0.0});
}

int TrackColumnsPainter::SecondColumnOffset(const QPainter& painter,
                                            double secondColumnFactor) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(WithDoubledAmpersands(widestFirstCell_));
    const int offset = static_cast<int>(width * secondColumnFactor);
    int widestNumber = 0;
    for (const TrackRow& row : rows_) {
        widestNumber = std::max(widestNumber, metrics.horizontalAdvance(row.number));
    }
    if (widestNumber == 0) {
        return offset;
    }
    return std::max(offset, widestNumber + metrics.horizontalAdvance(QLatin1Char(' ')));
}

void TrackColumnsPainter::DrawRows(QPainter& painter, const QRect& rect, double secondColumnFactor,
                                   const RowLayout& layout) const {
    if (rect.isEmpty() || rows_.empty()) {
        return;
    }
    const auto end = rows_.begin() + std::clamp<qsizetype>(layout.tracks, 0, rows_.size());
    std::vector<TrackRow> drawn(rows_.begin(), end);
    if (totalTime_ && layout.withTotal) {
        drawn.push_back({QString(), TotalTimeLabel(), *totalTime_});
    }
    if (layout.columns <= 1) {
        DrawColumn(painter, rect, secondColumnFactor, drawn, layout.pitch);
        return;
    }
    // Two halves with a line's height between them; the first takes the
    // odd row.
    const int gutter = painter.fontMetrics().height();
    const int half = (rect.width() - gutter) / 2;
    const auto split = drawn.begin() + static_cast<qsizetype>((drawn.size() + 1) / 2);
    DrawColumn(painter, QRect(rect.x(), rect.y(), half, rect.height()), secondColumnFactor,
               std::vector<TrackRow>(drawn.begin(), split), layout.pitch);
    DrawColumn(painter, QRect(rect.x() + rect.width() - half, rect.y(), half, rect.height()),
               secondColumnFactor, std::vector<TrackRow>(split, drawn.end()), layout.pitch);
}

void TrackColumnsPainter::DrawColumn(QPainter& painter, const QRect& rect,
                                     double secondColumnFactor, const std::vector<TrackRow>& drawn,
                                     double pitch) const {
    const QFontMetrics metrics = painter.fontMetrics();
    const int right = rect.x() + rect.width();
    const int titleLeft = rect.x() + SecondColumnOffset(painter, secondColumnFactor);
    int widestLength = 0;
    for (const TrackRow& row : drawn) {
        widestLength = std::max(widestLength, metrics.horizontalAdvance(row.length));
    }
    // Titles stop a space short of the widest length.
    const int titleRight = widestLength > 0
                               ? right - widestLength - metrics.horizontalAdvance(QLatin1Char(' '))
                               : right;
    const int titleWidth = titleRight - titleLeft;

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    const int bottom = rect.y() + rect.height();
    for (size_t i = 0; i < drawn.size(); ++i) {
        const TrackRow& row = drawn[i];
        const int top = pitch > 0 ? rect.y() + static_cast<int>(std::lround(i * pitch))
                                  : rect.y() + static_cast<int>(i) * metrics.height();
        if (top >= bottom) {
            break;
        }
        const int baseline = top + metrics.ascent();
        if (!row.number.isEmpty()) {
            painter.drawText(QPoint(rect.x(), baseline), row.number);
        }
        if (!row.title.isEmpty() && titleWidth > 0) {
            const QString title = metrics.horizontalAdvance(row.title) > titleWidth
                                      ? metrics.elidedText(row.title, Qt::ElideRight, titleWidth)
                                      : row.title;
            painter.drawText(QPoint(titleLeft, baseline), title);
        }
        if (!row.length.isEmpty()) {
            painter.drawText(QPoint(right - metrics.horizontalAdvance(row.length), baseline),
                             row.length);
        }
    }
    painter.restore();
}

}  // namespace casewright
