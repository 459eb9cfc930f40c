#include "images/TemplateFolderScanner.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace casewright {

namespace {

const QString kBackMarker = QStringLiteral("[BACK]");

QString systemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A folder that is not there is not an error: there are simply no templates.
bool isMissingFolder(int error) {
    return error == ENOENT || error == ENOTDIR;
}

struct DirectoryCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};

}  // namespace

QStringList TemplateFolderScanner::defaultFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/CLIPART"),
            QDir::cleanPath(programFolder +
                            QStringLiteral("/" CASEWRIGHT_DATA_DIR_FROM_PROGRAM "/CLIPART")),
            QStringLiteral(CASEWRIGHT_DATA_DIR "/CLIPART")};
}

TemplateScan TemplateFolderScanner::scan(const QStringList& folders) {
    TemplateScan result;
    QSet<QString> seenNames;
    QSet<QString> seenFolders;
    for (const QString& folder : folders) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        const QString key = canonical.isEmpty() ? folder : canonical;
        if (seenFolders.contains(key)) {
            continue;
        }
        seenFolders.insert(key);
        scanFolder(folder, result, seenNames);
    }
    return result;
}

bool TemplateFolderScanner::isTemporaryName(const QString& name) {
    static const QStringList kTemporarySuffixes = {
        QStringLiteral("~"),     QStringLiteral(".tmp"),        QStringLiteral(".temp"),
        QStringLiteral(".part"), QStringLiteral(".crdownload"), QStringLiteral(".swp")};
    return std::any_of(
        kTemporarySuffixes.begin(), kTemporarySuffixes.end(),
        [&](const QString& suffix) { return name.endsWith(suffix, Qt::CaseInsensitive); });
}

void TemplateFolderScanner::scanFolder(const QString& folder, TemplateScan& scan,
                                       QSet<QString>& seenNames) {
    std::unique_ptr<DIR, DirectoryCloser> directory(opendir(QFile::encodeName(folder).constData()));
    if (!directory) {
        if (!isMissingFolder(errno)) {
            scan.errors.append(systemErrorText(errno));
        }
        return;
    }
    QStringList names;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(directory.get());
        if (!entry) {
            if (errno != 0) {
                scan.errors.append(systemErrorText(errno));
            }
            break;
        }
        const QString name = QFile::decodeName(entry->d_name);
        if (!seenNames.contains(name) && isCandidate(folder, name)) {
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    for (const QString& name : names) {
        seenNames.insert(name);
        scan.entries.append(TemplateEntry{folder, name});
    }
}

bool TemplateFolderScanner::isCandidate(const QString& folder, const QString& name) {
    if (!name.contains(kBackMarker) || name.startsWith(QLatin1Char('.')) || isTemporaryName(name)) {
        return false;
    }
    struct stat status {};
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
    return stat(path.constData(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace casewright
