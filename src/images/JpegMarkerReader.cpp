#include "images/JpegMarkerReader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "images/ImageLimits.h"
#include "images/RegularImageFile.h"

namespace casewright {

namespace {

constexpr int kMarkerStart = 0xFF;
constexpr int kStartOfImage = 0xD8;
constexpr int kEndOfImage = 0xD9;
constexpr int kStartOfScan = 0xDA;
constexpr int kBytesPerBlock = 64 * 2;  // 64 coefficients of 16 bits

bool isStandalone(int marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// Start-of-frame markers of every coding process; C4, C8 and CC are others.
bool isStartOfFrame(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

qint64 roundUp(qint64 value, qint64 multiple) {
    return (value + multiple - 1) / multiple * multiple;
}

// Buffered bytes of the file; entropy-coded data is skipped a buffer at a time.
class ByteStream {
public:
    explicit ByteStream(RegularImageFile& file) : file_(file) {}

    std::optional<int> next() {
        if (pos_ == length_ && !refill()) {
            return std::nullopt;
        }
        return static_cast<uchar>(buffer_[pos_++]);
    }

    bool skip(qint64 count) {
        const qint64 buffered = std::min<qint64>(count, length_ - pos_);
        pos_ += static_cast<int>(buffered);
        count -= buffered;
        if (count == 0) {
            return true;
        }
        const qint64 target = file_.pos() + count;
        pos_ = length_ = 0;
        return file_.seek(target);
    }

    // Moves past entropy-coded data to the next marker and returns its code.
    // Stuffed zero bytes and restart markers belong to the data.
    std::optional<int> skipEntropyData() {
        for (;;) {
            const char* start = buffer_.data() + pos_;
            const void* found =
                std::memchr(start, kMarkerStart, static_cast<size_t>(length_ - pos_));
            if (!found) {
                pos_ = length_;
                if (!refill()) {
                    return std::nullopt;
                }
                continue;
            }
            pos_ += static_cast<int>(static_cast<const char*>(found) - start) + 1;
            std::optional<int> code = next();
            while (code && *code == kMarkerStart) {
                code = next();
            }
            if (!code) {
                return std::nullopt;
            }
            if (*code != 0x00 && !(*code >= 0xD0 && *code <= 0xD7)) {
                return code;
            }
        }
    }

    bool readInto(uchar* out, int count) {
        for (int i = 0; i < count; ++i) {
            const std::optional<int> byte = next();
            if (!byte) {
                return false;
            }
            out[i] = static_cast<uchar>(*byte);
        }
        return true;
    }

private:
    bool refill() {
        pos_ = 0;
        length_ = static_cast<int>(file_.read(buffer_.data(), qint64(buffer_.size())));
        return length_ > 0;
    }

    RegularImageFile& file_;
    std::array<char, 64 * 1024> buffer_{};
    int pos_ = 0;
    int length_ = 0;
};

std::optional<int> segmentLength(ByteStream& bytes) {
    uchar length[2];
    if (!bytes.readInto(length, 2)) {
        return std::nullopt;
    }
    const int value = (length[0] << 8) | length[1];
    return value >= 2 ? std::optional<int>(value - 2) : std::nullopt;
}

// The marker after the current position, past any fill bytes; bytes that are
// not a marker are skipped, as decoders do.
std::optional<int> nextMarker(ByteStream& bytes) {
    std::optional<int> byte = bytes.next();
    while (byte && *byte != kMarkerStart) {
        byte = bytes.next();
    }
    while (byte && *byte == kMarkerStart) {
        byte = bytes.next();
    }
    return byte;
}

bool readFrame(ByteStream& bytes, int length, JpegStructure& structure) {
    std::vector<uchar> payload(static_cast<size_t>(length));
    if (length < 6 || !bytes.readInto(payload.data(), length)) {
        return false;
    }
    structure.height = (payload[1] << 8) | payload[2];
    structure.width = (payload[3] << 8) | payload[4];
    const int count = payload[5];
    if (count == 0 || length < 6 + 3 * count) {
        return false;
    }
    for (int c = 0; c < count; ++c) {
        const uchar id = payload[static_cast<size_t>(6 + 3 * c)];
        const uchar sampling = payload[static_cast<size_t>(7 + 3 * c)];
        structure.components.push_back(
            {id, std::max(1, sampling >> 4), std::max(1, sampling & 0x0F)});
    }
    return true;
}

// Reads a scan header and adds the blocks of the components it names.
bool readScan(ByteStream& bytes, int length, JpegStructure& structure) {
    std::vector<uchar> payload(static_cast<size_t>(length));
    if (length < 1 || !bytes.readInto(payload.data(), length)) {
        return false;
    }
    const int count = std::min<int>(payload[0], (length - 1) / 2);
    for (int c = 0; c < count; ++c) {
        const int id = payload[static_cast<size_t>(1 + 2 * c)];
        for (const JpegStructure::Component& component : structure.components) {
            if (component.id == id) {
                structure.blockPasses += structure.blocksOf(component);
            }
        }
    }
    ++structure.scans;
    return true;
}

}  // namespace

qint64 JpegStructure::blocksOf(const Component& component) const {
    int maxH = 1;
    int maxV = 1;
    for (const Component& c : components) {
        maxH = std::max(maxH, c.horizontalSampling);
        maxV = std::max(maxV, c.verticalSampling);
    }
    const qint64 wide = (qint64(width) * component.horizontalSampling + 8 * maxH - 1) / (8 * maxH);
    const qint64 high = (qint64(height) * component.verticalSampling + 8 * maxV - 1) / (8 * maxV);
    return roundUp(wide, component.horizontalSampling) * roundUp(high, component.verticalSampling);
}

qint64 JpegStructure::coefficientBufferBytes() const {
    if (scans <= 1) {
        return 0;
    }
    qint64 blocks = 0;
    for (const Component& c : components) {
        blocks += blocksOf(c);
    }
    return blocks * kBytesPerBlock;
}

bool JpegStructure::exceeds(const ImageLimits& limits) const {
    return scans > limits.maxJpegScans || blockPasses > limits.maxJpegBlockPasses;
}

std::optional<JpegStructure> JpegMarkerReader::read(RegularImageFile& file,
                                                    const ImageLimits& limits) {
    if (!file.seek(0)) {
        return std::nullopt;
    }
    ByteStream bytes(file);
    if (bytes.next() != kMarkerStart || bytes.next() != kStartOfImage) {
        return std::nullopt;
    }
    JpegStructure structure;
    bool haveFrame = false;
    std::optional<int> marker = nextMarker(bytes);
    while (marker && *marker != kEndOfImage) {
        if (isStandalone(*marker) || *marker == kStartOfImage) {
            marker = nextMarker(bytes);
            continue;
        }
        const std::optional<int> length = segmentLength(bytes);
        if (!length) {
            break;
        }
        if (isStartOfFrame(*marker) && !haveFrame) {
            if (!readFrame(bytes, *length, structure)) {
                return std::nullopt;
            }
            haveFrame = true;
            marker = nextMarker(bytes);
        } else if (*marker == kStartOfScan) {
            if (!haveFrame) {
                return std::nullopt;
            }
            if (!readScan(bytes, *length, structure) || structure.exceeds(limits)) {
                break;
            }
            marker = bytes.skipEntropyData();
        } else {
            if (!bytes.skip(*length)) {
                break;
            }
            marker = nextMarker(bytes);
        }
    }
    if (!haveFrame) {
        return std::nullopt;
    }
    return structure;
}

}  // namespace casewright
