#include "images/TemplateThumbnailDiskCache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QStandardPaths>

#include "document/AtomicFileWriter.h"

namespace casewright {

namespace {

const QString kStampKey = QStringLiteral("Template-Stamp");

}  // namespace

QString TemplateThumbnailDiskCache::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/template-thumbnails");
}

QString TemplateThumbnailDiskCache::entryFile(const QString& absolutePath, bool discView) {
    const QByteArray name =
        (absolutePath + (discView ? QStringLiteral("|disc") : QString())).toUtf8();
    return folder() + QLatin1Char('/') +
           QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".png");
}

// The path too, so that a hash collision can never show another template.
QString TemplateThumbnailDiskCache::stamp(const QString& path) {
    const QFileInfo info(path);
    return QStringLiteral("%1|%2|%3")
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.absoluteFilePath());
}

QImage TemplateThumbnailDiskCache::find(const QString& path, bool discView) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return {};
    }
    QImageReader reader(entryFile(info.absoluteFilePath(), discView), "png");
    if (!reader.canRead() || reader.text(kStampKey) != stamp(path)) {
        return {};
    }
    return reader.read();
}

void TemplateThumbnailDiskCache::store(const QString& path, bool discView,
                                       const QImage& thumbnail) {
    const QFileInfo info(path);
    if (thumbnail.isNull() || !info.isFile() || !QDir().mkpath(folder())) {
        return;
    }
    QImage stamped = thumbnail;
    stamped.setText(kStampKey, stamp(path));
    // A cut-short entry would still carry a valid stamp; a write that fails
    // (a full disk) leaves no entry, and the thumbnail is drawn again next time.
    AtomicFileWriter file(entryFile(info.absoluteFilePath(), discView));
    if (file.open() && stamped.save(file.device(), "png")) {
        file.commit();
    }
}

}  // namespace casewright
