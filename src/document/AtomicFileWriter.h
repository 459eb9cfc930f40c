#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QSaveFile>
#include <QString>

namespace casewright {

// Writes a file beside its target and renames it into place only when every
// byte is known to be on the disk: each write is checked, the data is
// flushed and synced, and the size on disk is compared with what was
// written. Any failure leaves an earlier file at the path untouched. A
// writer that is destroyed without commit() discards what it wrote.
//
// QSaveFile alone is not enough: a short write (a disk that fills up in the
// middle of a block) is not an error to it, and writers that take a device,
// like the PDF and PNG writers, do not look at what write() returns.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    // False once any write has failed; later writes are ignored.
    bool write(QByteArrayView data);
    // For writers that take a device (PDF, PNG): every write through it is
    // checked like write().
    QIODevice* device();

    // Flushes, syncs, checks the size and renames into place.
    bool commit();
    void cancel();

    // Why the first failing step failed, in words for a message.
    QString errorString() const { return error_; }
    const QString& path() const { return path_; }

private:
    class CheckedDevice;

    bool fail(const QString& reason);

    QString path_;
    QSaveFile file_;
    CheckedDevice* device_ = nullptr;
    qint64 expectedSize_ = 0;
    QString error_;
    bool failed_ = false;
};

}  // namespace casewright
