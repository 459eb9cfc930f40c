#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace casewright {

// Takes texts out of an image file without touching what it shows: the
// text and Exif chunks of a PNG (tEXt, zTXt, iTXt, eXIf) and the comment,
// Exif/XMP and IPTC segments of a JPEG (COM, APP1, APP13) that hold one of
// the given strings are dropped, as are bytes after the image's end that
// hold one. Everything else is copied byte for byte.
namespace ImageMetadataScrub {

// The bytes with those pieces removed, or nothing when the data is neither
// a well-formed PNG nor a JPEG, or when a string still occurs in what is
// left (for instance inside the compressed pixels).
std::optional<QByteArray> withoutStrings(const QByteArray& data, const QList<QByteArray>& strings);

}  // namespace ImageMetadataScrub

}  // namespace casewright
