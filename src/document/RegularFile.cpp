#include "document/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace casewright {

bool OpenRegularFileForReading(QFile& file, QString* reason) {
    const QByteArray name = QFile::encodeName(file.fileName());
    // Without O_NONBLOCK, opening a FIFO waits for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        *reason =
            folder ? QStringLiteral("it is a folder") : QStringLiteral("it is not a regular file");
        return false;
    }
    // Regular files never block; the flag only matters for the open above.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace casewright
