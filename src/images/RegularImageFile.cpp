#include "images/RegularImageFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
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

RegularImageFile::RegularImageFile(QByteArrayView bytes) : memory_(true), bytes_(bytes) {}

RegularImageFile::~RegularImageFile() {
    if (stream_) {
        std::fclose(stream_);
    }
}

qint64 RegularImageFile::read(char* buffer, qint64 size) {
    if (memory_) {
        const qint64 count = std::clamp<qint64>(bytes_.size() - at_, 0, std::max<qint64>(size, 0));
        if (count == 0) {
            // Empty pictures have no data pointer, and a seek may sit past the end.
            return 0;
        }
        std::memcpy(buffer, bytes_.data() + at_, static_cast<size_t>(count));
        at_ += count;
        return count;
    }
    if (!stream_ || size <= 0) {
        return 0;
    }
    return static_cast<qint64>(std::fread(buffer, 1, static_cast<size_t>(size), stream_));
}

bool RegularImageFile::seek(qint64 offset) {
    if (memory_) {
        at_ = offset >= 0 ? offset : at_;
        return offset >= 0;
    }
    return stream_ && offset >= 0 && ::fseeko(stream_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

qint64 RegularImageFile::pos() const {
    if (memory_) {
        return at_;
    }
    return stream_ ? static_cast<qint64>(::ftello(stream_)) : -1;
}

qint64 RegularImageFile::size() const {
    if (memory_) {
        return bytes_.size();
    }
    struct stat status {};
    return stream_ && ::fstat(::fileno(stream_), &status) == 0 ? qint64(status.st_size) : -1;
}

}  // namespace casewright
