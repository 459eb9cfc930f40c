#include "render/SurfaceImageCache.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include "images/FreeImageFileReader.h"

namespace casewright {

namespace {

constexpr qint64 kDrawingBytesPerPixel = 4;

// Formats the raster painter scales without converting the whole image.
QImage ForDrawing(QImage image) {
    if (image.isNull()) {
        return image;
    }
    const QImage::Format wanted =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == wanted ? image : std::move(image).convertToFormat(wanted);
}

quint64 FileIdentity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return 0;
    }
    return static_cast<quint64>(st.st_ino) ^ (static_cast<quint64>(st.st_dev) << 48);
}

bool Fills(const QImage& image, QSize drawnSize) {
    return !drawnSize.isEmpty() && image.width() >= drawnSize.width() &&
           image.height() >= drawnSize.height();
}

}  // namespace

SurfaceImageCache& SurfaceImageCache::instance() {
    static SurfaceImageCache cache;
    return cache;
}

QImage SurfaceImageCache::image(const QString& path, QSize drawnSize) {
    if (path.isEmpty()) {
        return QImage();
    }
    {
        QMutexLocker lock(&mutex_);
        if (const auto held = inMemory_.constFind(path); held != inMemory_.constEnd()) {
            return *held;
        }
    }
    const QFileInfo info(path);
    if (!info.isFile()) {
        return QImage();
    }
    // The inode tells a file renamed over the old one apart even when the
    // file system's clock did not tick between the two writes.
    Entry key{path,
              info.size(),
              info.lastModified(),
              info.metadataChangeTime(),
              FileIdentity(path),
              QImage(),
              QSize(),
              true};
    QSize reducedBefore;
    {
        QMutexLocker lock(&mutex_);
        if (const Entry* found = findLocked(key)) {
            if (found->complete || Fills(found->image, drawnSize)) {
                return found->image;
            }
            reducedBefore = found->image.size();
        }
    }
    const QImage image = decode(key, drawnSize, reducedBefore);
    if (!image.isNull()) {
        QMutexLocker lock(&mutex_);
        insertLocked(key);
    }
    return image;
}

QImage SurfaceImageCache::decode(Entry& key, QSize drawnSize, QSize reducedBefore) const {
    qint64 budget = 0;
    {
        QMutexLocker lock(&mutex_);
        budget = budget_;
    }
    ImageReadRequest request;
    if (!drawnSize.isEmpty()) {
        // Never smaller than an earlier reduction, so that two sizes drawn
        // by turns do not read the file at every draw.
        request.atLeast = drawnSize.expandedTo(reducedBefore);
        request.reduceAbovePixels = budget / kDrawingBytesPerPixel;
    }
    ImageReadResult read = FreeImageFileReader::read(key.path, request);
    key.image = ForDrawing(std::move(read.image));
    key.fullSize = read.fullSize.isEmpty() ? key.image.size() : read.fullSize;
    key.complete = !read.reducedForRequest;
    if (!request.atLeast.isEmpty() && key.image.sizeInBytes() > budget) {
        const QSize reduced =
            key.image.size().scaled(request.atLeast, Qt::KeepAspectRatioByExpanding);
        if (reduced.width() < key.image.width() && reduced.height() < key.image.height()) {
            key.image = key.image.scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            key.complete = false;
        }
    }
    return key.image;
}

SurfaceImageCache::Entry* SurfaceImageCache::findLocked(const Entry& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != key.path) {
            continue;
        }
        if (it->size == key.size && it->modified == key.modified &&
            it->statusChanged == key.statusChanged && it->inode == key.inode) {
            entries_.splice(entries_.begin(), entries_, it);
            return &entries_.front();
        }
        held_ -= it->image.sizeInBytes();
        entries_.erase(it);
        return nullptr;
    }
    return nullptr;
}

void SurfaceImageCache::insertLocked(Entry entry) {
    const qint64 bytes = entry.image.sizeInBytes();
    if (bytes > budget_) {
        return;
    }
    // A reduced image read again at a larger size takes its place.
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path == entry.path) {
            held_ -= it->image.sizeInBytes();
            entries_.erase(it);
            break;
        }
    }
    held_ += bytes;
    entries_.push_front(std::move(entry));
    trimLocked();
}

void SurfaceImageCache::trimLocked() {
    while (held_ > budget_ && !entries_.empty()) {
        held_ -= entries_.back().image.sizeInBytes();
        entries_.pop_back();
    }
}

void SurfaceImageCache::holdInMemory(const QString& name, const QImage& image) {
    QMutexLocker lock(&mutex_);
    inMemory_.insert(name, ForDrawing(image));
}

void SurfaceImageCache::forgetHeldInMemory() {
    QMutexLocker lock(&mutex_);
    inMemory_.clear();
}

QSize SurfaceImageCache::pictureSize(const QString& path) {
    const QImage image = this->image(path, QSize(1, 1));
    if (image.isNull()) {
        return QSize();
    }
    QMutexLocker lock(&mutex_);
    for (const Entry& entry : entries_) {
        if (entry.path == path && entry.image.cacheKey() == image.cacheKey()) {
            return entry.fullSize;
        }
    }
    return image.size();
}

void SurfaceImageCache::setBudget(qint64 bytes) {
    QMutexLocker lock(&mutex_);
    budget_ = bytes;
    trimLocked();
}

void SurfaceImageCache::clear() {
    QMutexLocker lock(&mutex_);
    entries_.clear();
    held_ = 0;
}

qint64 SurfaceImageCache::bytesHeld() const {
    QMutexLocker lock(&mutex_);
    return held_;
}

int SurfaceImageCache::entryCount() const {
    QMutexLocker lock(&mutex_);
    return static_cast<int>(entries_.size());
}

}  // namespace casewright
