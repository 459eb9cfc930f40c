#include "render/TrackColumnsPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include "document/CoverTypes.h"
#include "render/SurfaceText.h"
#include "text/TrackListingCodec.h"

namespace casewright {

namespace {

// Cells have always been compared and measured with each "&" written
// twice; the column gap keeps that spacing.
QString WithDoubledAmpersands(const QString& cell) {
    QString doubled = cell;
    return doubled.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TrackColumnsPainter TrackColumnsPainter::Parse(const QString& text) {
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
    return listing;
}

int TrackColumnsPainter::SecondColumnOffset(const QPainter& painter,
                                            double secondColumnFactor) const {
    const int width =
        painter.fontMetrics().horizontalAdvance(WithDoubledAmpersands(widestFirstCell_));
    return static_cast<int>(width * secondColumnFactor);
}

void TrackColumnsPainter::Draw(QPainter& painter, const QRect& rect,
                               double secondColumnFactor) const {
    DrawAlignedText(painter, rect, columns_[0], LEFT);
    QRect second = rect;
    second.setLeft(rect.left() + SecondColumnOffset(painter, secondColumnFactor));
    DrawAlignedText(painter, second, columns_[1], LEFT);
    DrawAlignedText(painter, rect, columns_[2], RIGHT);
}

}  // namespace casewright
