#include "render/SurfaceImageCache.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include "images/ImageLoader.h"

namespace casewright {

namespace {

// Formats the raster painter scales without converting the whole image.
QImage ForDrawing(QImage image) {
    if (image.isNull()) {
        return image;
    }
    const QImage::Format wanted =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.format() == wanted ? image : image.convertToFormat(wanted);
}

}  // namespace

SurfaceImageCache& SurfaceImageCache::instance() {
    static SurfaceImageCache cache;
    return cache;
}

namespace {

quint64 FileIdentity(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        return 0;
    }
    return static_cast<quint64>(st.st_ino) ^ (static_cast<quint64>(st.st_dev) << 48);
}

}  // namespace

QImage SurfaceImageCache::image(const QString& path) {
    if (path.isEmpty()) {
        return QImage();
    }
    const QFileInfo info(path);
    if (!info.isFile()) {
        return QImage();
    }
    // The inode tells a file renamed over the old one apart even when the
    // file system's clock did not tick between the two writes.
    Entry key{
        path,    info.size(), info.lastModified(), info.metadataChangeTime(), FileIdentity(path),
        QImage()};
    {
        QMutexLocker lock(&mutex_);
        const QImage found = findLocked(key);
        if (!found.isNull()) {
            return found;
        }
    }
    key.image = ForDrawing(LoadImageFile(path));
    if (!key.image.isNull()) {
        QMutexLocker lock(&mutex_);
        insertLocked(key);
    }
    return key.image;
}

QImage SurfaceImageCache::findLocked(const Entry& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != key.path) {
            continue;
        }
        if (it->size == key.size && it->modified == key.modified &&
            it->statusChanged == key.statusChanged && it->inode == key.inode) {
            entries_.splice(entries_.begin(), entries_, it);
            return entries_.front().image;
        }
        held_ -= it->image.sizeInBytes();
        entries_.erase(it);
        return QImage();
    }
    return QImage();
}

void SurfaceImageCache::insertLocked(Entry entry) {
    const qint64 bytes = entry.image.sizeInBytes();
    if (bytes > budget_) {
        return;
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
