#pragma once

#include <QString>
#include <QTemporaryDir>

namespace casewright {

// A tmpfs of a few hundred kilobytes mounted on a scratch folder while the
// object lives, for tests of what happens when the disk fills up. Mounting
// needs root (as in CI); mounted() says whether it worked.
class TinyFileSystem {
public:
    explicit TinyFileSystem(int kilobytes);
    ~TinyFileSystem();
    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString path(const QString& name) const;
    // Fills the file system with one file until only about this much is free.
    void fill(int kilobytesLeft = 0) const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

}  // namespace casewright
