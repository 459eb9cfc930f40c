#include "images/TemplateThumbnailLoader.h"

#include "images/FreeImageFileReader.h"
#include "images/TemplateThumbnailCache.h"
#include "images/TemplateThumbnailDiskCache.h"
#include "images/TemplateThumbnailPainter.h"

namespace casewright {

TemplateThumbnailLoader::TemplateThumbnailLoader(QObject* parent)
    : QObject(parent), cancelled_(std::make_shared<std::atomic_bool>(false)) {
    pool_.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
}

TemplateThumbnailLoader::~TemplateThumbnailLoader() {
    cancelled_->store(true);
    pool_.clear();
    pool_.waitForDone();
}

void TemplateThumbnailLoader::start(const QStringList& paths, bool discView) {
    if (started_) {
        return;
    }
    started_ = true;
    outstanding_ = static_cast<int>(paths.size());
    for (int index = 0; index < paths.size(); ++index) {
        QImage cached;
        if (TemplateThumbnailCache::find(TemplateThumbnailCache::keyFor(paths[index], discView),
                                         &cached)) {
            deliver(index, cached);
        } else {
            queue(index, paths[index], discView);
        }
    }
    if (paths.isEmpty()) {
        emit finished();
    }
}

QImage TemplateThumbnailLoader::produce(const QString& path, bool discView) {
    const QString key = TemplateThumbnailCache::keyFor(path, discView);
    QImage thumbnail;
    if (TemplateThumbnailCache::find(key, &thumbnail)) {
        return thumbnail;
    }
    thumbnail = TemplateThumbnailDiskCache::find(path, discView);
    if (thumbnail.isNull()) {
        // A reduced decoding is plenty for 60 pixels and several times faster.
        thumbnail = TemplateThumbnailPainter::paint(
            FreeImageFileReader::readReduced(path, TemplateThumbnailPainter::kSide), discView);
        TemplateThumbnailDiskCache::store(path, discView, thumbnail);
    }
    TemplateThumbnailCache::insert(key, thumbnail);
    return thumbnail;
}

void TemplateThumbnailLoader::queue(int index, const QString& path, bool discView) {
    std::shared_ptr<std::atomic_bool> cancelled = cancelled_;
    pool_.start([this, cancelled, index, path, discView] {
        if (cancelled->load()) {
            return;
        }
        const QImage thumbnail = produce(path, discView);
        if (cancelled->load()) {
            return;
        }
        // Runs in the loader's thread; dropped with the loader if it is gone.
        QMetaObject::invokeMethod(
            this, [this, index, thumbnail] { deliver(index, thumbnail); }, Qt::QueuedConnection);
    });
}

void TemplateThumbnailLoader::deliver(int index, const QImage& thumbnail) {
    --outstanding_;
    emit thumbnailReady(index, thumbnail);
    if (outstanding_ == 0) {
        emit finished();
    }
}

}  // namespace casewright
