#pragma once

#include <QImage>
#include <QString>

namespace casewright {

// Reads an image file of the design into pixels. The format is chosen from
// the upper-cased path: ".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF", ".GIF",
// ".ICO" tested in that order anywhere in the path, the last match deciding.
// A null image when no rule matches or the file cannot be decoded.
QImage LoadImageFile(const QString& path);

}  // namespace casewright
