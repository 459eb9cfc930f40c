#pragma once

#include <QImage>
#include <QString>

namespace casewright {

// Thumbnails kept between runs of the program in the user's cache folder, so
// that a large template library shows at once from the second opening on.
// There is one small PNG file per template path; it records the template
// file's size and modification time, and is not used once the template file
// has changed (it is simply drawn and written again). Safe to use from
// several threads: each file is written under a temporary name and renamed
// into place only once it is whole on the disk.
class TemplateThumbnailDiskCache {
public:
    // The thumbnail stored for `path` as the file is now (null when none).
    static QImage find(const QString& path, bool discView);
    static void store(const QString& path, bool discView, const QImage& thumbnail);

    // The folder holding the cache files.
    static QString folder();

private:
    static QString entryFile(const QString& absolutePath, bool discView);
    static QString stamp(const QString& path);
};

}  // namespace casewright
