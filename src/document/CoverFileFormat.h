#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace casewright {

// Fixed names and texts of the cover file format (extension ".jkt").
namespace CoverFileFormat {

constexpr int kImageBlockCount = 4;

// Larger files are refused by the reader, so the writer refuses designs that
// would make one: no real design comes near it.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

// Image blocks in file order: front cover, back cover, the image stretched
// over a whole DVD cover, disc.
enum ImageBlock { FrontBlock = 0, BackBlock = 1, StretchBlock = 2, DiscBlock = 3 };

inline QByteArray BeginTag() {
    return QByteArrayLiteral("[BEGIN]");
}
inline QByteArray EndTag() {
    return QByteArrayLiteral("[END]");
}
inline QByteArray ImageStartMarker(int block) {
    return "[IMAGE" + QByteArray::number(block + 1) + "]";
}
inline QByteArray ImageEndMarker(int block) {
    return "[ENDIMAGE" + QByteArray::number(block + 1) + "]";
}
// The eight markers, "[IMAGE1]", "[ENDIMAGE1]", ... "[ENDIMAGE4]".
const QList<QByteArray>& ImageMarkers();

// Texts that Windows-1252 cannot hold are written as UTF-8, announced by this
// extra field just before "[END]". Readers look fields up by tag, so other
// readers of the format are not disturbed by it.
inline QLatin1String CharsetKey() {
    return QLatin1String("charset");
}
inline QString Utf8CharsetName() {
    return QStringLiteral("UTF-8");
}

// Every tag the format knows: "[BEGIN]", "[END]", the opening and closing
// tag of each field and of the extra fields before "[END]", and the eight
// image markers.
const QStringList& AllTags();

// Base names of the files the image blocks are extracted to on loading.
inline QString TemporaryImageBaseName(int block) {
    static const std::array<const char*, kImageBlockCount> names = {"tmpfront", "tmpback",
                                                                    "tmpstretch", "tmpdisc"};
    return QString::fromLatin1(names.at(block));
}

// The message the designer window shows for a file that is not a cover file.
QString InvalidFileCaption();
QString InvalidFileMessage();

// What the picture of an image block is called in messages ("front cover").
QString ImageBlockName(int block);

}  // namespace CoverFileFormat

}  // namespace casewright
