#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdio>

#include "images/ImageFileCheck.h"

namespace casewright {

// An image file opened for reading, but only when it is a regular file.
// A pipe with no writer, a device such as /dev/zero or a folder is refused
// from its status without being opened, so reading never blocks or runs
// without end; the status is taken again from the opened descriptor, so the
// name cannot be pointed at something else between the test and the read.
class RegularImageFile {
public:
    explicit RegularImageFile(const QString& path);
    // Reads `bytes` (which must outlive this) as if they were a file's, for
    // pictures held in memory such as a cover file's image blocks. Seeking
    // past the end succeeds as it does in a file, and reading there gives
    // nothing: decoders that expect a file's behaviour stop as they would.
    explicit RegularImageFile(QByteArrayView bytes);
    ~RegularImageFile();

    RegularImageFile(const RegularImageFile&) = delete;
    RegularImageFile& operator=(const RegularImageFile&) = delete;

    // None when the file is open; otherwise why it is not.
    const ImageFileCheck& openCheck() const { return check_; }
    bool isOpen() const { return stream_ != nullptr || memory_; }

    // Reads up to `size` bytes; the count read, 0 at the end or on error.
    qint64 read(char* buffer, qint64 size);
    bool seek(qint64 offset);
    qint64 pos() const;
    qint64 size() const;

private:
    std::FILE* stream_ = nullptr;
    bool memory_ = false;
    QByteArrayView bytes_;
    qint64 at_ = 0;
    ImageFileCheck check_;
};

}  // namespace casewright
