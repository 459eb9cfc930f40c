#pragma once

#include <QByteArrayView>
#include <QString>

namespace casewright {

// Writes the image blocks of a loaded cover file to the temporary files
// "tmpfront", "tmpback", "tmpstretch" and "tmpdisc" plus an extension in one
// folder, overwriting what an earlier load left there.
class TemporaryImageWriter {
public:
    explicit TemporaryImageWriter(QString folder);

    // Writes one block and returns the path the design should name: the
    // temporary file when the block holds data and the file was written in
    // full, otherwise empty. The front, back and stretch files are left empty
    // when their block is; the disc's is written only when its block holds
    // data. An extension holding "/" or "\" would name a file elsewhere, so
    // such a block is skipped, as is every block when no folder is known.
    QString write(int block, const QString& extension, QByteArrayView data) const;

private:
    QString folder_;
};

}  // namespace casewright
