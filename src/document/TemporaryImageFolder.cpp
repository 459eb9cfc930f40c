#include "document/TemporaryImageFolder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <atomic>

namespace casewright {

namespace {

constexpr int kMaxFoldersPerProcess = 1000;
const QString kLockSuffix = QStringLiteral(".lock");

// A lock file that names no owner is left only by a process that died
// while making it; by this age it cannot be one still in the making.
constexpr int kUnnamedLockAgeSeconds = 60;

std::unique_ptr<QLockFile> TryLock(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // A live owner's lock never goes stale by age, only when it has ended.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return nullptr;
    }
    return lock;
}

bool IsUnnamedOldLock(const QString& lockPath) {
    qint64 pid = 0;
    QString host;
    QString application;
    const QFileInfo info(lockPath);
    return info.isFile() && !QLockFile(lockPath).getLockInfo(&pid, &host, &application) &&
           info.lastModified().secsTo(QDateTime::currentDateTime()) > kUnnamedLockAgeSeconds;
}

// The names "<pid>-<n>" of folders and of their locks.
QSet<QString> OwnedNames(const QString& parent) {
    static const QRegularExpression name(QStringLiteral("^([0-9]+-[0-9]+)(\\.lock)?$"));
    QSet<QString> names;
    const QStringList entries =
        QDir(parent).entryList(QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = name.match(entry);
        if (match.hasMatch()) {
            names.insert(match.captured(1));
        }
    }
    return names;
}

}  // namespace

TemporaryImageFolder::TemporaryImageFolder(QString parent) : parent_(std::move(parent)) {
    RemoveStaleFolders(parent_);
}

TemporaryImageFolder::~TemporaryImageFolder() {
    if (!path_.isEmpty()) {
        QDir(path_).removeRecursively();
    }
    if (lock_) {
        lock_->unlock();  // removes the lock file, after the folder is gone
    }
}

QString TemporaryImageFolder::DefaultParent() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/images");
}

void TemporaryImageFolder::RemoveStaleFolders(const QString& parent) {
    if (parent.isEmpty()) {
        return;
    }
    for (const QString& name : OwnedNames(parent)) {
        const QString folder = parent + QLatin1Char('/') + name;
        const QString lockPath = folder + kLockSuffix;
        if (IsUnnamedOldLock(lockPath)) {
            QFile::remove(lockPath);
        }
        const std::unique_ptr<QLockFile> lock = TryLock(lockPath);
        if (!lock) {
            continue;  // its owner is still running
        }
        QDir(folder).removeRecursively();
        lock->unlock();
    }
}

QString TemporaryImageFolder::path() {
    if (!tried_) {
        tried_ = true;
        if (!create()) {
            path_.clear();
            lock_.reset();
        }
    }
    return path_;
}

bool TemporaryImageFolder::create() {
    if (parent_.isEmpty() || !QDir().mkpath(parent_)) {
        return false;
    }
    static std::atomic<int> counter{0};
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (int attempt = 0; attempt < kMaxFoldersPerProcess; ++attempt) {
        const QString name = pid + QLatin1Char('-') + QString::number(++counter);
        const QString folder = parent_ + QLatin1Char('/') + name;
        lock_ = TryLock(folder + kLockSuffix);
        if (!lock_) {
            continue;
        }
        // Left by an ended process that had the same number.
        QDir(folder).removeRecursively();
        if (!QDir(parent_).mkdir(name)) {
            return false;
        }
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        path_ = folder;
        return true;
    }
    return false;
}

}  // namespace casewright
