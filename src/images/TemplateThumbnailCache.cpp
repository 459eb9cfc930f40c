#include "images/TemplateThumbnailCache.h"

#include <QCache>
#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace casewright {

namespace {

// Costs are in kilobytes: about 16 MB, some thousand thumbnails.
constexpr int kMaxCostKilobytes = 16 * 1024;

struct Store {
    QMutex mutex;
    QCache<QString, QImage> images{kMaxCostKilobytes};
};

Store& store() {
    static Store instance;
    return instance;
}

int costOf(const QImage& image) {
    return std::max<int>(1, static_cast<int>(image.sizeInBytes() / 1024));
}

}  // namespace

QString TemplateThumbnailCache::keyFor(const QString& path, bool discView) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return {};
    }
    return QStringLiteral("%1|%2|%3|%4")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(discView ? 1 : 0);
}

bool TemplateThumbnailCache::find(const QString& key, QImage* thumbnail) {
    if (key.isEmpty()) {
        return false;
    }
    QMutexLocker lock(&store().mutex);
    const QImage* cached = store().images.object(key);
    if (!cached) {
        return false;
    }
    *thumbnail = *cached;
    return true;
}

void TemplateThumbnailCache::insert(const QString& key, const QImage& thumbnail) {
    if (key.isEmpty()) {
        return;
    }
    QMutexLocker lock(&store().mutex);
    store().images.insert(key, new QImage(thumbnail), costOf(thumbnail));
}

void TemplateThumbnailCache::clear() {
    QMutexLocker lock(&store().mutex);
    store().images.clear();
}

}  // namespace casewright
