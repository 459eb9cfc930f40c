#include "support/TinyFileSystem.h"

#include <sys/mount.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>

namespace casewright {

TinyFileSystem::TinyFileSystem(int kilobytes) {
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    mounted_ = dir_.isValid() && ::mount("tmpfs", dir_.path().toLocal8Bit().constData(), "tmpfs", 0,
                                         options.constData()) == 0;
}

TinyFileSystem::~TinyFileSystem() {
    if (mounted_) {
        ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
    }
}

QString TinyFileSystem::path(const QString& name) const {
    return dir_.path() + QLatin1Char('/') + name;
}

void TinyFileSystem::fill(int kilobytesLeft) const {
    QFile filler(path(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return;
    }
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
    filler.resize(std::max<qint64>(0, filler.size() - qint64(kilobytesLeft) * 1024));
}

}  // namespace casewright
