#include "document/TemporaryImageWriter.h"

#include <QDir>
#include <QFile>

#include "document/CoverFileFormat.h"

namespace casewright {

namespace {

bool WriteWholeFile(const QString& path, QByteArrayView data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = file.write(data.data(), data.size()) == data.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();  // a half image must not pass for the block's image
        return false;
    }
    return true;
}

}  // namespace

TemporaryImageWriter::TemporaryImageWriter(QString folder) : folder_(std::move(folder)) {}

QString TemporaryImageWriter::write(int block, const QString& extension,
                                    QByteArrayView data) const {
    const bool hasData = !data.isEmpty();
    const bool namesFileInFolder =
        !extension.contains(QLatin1Char('/')) && !extension.contains(QLatin1Char('\\'));
    if (folder_.isEmpty() || !namesFileInFolder ||
        (block == CoverFileFormat::DiscBlock && !hasData)) {
        return QString();
    }
    QDir().mkpath(folder_);
    const QString path =
        folder_ + QLatin1Char('/') + CoverFileFormat::TemporaryImageBaseName(block) + extension;
    if (!WriteWholeFile(path, data) || !hasData) {
        return QString();
    }
    return path;
}

}  // namespace casewright
