#include "support/ReadOnlyPath.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>

namespace casewright {

ReadOnlyPath::ReadOnlyPath(const QString& path) : path_(path) {
    const QByteArray native = QFile::encodeName(path);
    if (::geteuid() == 0) {
        mounted_ = ::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) == 0;
        active_ = mounted_ && ::mount(nullptr, native.constData(), nullptr,
                                      MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        return;
    }
    const QFile::Permissions before = QFile::permissions(path);
    permissions_ = before.toInt();
    active_ = QFile::setPermissions(path, before & ~(QFile::WriteOwner | QFile::WriteUser |
                                                     QFile::WriteGroup | QFile::WriteOther));
}

ReadOnlyPath::~ReadOnlyPath() {
    if (mounted_) {
        ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
    } else if (active_) {
        QFile::setPermissions(path_, QFile::Permissions::fromInt(permissions_));
    }
}

}  // namespace casewright
