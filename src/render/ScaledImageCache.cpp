#include "render/ScaledImageCache.h"

#include <QMutexLocker>

namespace casewright {

QImage SmoothlyScaled(const QImage& source, const QRect& part, QSize size) {
    const QRect clipped = part & source.rect();
    if (source.isNull() || clipped.isEmpty() || size.isEmpty()) {
        return QImage();
    }
    const QImage piece = clipped == source.rect() ? source : source.copy(clipped);
    if (piece.size() == size) {
        return piece;
    }
    // Qt's smooth scaling averages every source pixel a target pixel covers
    // when shrinking and interpolates bilinearly when enlarging.
    return piece.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

ScaledImageCache& ScaledImageCache::instance() {
    static ScaledImageCache cache;
    return cache;
}

QImage ScaledImageCache::scaled(const QImage& source, const QRect& part, QSize size) {
    if (source.isNull() || size.isEmpty()) {
        return QImage();
    }
    const qint64 key = source.cacheKey();
    {
        QMutexLocker lock(&mutex_);
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->sourceKey == key && it->part == part && it->size == size) {
                entries_.splice(entries_.begin(), entries_, it);
                return entries_.front().image;
            }
        }
    }
    QImage image = SmoothlyScaled(source, part, size);
    if (!image.isNull()) {
        QMutexLocker lock(&mutex_);
        insertLocked(Entry{key, part, size, image});
    }
    return image;
}

void ScaledImageCache::insertLocked(Entry entry) {
    const qint64 bytes = entry.image.sizeInBytes();
    if (bytes > budget_) {
        return;
    }
    held_ += bytes;
    entries_.push_front(std::move(entry));
    while (held_ > budget_ && !entries_.empty()) {
        held_ -= entries_.back().image.sizeInBytes();
        entries_.pop_back();
    }
}

void ScaledImageCache::clear() {
    QMutexLocker lock(&mutex_);
    entries_.clear();
    held_ = 0;
}

int ScaledImageCache::entryCount() const {
    QMutexLocker lock(&mutex_);
    return static_cast<int>(entries_.size());
}

}  // namespace casewright
