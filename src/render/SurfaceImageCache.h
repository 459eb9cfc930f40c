#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QSize>
#include <QString>
#include <list>

namespace casewright {

// Decoded surface images kept between draws. A surface reads its image file
// at every draw; decoding a large photograph each time would make the preview
// stutter, so decoded pixels are kept while the file stays exactly as it was:
// an entry is used only when the path, size, modification time and status
// change time all still match, so a changed, replaced or deleted file shows
// its new state at the next draw. The memory kept is bounded; the least
// recently drawn images go first.
//
// A picture too large to keep whole is kept at the size it is drawn at: a
// JPEG file is decoded at a reduced scale that still fills that size, any
// other picture is reduced once after decoding, smoothly and keeping its
// aspect, so that fitted and filled pictures keep their shape. A later draw
// at a larger size reads the file again.
class SurfaceImageCache {
public:
    static constexpr qint64 kDefaultBudgetBytes = 256LL * 1024 * 1024;

    static SurfaceImageCache& instance();

    // The image of `path` in a format that draws quickly, at least
    // `drawnSize` large (device pixels) or whole when that is empty; null
    // when the path is empty or the file is missing or cannot be drawn.
    QImage image(const QString& path, QSize drawnSize = QSize());

    // Pictures that exist only in memory, such as a cover file's image
    // blocks decoded without being extracted: `image(name)` gives them as
    // they are, before any file of that name. They are kept, outside the
    // budget, until forgotten.
    void holdInMemory(const QString& name, const QImage& image);
    void forgetHeldInMemory();
    // The picture's own size in pixels, however reduced it is kept; empty
    // when it cannot be drawn.
    QSize pictureSize(const QString& path);

    void setBudget(qint64 bytes);
    void clear();
    qint64 bytesHeld() const;
    int entryCount() const;

private:
    struct Entry {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        QDateTime statusChanged;
        quint64 inode = 0;
        QImage image;
        QSize fullSize;
        // As large as the file is ever read, not reduced for a draw.
        bool complete = true;
    };

    // The entry for the file as it is now, or nullptr; a stale entry is dropped.
    Entry* findLocked(const Entry& key);
    QImage decode(Entry& key, QSize drawnSize, QSize reducedBefore) const;
    void insertLocked(Entry entry);
    void trimLocked();

    mutable QMutex mutex_;
    std::list<Entry> entries_;  // most recently used first
    QHash<QString, QImage> inMemory_;
    qint64 budget_ = kDefaultBudgetBytes;
    qint64 held_ = 0;
};

}  // namespace casewright
