#include "images/GifHeaderReader.h"

#include <QtEndian>

#include "images/RegularImageFile.h"

namespace casewright {

namespace {

constexpr char kExtensionIntroducer = 0x21;
constexpr char kImageSeparator = 0x2C;
constexpr int kScreenDescriptorSize = 7;
constexpr int kFramePositionSize = 4;

bool readExact(RegularImageFile& file, char* buffer, qint64 size) {
    return file.read(buffer, size) == size;
}

QSize sizeAt(const char* bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes);
    return QSize(qFromLittleEndian<quint16>(data), qFromLittleEndian<quint16>(data + 2));
}

bool skipColourTable(RegularImageFile& file, char packedFlags) {
    if ((packedFlags & 0x80) == 0) {
        return true;
    }
    const qint64 entries = qint64(1) << ((packedFlags & 0x07) + 1);
    return file.seek(file.pos() + 3 * entries);
}

// Extension blocks are chains of sub-blocks ended by an empty one.
bool skipExtension(RegularImageFile& file) {
    char label = 0;
    if (!readExact(file, &label, 1)) {
        return false;
    }
    for (;;) {
        char length = 0;
        if (!readExact(file, &length, 1)) {
            return false;
        }
        if (length == 0) {
            return true;
        }
        if (!file.seek(file.pos() + static_cast<uchar>(length))) {
            return false;
        }
    }
}

std::optional<QSize> firstFrameSize(RegularImageFile& file) {
    for (;;) {
        char introducer = 0;
        if (!readExact(file, &introducer, 1)) {
            return std::nullopt;
        }
        if (introducer == kExtensionIntroducer) {
            if (!skipExtension(file)) {
                return std::nullopt;
            }
            continue;
        }
        if (introducer != kImageSeparator) {
            return std::nullopt;
        }
        char descriptor[kFramePositionSize + 4];
        if (!readExact(file, descriptor, sizeof(descriptor))) {
            return std::nullopt;
        }
        return sizeAt(descriptor + kFramePositionSize);
    }
}

}  // namespace

std::optional<QSize> GifHeaderReader::announcedSize(RegularImageFile& file) {
    if (!file.seek(0)) {
        return std::nullopt;
    }
    char signature[6];
    char screen[kScreenDescriptorSize];
    if (!readExact(file, signature, sizeof(signature)) || qstrncmp(signature, "GIF", 3) != 0 ||
        !readExact(file, screen, sizeof(screen)) || !skipColourTable(file, screen[4])) {
        return std::nullopt;
    }
    const QSize screenSize = sizeAt(screen);
    const std::optional<QSize> frame = firstFrameSize(file);
    if (!frame) {
        return screenSize;
    }
    return screenSize.expandedTo(*frame);
}

}  // namespace casewright
