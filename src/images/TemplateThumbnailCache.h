#pragma once

#include <QImage>
#include <QString>

namespace casewright {

// Thumbnails already drawn in this run of the program, so that opening the
// template window again (each new design opens it anew) shows them at once.
// Entries are keyed by the file's path, size and modification time, so a
// template file that was replaced is drawn again. Bounded to a few megabytes;
// safe to use from several threads.
class TemplateThumbnailCache {
public:
    // The key of `path` as the file is now; empty when it cannot be read.
    static QString keyFor(const QString& path, bool discView);

    // True and `thumbnail` set (possibly to a null image for an unreadable
    // file) when the key is known.
    static bool find(const QString& key, QImage* thumbnail);
    static void insert(const QString& key, const QImage& thumbnail);
    static void clear();
};

}  // namespace casewright
