#pragma once

#include <QImage>
#include <QString>

#include "images/ImageFileCheck.h"

namespace casewright {

// Reads an image file of the design into pixels, in the format its name
// gives (see ImageFormatRule). A null image when no format matches, the path
// is not a regular file, the file cannot be decoded, or decoding it would
// cost more than the loader allows (see ImageLimits).
QImage LoadImageFile(const QString& path);

// Whether LoadImageFile would draw the file, and if not, why. This decodes
// the file, JPEG files at a reduced scale, since a damaged file often shows
// only in its pixel data.
ImageFileCheck CheckImageFile(const QString& path);

}  // namespace casewright
