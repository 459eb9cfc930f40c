#include "render/SurfaceText.h"

#include <QFontMetrics>
#include <QPainter>

#include "document/CoverTypes.h"
#include "render/TextFrame.h"

namespace casewright {

namespace {

int LineLeft(const QRect& rect, int lineWidth, int align) {
    const int right = rect.x() + rect.width();
    switch (align) {
        case CENTER:
            return rect.x() + (rect.width() - lineWidth) / 2;
        case RIGHT:
            return right - lineWidth;
        default:
            return rect.x();
    }
}

}  // namespace

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    QString current;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else {
            current += c;
        }
    }
    lines << current;
    return lines;
}

void DrawAlignedText(QPainter& painter, const QRect& rect, const QString& text, int align) {
    if (text.isEmpty() || rect.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.height();
    const int bottom = rect.y() + rect.height();
    int top = rect.y();
    for (const QString& line : SplitTextLines(text)) {
        if (top >= bottom) {
            break;
        }
        if (!line.isEmpty()) {
            const int left = LineLeft(rect, metrics.horizontalAdvance(line), align);
            painter.drawText(QPoint(left, top + metrics.ascent()), line);
        }
        top += lineHeight;
    }
    painter.restore();
}

int LineHeight(const QPainter& painter) {
    // The extent of "A" is a full character cell, so its height is the
    // font's ascent plus descent whatever the letter's own ink.
    return painter.fontMetrics().height();
}

void DrawTitle(QPainter& painter, QRect& rect, const QString& title, int align) {
    DrawAlignedText(painter, rect, title, align);
    if (!title.isEmpty()) {
        rect.setTop(rect.top() + LineHeight(painter));
    }
}

SpineTextExtent MeasureSpineText(const QPainter& painter, const TextFrame& frame,
                                 const QString& text) {
    const QFontMetrics metrics = painter.fontMetrics();
    // Turned a quarter, the text runs along the device's vertical axis.
    return {frame.deviceY(metrics.horizontalAdvance(text)), frame.deviceX(metrics.height())};
}

void DrawSpineText(QPainter& painter, const TextFrame& frame, const QString& text, QPoint origin,
                   SpineDirection direction, const QRect& clip) {
    if (text.isEmpty() || clip.isEmpty()) {
        return;
    }
    const TextFrame::Scope scope(painter, frame, clip);
    painter.translate(frame.toLayout(origin));
    painter.rotate(direction == SpineDirection::TopToBottom ? 90.0 : -90.0);
    painter.drawText(QPoint(0, painter.fontMetrics().ascent()), text);
}

}  // namespace casewright
