#include "document/AtomicFileWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace casewright {

namespace {

QString SystemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

// Passes every write on to the writer, so that short writes count as
// failures whoever does the writing.
class AtomicFileWriter::CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(AtomicFileWriter& writer) : writer_(writer) {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 writeData(const char* data, qint64 size) override {
        return writer_.write(QByteArrayView(data, size)) ? size : -1;
    }
    qint64 readData(char*, qint64) override { return -1; }

private:
    AtomicFileWriter& writer_;
};

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path), file_(path) {}

AtomicFileWriter::~AtomicFileWriter() {
    delete device_;
}

bool AtomicFileWriter::open() {
    if (!file_.open(QIODevice::WriteOnly)) {
        return fail(file_.errorString());
    }
    return true;
}

QIODevice* AtomicFileWriter::device() {
    if (!device_) {
        device_ = new CheckedDevice(*this);
    }
    return device_;
}

bool AtomicFileWriter::write(QByteArrayView data) {
    if (failed_) {
        return false;
    }
    if (!file_.isOpen()) {
        return fail(QStringLiteral("the file is not open"));
    }
    expectedSize_ += data.size();
    if (file_.write(data.data(), data.size()) != data.size()) {
        return fail(file_.error() != QFileDevice::NoError ? file_.errorString()
                                                          : QStringLiteral("the disk is full"));
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (failed_ || !file_.isOpen()) {
        cancel();
        return false;
    }
    if (!file_.flush() || file_.error() != QFileDevice::NoError) {
        return fail(file_.errorString());
    }
    const int fd = file_.handle();
    // Delayed allocation can report a full disk only when the data is synced.
    if (fd < 0 || ::fsync(fd) != 0) {
        return fail(SystemError());
    }
    struct stat written {};
    if (::fstat(fd, &written) != 0) {
        return fail(SystemError());
    }
    if (written.st_size != expectedSize_) {
        return fail(QStringLiteral("only %1 of %2 bytes could be written")
                        .arg(written.st_size)
                        .arg(expectedSize_));
    }
    if (!file_.commit()) {
        return fail(file_.errorString());
    }
    return true;
}

void AtomicFileWriter::cancel() {
    if (file_.isOpen()) {
        file_.cancelWriting();
        file_.commit();  // with writing cancelled this only removes the temporary file
    }
}

bool AtomicFileWriter::fail(const QString& reason) {
    if (!failed_) {
        error_ = reason;
    }
    failed_ = true;
    cancel();
    return false;
}

}  // namespace casewright
