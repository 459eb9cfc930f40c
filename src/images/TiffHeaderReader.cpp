#include "images/TiffHeaderReader.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

#include "images/RegularImageFile.h"

namespace casewright {

namespace {

enum Tag : quint16 {
    kImageWidth = 256,
    kImageLength = 257,
    kBitsPerSample = 258,
    kSamplesPerPixel = 277,
    kRowsPerStrip = 278,
    kTileWidth = 322,
    kTileLength = 323,
};
enum Type : quint16 { kShort = 3, kLong = 4 };
constexpr int kEntrySize = 12;

// The first directory's values that decide the buffer, with the defaults a
// directory that leaves them out has.
struct Layout {
    quint64 width = 0;
    quint64 height = 0;
    quint64 bitsPerSample = 1;
    quint64 samplesPerPixel = 1;
    quint64 rowsPerStrip = std::numeric_limits<quint32>::max();
    quint64 tileWidth = 0;
    quint64 tileLength = 0;
};

class Directory {
public:
    explicit Directory(bool bigEndian) : bigEndian_(bigEndian) {}

    quint16 u16(const uchar* data) const {
        return bigEndian_ ? qFromBigEndian<quint16>(data) : qFromLittleEndian<quint16>(data);
    }
    quint32 u32(const uchar* data) const {
        return bigEndian_ ? qFromBigEndian<quint32>(data) : qFromLittleEndian<quint32>(data);
    }

    // The first value of an entry of shorts or longs that fits in the entry;
    // bits per sample given once per sample point elsewhere read as their
    // first value, which the decoder also takes for every sample.
    std::optional<quint64> firstValue(RegularImageFile& file, const uchar* entry) const {
        const quint16 type = u16(entry + 2);
        const quint32 count = u32(entry + 4);
        const uchar* value = entry + 8;
        if (count == 0 || (type != kShort && type != kLong)) {
            return std::nullopt;
        }
        const quint32 size = type == kShort ? 2 : 4;
        if (qint64(count) * size <= 4) {
            return type == kShort ? u16(value) : u32(value);
        }
        uchar elsewhere[4];
        const qint64 back = file.pos();
        const bool read = file.seek(u32(value)) &&
                          file.read(reinterpret_cast<char*>(elsewhere), size) == qint64(size);
        if (!file.seek(back) || !read) {
            return std::nullopt;
        }
        return type == kShort ? u16(elsewhere) : u32(elsewhere);
    }

private:
    bool bigEndian_;
};

bool Decides(quint16 tag) {
    switch (tag) {
        case kImageWidth:
        case kImageLength:
        case kBitsPerSample:
        case kSamplesPerPixel:
        case kRowsPerStrip:
        case kTileWidth:
        case kTileLength:
            return true;
        default:
            return false;
    }
}

void Apply(quint16 tag, quint64 value, Layout& layout) {
    switch (tag) {
        case kImageWidth:
            layout.width = value;
            break;
        case kImageLength:
            layout.height = value;
            break;
        case kBitsPerSample:
            layout.bitsPerSample = value;
            break;
        case kSamplesPerPixel:
            layout.samplesPerPixel = value;
            break;
        case kRowsPerStrip:
            layout.rowsPerStrip = value;
            break;
        case kTileWidth:
            layout.tileWidth = value;
            break;
        case kTileLength:
            layout.tileLength = value;
            break;
        default:
            break;
    }
}

// In floating point, since hostile values multiply far past 64 bits; the
// result is only compared with limits of megabytes.
qint64 Bytes(quint64 pixelsPerRow, quint64 rows, const Layout& layout) {
    const double rowBytes = std::ceil(double(pixelsPerRow) * double(layout.samplesPerPixel) *
                                      double(std::max<quint64>(layout.bitsPerSample, 1)) / 8);
    constexpr double kHuge = double(qint64(1) << 62);
    return static_cast<qint64>(std::min(rowBytes * double(rows), kHuge));
}

}  // namespace

std::optional<qint64> TiffHeaderReader::stripBufferBytes(RegularImageFile& file) {
    uchar header[8];
    if (!file.seek(0) || file.read(reinterpret_cast<char*>(header), 8) != 8) {
        return std::nullopt;
    }
    const bool little = header[0] == 'I' && header[1] == 'I';
    const bool big = header[0] == 'M' && header[1] == 'M';
    if (!little && !big) {
        return std::nullopt;
    }
    const Directory directory(big);
    uchar count[2];
    if (directory.u16(header + 2) != 42 || !file.seek(directory.u32(header + 4)) ||
        file.read(reinterpret_cast<char*>(count), 2) != 2) {
        return std::nullopt;
    }
    Layout layout;
    for (int i = 0; i < directory.u16(count); ++i) {
        uchar entry[kEntrySize];
        if (file.read(reinterpret_cast<char*>(entry), kEntrySize) != kEntrySize) {
            return std::nullopt;
        }
        const quint16 tag = directory.u16(entry);
        if (!Decides(tag)) {
            continue;  // read no other entry's values, wherever they are
        }
        if (const std::optional<quint64> value = directory.firstValue(file, entry)) {
            Apply(tag, *value, layout);
        }
    }
    if (layout.tileWidth > 0 && layout.tileLength > 0) {
        return Bytes(layout.tileWidth, layout.tileLength, layout);
    }
    return Bytes(layout.width, std::min(layout.rowsPerStrip, layout.height), layout);
}

}  // namespace casewright
