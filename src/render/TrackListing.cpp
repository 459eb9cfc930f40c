#include "render/TrackListing.h"

#include <QFontMetrics>
#include <QPainter>

#include "document/CoverTypes.h"
#include "render/SurfaceText.h"

namespace {

const QString kOpen = QStringLiteral("[DELIM]");
const QString kClose = QStringLiteral("[/DELIM]");

// Cells have always been compared and measured with each "&" written
// twice; the column gap keeps that spacing.
QString WithDoubledAmpersands(const QString& cell) {
    QString doubled = cell;
    return doubled.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TrackListing TrackListing::Parse(const QString& text) {
    TrackListing listing;
    int column = 0;
    int from = 0;
    int widestLength = -1;
    for (int open = text.indexOf(kOpen, from); open >= 0; open = text.indexOf(kOpen, from)) {
        const int start = open + kOpen.size();
        const int close = text.indexOf(kClose, open);
        const int end = close < 0 ? text.size() : close;
        const QString cell = text.mid(start, end - start);
        listing.columns_[column] += cell + QLatin1Char('\r');
        if (column == 0) {
            const int length = WithDoubledAmpersands(cell).size();
            if (length > widestLength) {
                widestLength = length;
                listing.widestFirstCell_ = cell;
            }
        }
        column = (column + 1) % 3;
        from = start;
    }
    return listing;
}

int TrackListing::SecondColumnOffset(const QPainter& painter, double secondColumnFactor) const {
    const int width =
        painter.fontMetrics().horizontalAdvance(WithDoubledAmpersands(widestFirstCell_));
    return static_cast<int>(width * secondColumnFactor);
}

void TrackListing::Draw(QPainter& painter, const QRect& rect, double secondColumnFactor) const {
    DrawAlignedText(painter, rect, columns_[0], LEFT);
    QRect second = rect;
    second.setLeft(rect.left() + SecondColumnOffset(painter, secondColumnFactor));
    DrawAlignedText(painter, second, columns_[1], LEFT);
    DrawAlignedText(painter, rect, columns_[2], RIGHT);
}
