#pragma once

#include <QImage>
#include <QMutex>
#include <QRect>
#include <QSize>
#include <list>

namespace casewright {

// Pictures smoothly scaled to the size they are drawn at, kept between
// draws. Scaling a large photograph with area averaging takes far longer than
// a preview's redraw may, so each result is kept for the next draw of the
// same part of the same picture at the same size. Pictures are told apart by
// their cache keys: a picture read again is a new one. The memory kept is
// bounded; the least recently drawn go first.
class ScaledImageCache {
public:
    static constexpr qint64 kDefaultBudgetBytes = 64LL * 1024 * 1024;

    static ScaledImageCache& instance();

    // `source`'s part `part` (clipped to the picture) scaled to `size`: area
    // averaging where it shrinks, bilinear where it grows. Null for a null
    // picture or an empty size.
    QImage scaled(const QImage& source, const QRect& part, QSize size);

    void clear();
    int entryCount() const;

private:
    struct Entry {
        qint64 sourceKey = 0;
        QRect part;
        QSize size;
        QImage image;
    };

    void insertLocked(Entry entry);

    mutable QMutex mutex_;
    std::list<Entry> entries_;  // most recently used first
    qint64 budget_ = kDefaultBudgetBytes;
    qint64 held_ = 0;
};

// The same scaling without keeping the result.
QImage SmoothlyScaled(const QImage& source, const QRect& part, QSize size);

}  // namespace casewright
