#include "images/RegularImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace casewright {

namespace {

ImageFileCheck checkOfError(int error) {
    if (error == ENOENT || error == ENOTDIR) {
        return ImageFileCheck::missing();
    }
    return ImageFileCheck::unreadable(QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

RegularImageFile::RegularImageFile(const QString& path) {
    if (path.isEmpty()) {
        check_ = ImageFileCheck::missing();
        return;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat status {};
    if (::stat(native.constData(), &status) != 0) {
        check_ = checkOfError(errno);
        return;
    }
    if (!S_ISREG(status.st_mode)) {
        check_ = ImageFileCheck::notRegularFile();
        return;
    }
    // Non-blocking, so that a pipe put in the file's place cannot hold the open.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        check_ = checkOfError(errno);
        return;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        check_ = ImageFileCheck::notRegularFile();
        return;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    stream_ = ::fdopen(fd, "rb");
    if (!stream_) {
        check_ = checkOfError(errno);
        ::close(fd);
    }
}

RegularImageFile::~RegularImageFile() {
    if (stream_) {
        std::fclose(stream_);
    }
}

qint64 RegularImageFile::read(char* buffer, qint64 size) {
    if (!stream_ || size <= 0) {
        return 0;
    }
    return static_cast<qint64>(std::fread(buffer, 1, static_cast<size_t>(size), stream_));
}

bool RegularImageFile::seek(qint64 offset) {
    return stream_ && offset >= 0 && ::fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

qint64 RegularImageFile::pos() const {
    return stream_ ? static_cast<qint64>(::ftello(stream_)) : -1;
}

}  // namespace casewright
