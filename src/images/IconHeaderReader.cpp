#include "images/IconHeaderReader.h"

#include <QByteArrayView>
#include <QtEndian>

#include "images/RegularImageFile.h"

namespace casewright {

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kEntryOffsetAt = 12;
constexpr int kInfoHeaderSize = 40;

template <typename T>
T littleEndianAt(const char* bytes) {
    return qFromLittleEndian<T>(reinterpret_cast<const uchar*>(bytes));
}

bool readExact(RegularImageFile& file, char* buffer, qint64 size) {
    return file.read(buffer, size) == size;
}

}  // namespace

bool IconHeaderReader::firstPictureIsSound(RegularImageFile& file) {
    char directory[kDirectorySize + kEntrySize];
    if (!file.seek(0) || !readExact(file, directory, sizeof directory) ||
        littleEndianAt<quint16>(directory + 4) == 0) {
        return false;
    }
    const quint32 offset = littleEndianAt<quint32>(directory + kDirectorySize + kEntryOffsetAt);
    char header[kInfoHeaderSize];
    if (!file.seek(offset) || !readExact(file, header, sizeof header)) {
        return false;
    }
    if (QByteArrayView(header, 8) == QByteArrayView("\x89PNG\r\n\x1a\n", 8)) {
        return true;
    }
    const qint32 width = littleEndianAt<qint32>(header + 4);
    const qint32 height = littleEndianAt<qint32>(header + 8);  // the picture and its mask
    const quint16 bitCount = littleEndianAt<quint16>(header + 14);
    const bool knownDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                            bitCount == 24 || bitCount == 32;
    return littleEndianAt<quint32>(header) >= kInfoHeaderSize && width > 0 && height > 0 &&
           knownDepth;
}

}  // namespace casewright
