#include "document/ImageMetadataScrub.h"

#include <QByteArrayView>

namespace casewright {

namespace ImageMetadataScrub {

namespace {

bool HoldsAny(QByteArrayView bytes, const QList<QByteArray>& strings) {
    for (const QByteArray& s : strings) {
        if (bytes.indexOf(s) >= 0) {
            return true;
        }
    }
    return false;
}

quint32 BigEndian32(QByteArrayView bytes, qsizetype at) {
    quint32 value = 0;
    for (int i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

quint32 BigEndian16(QByteArrayView bytes, qsizetype at) {
    return (quint32(static_cast<unsigned char>(bytes.at(at))) << 8) |
           static_cast<unsigned char>(bytes.at(at + 1));
}

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

bool IsPngTextChunk(QByteArrayView type) {
    return type == "tEXt" || type == "zTXt" || type == "iTXt" || type == "eXIf";
}

// PNG: signature, then chunks of length, type, data and CRC up to IEND.
std::optional<QByteArray> ScrubPng(QByteArrayView data, const QList<QByteArray>& strings) {
    QByteArray kept = kPngSignature;
    qsizetype at = kPngSignature.size();
    while (true) {
        if (data.size() - at < 12) {
            return std::nullopt;
        }
        const quint32 length = BigEndian32(data, at);
        if (length > quint32(data.size() - at - 12)) {
            return std::nullopt;
        }
        const QByteArrayView chunk = data.sliced(at, 12 + qsizetype(length));
        const QByteArrayView type = chunk.sliced(4, 4);
        if (!(IsPngTextChunk(type) && HoldsAny(chunk, strings))) {
            kept += chunk;
        }
        at += chunk.size();
        if (type == "IEND") {
            break;
        }
    }
    const QByteArrayView trailer = data.sliced(at);
    if (!HoldsAny(trailer, strings)) {
        kept += trailer;
    }
    return kept;
}

bool IsJpegTextSegment(unsigned char marker) {
    return marker == 0xFE || marker == 0xE1 || marker == 0xED;  // COM, APP1, APP13
}

// JPEG: the segments before the first scan; the scan and what follows it
// are kept whole.
std::optional<QByteArray> ScrubJpeg(QByteArrayView data, const QList<QByteArray>& strings) {
    QByteArray kept = data.first(2).toByteArray();
    qsizetype at = 2;
    while (true) {
        if (data.size() - at < 2 || static_cast<unsigned char>(data.at(at)) != 0xFF) {
            return std::nullopt;
        }
        const auto marker = static_cast<unsigned char>(data.at(at + 1));
        if (marker == 0xFF) {  // fill byte
            kept += char(0xFF);
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) {  // start of scan, end of image
            kept += data.sliced(at);
            return kept;
        }
        if (data.size() - at < 4) {
            return std::nullopt;
        }
        const quint32 length = BigEndian16(data, at + 2);
        if (length < 2 || length > quint32(data.size() - at - 2)) {
            return std::nullopt;
        }
        const QByteArrayView segment = data.sliced(at, 2 + qsizetype(length));
        if (!(IsJpegTextSegment(marker) && HoldsAny(segment, strings))) {
            kept += segment;
        }
        at += segment.size();
    }
}

}  // namespace

std::optional<QByteArray> withoutStrings(const QByteArray& data, const QList<QByteArray>& strings) {
    std::optional<QByteArray> scrubbed;
    if (data.startsWith(kPngSignature)) {
        scrubbed = ScrubPng(data, strings);
    } else if (data.startsWith("\xFF\xD8")) {
        scrubbed = ScrubJpeg(data, strings);
    }
    if (!scrubbed || HoldsAny(*scrubbed, strings)) {
        return std::nullopt;
    }
    return scrubbed;
}

}  // namespace ImageMetadataScrub

}  // namespace casewright
