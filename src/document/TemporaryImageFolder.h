#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace casewright {

// A folder of this process's own for the images extracted from cover files,
// so that no other process (a second designer, a command-line run) can
// replace the pictures of a design this one has open.
//
// It is made on first use inside `parent` as "<pid>-<n>", guarded by the
// lock file "<pid>-<n>.lock" beside it, and removed with its lock when the
// object goes. Folders whose owner ended without removing them (a crash, a
// kill) are removed when a new object is made: their lock is stale.
class TemporaryImageFolder {
public:
    explicit TemporaryImageFolder(QString parent);
    ~TemporaryImageFolder();
    TemporaryImageFolder(const TemporaryImageFolder&) = delete;
    TemporaryImageFolder& operator=(const TemporaryImageFolder&) = delete;

    // The folder, made when first asked for; empty when it cannot be made.
    QString path();

    // Where the folders go normally: "images" in the per-user cache.
    static QString DefaultParent();

    // Removes the folders and lock files in `parent` whose owner has ended.
    static void RemoveStaleFolders(const QString& parent);

private:
    bool create();

    QString parent_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool tried_ = false;
};

}  // namespace casewright
