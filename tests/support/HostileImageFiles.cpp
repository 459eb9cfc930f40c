#include "support/HostileImageFiles.h"

#include <sys/stat.h>

#include <QFile>
#include <QtEndian>

namespace casewright {

namespace HostileImageFiles {

namespace {

// Complete pixel data is written only for pictures up to this many bytes.
constexpr qint64 kCompleteDataBytes = 16 * 1024 * 1024;

void appendLittle16(QByteArray& bytes, quint32 value) {
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}
void appendLittle32(QByteArray& bytes, quint32 value) {
    appendLittle16(bytes, value & 0xFFFF);
    appendLittle16(bytes, value >> 16);
}
void appendBig16(QByteArray& bytes, quint32 value) {
    bytes.append(char((value >> 8) & 0xFF)).append(char(value & 0xFF));
}
void appendBig32(QByteArray& bytes, quint32 value) {
    appendBig16(bytes, value >> 16);
    appendBig16(bytes, value & 0xFFFF);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void appendPngChunk(QByteArray& bytes, const char* type, const QByteArray& data) {
    const QByteArray typed = QByteArray(type) + data;
    appendBig32(bytes, static_cast<quint32>(data.size()));
    bytes.append(typed);
    appendBig32(bytes, crc32(typed));
}

// A JPEG segment: marker, length, payload.
void appendSegment(QByteArray& bytes, int marker, const QByteArray& payload) {
    bytes.append(char(0xFF)).append(char(marker));
    appendBig16(bytes, static_cast<quint32>(payload.size() + 2));
    bytes.append(payload);
}

// A Huffman table holding one symbol, coded as the single bit 0.
QByteArray oneSymbolTable(int tableClass, char symbol) {
    QByteArray table(1, char(tableClass << 4));
    table.append(char(1)).append(QByteArray(15, '\0')).append(symbol);
    return table;
}

QByteArray jpegStart(int marker, int width, int height, int components) {
    QByteArray bytes("\xFF\xD8", 2);
    appendSegment(bytes, 0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame(1, char(8));
    appendBig16(frame, static_cast<quint32>(height));
    appendBig16(frame, static_cast<quint32>(width));
    frame.append(char(components));
    for (int c = 1; c <= components; ++c) {
        frame.append(char(c)).append(char(0x11)).append('\0');
    }
    appendSegment(bytes, marker, frame);
    return bytes;
}

}  // namespace

QByteArray bitmapClaiming(quint32 width, quint32 height) {
    QByteArray bytes("BM");
    appendLittle32(bytes, 54 + 16);
    appendLittle32(bytes, 0);
    appendLittle32(bytes, 54);
    appendLittle32(bytes, 40);
    appendLittle32(bytes, width);
    appendLittle32(bytes, height);
    appendLittle16(bytes, 1);
    appendLittle16(bytes, 24);
    for (int field = 0; field < 6; ++field) {
        appendLittle32(bytes, 0);
    }
    return bytes.append(QByteArray(16, '\x7F'));
}

QByteArray png(quint32 width, quint32 height, int bitDepth, int colourType) {
    const int channels = colourType == 6 ? 4 : colourType == 2 ? 3 : 1;
    const qint64 rowBytes = 1 + qint64(width) * channels * bitDepth / 8;
    const qint64 rows = rowBytes * height <= kCompleteDataBytes ? height : 4;
    QByteArray header;
    appendBig32(header, width);
    appendBig32(header, height);
    header.append(char(bitDepth)).append(char(colourType)).append(QByteArray(3, '\0'));
    QByteArray bytes("\x89PNG\r\n\x1A\n", 8);
    appendPngChunk(bytes, "IHDR", header);
    // qCompress puts the length in front of the zlib stream.
    appendPngChunk(bytes, "IDAT", qCompress(QByteArray(rowBytes * rows, '\0')).mid(4));
    appendPngChunk(bytes, "IEND", QByteArray());
    return bytes;
}

QByteArray gifFrameClaiming(quint16 width, quint16 height) {
    QByteArray bytes("GIF89a");
    appendLittle16(bytes, 16);
    appendLittle16(bytes, 16);
    bytes.append("\x00\x00\x00", 3);
    bytes.append(
        "\x21\xFE\x03"
        "abc"
        "\x00",
        7);  // a comment before the frame
    bytes.append('\x2C');
    appendLittle32(bytes, 0);
    appendLittle16(bytes, width);
    appendLittle16(bytes, height);
    bytes.append("\x00\x02\x02\x4C\x01\x00\x3B", 7);
    return bytes;
}

QByteArray floatTiff(quint32 width, quint32 height) {
    const qint64 fullStrip = qint64(width) * height * 3 * 4;
    const qint64 stripBytes = fullStrip <= kCompleteDataBytes ? fullStrip : 4096;
    struct Entry {
        quint16 tag, type;
        quint32 count, value;
    };
    const quint32 arrays = 8;              // bits per sample, then sample formats
    const quint32 strip = arrays + 2 * 6;  // three shorts each
    const quint32 directory = strip + static_cast<quint32>(stripBytes);
    const Entry entries[] = {
        {256, 4, 1, width}, {257, 4, 1, height},     {258, 3, 3, arrays},
        {259, 3, 1, 1},     {262, 3, 1, 2},          {273, 4, 1, strip},
        {277, 3, 1, 3},     {278, 4, 1, height},     {279, 4, 1, quint32(stripBytes)},
        {284, 3, 1, 1},     {339, 3, 3, arrays + 6},
    };
    QByteArray bytes("II*\0", 4);
    appendLittle32(bytes, directory);
    for (int i = 0; i < 3; ++i) {
        appendLittle16(bytes, 32);
    }
    for (int i = 0; i < 3; ++i) {
        appendLittle16(bytes, 3);  // floating point
    }
    bytes.append(QByteArray(stripBytes, '\0'));
    appendLittle16(bytes, sizeof(entries) / sizeof(entries[0]));
    for (const Entry& entry : entries) {
        appendLittle16(bytes, entry.tag);
        appendLittle16(bytes, entry.type);
        appendLittle32(bytes, entry.count);
        appendLittle32(bytes, entry.value);  // a short value sits in the low half
    }
    appendLittle32(bytes, 0);
    return bytes;
}

QByteArray tiffOfSamples(quint32 width, quint32 height, quint16 samples, int bits) {
    const qint64 fullStrip = qint64(width) * height * samples * bits / 8;
    const qint64 stripBytes = fullStrip <= kCompleteDataBytes ? fullStrip : 4096;
    const quint32 strip = 8;
    const quint32 entries[][4] = {
        {256, 4, 1, width},   {257, 4, 1, height}, {258, 3, 1, quint32(bits)},
        {259, 3, 1, 1},       {262, 3, 1, 1},      {273, 4, 1, strip},
        {277, 3, 1, samples}, {278, 4, 1, height}, {279, 4, 1, quint32(stripBytes)},
    };
    QByteArray bytes("II*\0", 4);
    appendLittle32(bytes, strip + static_cast<quint32>(stripBytes));
    bytes.append(QByteArray(stripBytes, '\x40'));
    appendLittle16(bytes, sizeof(entries) / sizeof(entries[0]));
    for (const auto& entry : entries) {
        appendLittle16(bytes, entry[0]);
        appendLittle16(bytes, entry[1]);
        appendLittle32(bytes, entry[2]);
        appendLittle32(bytes, entry[3]);  // a short value sits in the low half
    }
    appendLittle32(bytes, 0);
    return bytes;
}

QByteArray iconHolding(const QByteArray& pngFile) {
    QByteArray bytes;
    appendLittle16(bytes, 0);
    appendLittle16(bytes, 1);
    appendLittle16(bytes, 1);
    bytes.append(QByteArray(4, '\0'));  // 256 × 256, no palette
    appendLittle16(bytes, 1);
    appendLittle16(bytes, 32);
    appendLittle32(bytes, static_cast<quint32>(pngFile.size()));
    appendLittle32(bytes, 6 + 16);
    return bytes + pngFile;
}

QByteArray progressiveJpeg(int width, int height, int scans) {
    QByteArray bytes = jpegStart(0xC2, width, height, 1);
    // End-of-band runs of 16384 blocks, read from the zero bits the decoder
    // supplies when a scan has no data.
    appendSegment(bytes, 0xC4, oneSymbolTable(1, '\xE0'));
    const QByteArray acScan("\x01\x01\x00\x01\x3F\x00", 6);
    for (int scan = 0; scan < scans; ++scan) {
        appendSegment(bytes, 0xDA, acScan);
    }
    return bytes.append("\xFF\xD9", 2);
}

QByteArray flatJpeg(int width, int height, int components) {
    QByteArray bytes = jpegStart(0xC0, width, height, components);
    appendSegment(bytes, 0xC4, oneSymbolTable(0, '\0'));  // DC difference 0
    appendSegment(bytes, 0xC4, oneSymbolTable(1, '\0'));  // end of block
    QByteArray scan(1, char(components));
    for (int c = 1; c <= components; ++c) {
        scan.append(char(c)).append('\0');
    }
    scan.append("\x00\x3F\x00", 3);
    appendSegment(bytes, 0xDA, scan);
    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8) * components;
    bytes.append(QByteArray((blocks * 2 + 7) / 8, '\0'));
    return bytes.append("\xFF\xD9", 2);
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool makeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

}  // namespace HostileImageFiles

}  // namespace casewright
