#pragma once

#include <QString>

namespace casewright {

// Makes a file or a folder read-only while the object lives, for root too
// (as in CI): root writes through permission bits, so it gets a read-only
// bind mount of the path onto itself; anyone else gets the write bits taken
// away. active() says whether it worked.
class ReadOnlyPath {
public:
    explicit ReadOnlyPath(const QString& path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath&) = delete;
    ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

    bool active() const { return active_; }

private:
    QString path_;
    bool mounted_ = false;
    bool active_ = false;
    unsigned permissions_ = 0;
};

}  // namespace casewright
