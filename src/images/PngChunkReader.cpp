#include "images/PngChunkReader.h"

#include <QByteArrayView>
#include <QtEndian>

#include "images/RegularImageFile.h"

namespace casewright {

namespace {

constexpr qint64 kSignatureSize = 8;
constexpr qint64 kChunkHeaderSize = 8;  // length and type
constexpr qint64 kChunkCrcSize = 4;

}  // namespace

bool PngChunkReader::chunksFitInFile(RegularImageFile& file) {
    const qint64 size = file.size();
    qint64 at = kSignatureSize;
    while (at + kChunkHeaderSize <= size) {
        char header[kChunkHeaderSize];
        if (!file.seek(at) || file.read(header, kChunkHeaderSize) != kChunkHeaderSize) {
            return false;
        }
        const qint64 length = qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(header));
        at += kChunkHeaderSize + length + kChunkCrcSize;
        if (at > size) {
            return false;
        }
        if (QByteArrayView(header + 4, 4) == QByteArrayView("IEND")) {
            break;
        }
    }
    return file.seek(0);
}

}  // namespace casewright
