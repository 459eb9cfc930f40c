#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace casewright {

class CoverDocument;
class CoverFileSections;

// The cover file fields that keep each picture's placement. They follow the
// 52 fields, before "[END]", as the charset field does, so other readers of
// the format, which look fields up by tag, pass over them. A picture that is
// stretched, as every picture was before placements existed, writes none of
// them, so such a design keeps the bytes it always had; a file without them
// reads as stretched everywhere.
namespace ImagePlacementFields {

// Every key, "fImagePlacement", "fImageCropX", "fImageCropY", ... for the
// four pictures in image block order.
const QStringList& Keys();

// The fields to write for the design, key and value, in file order.
QVector<QPair<QString, QString>> Written(const CoverDocument& doc);

// Sets every picture's placement from the file: stretched where the fields
// are missing or hold an unknown word; crops kept within their range.
void Apply(CoverDocument& doc, const CoverFileSections& sections);

}  // namespace ImagePlacementFields

}  // namespace casewright
