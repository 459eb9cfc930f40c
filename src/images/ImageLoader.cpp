#include "images/ImageLoader.h"

#include "images/FreeImageFileReader.h"

namespace casewright {

QImage LoadImageFile(const QString& path) {
    return FreeImageFileReader::read(path).image;
}

ImageFileCheck CheckImageFile(const QString& path) {
    // The decoder's errors do not depend on the scale it decodes at.
    ImageReadRequest request;
    request.atLeast = QSize(1, 1);
    return FreeImageFileReader::read(path, request).check;
}

}  // namespace casewright
