#include "images/ImageLoader.h"

#include "images/FreeImageFileReader.h"

namespace casewright {

QImage LoadImageFile(const QString& path) {
    return FreeImageFileReader::read(path);
}

}  // namespace casewright
