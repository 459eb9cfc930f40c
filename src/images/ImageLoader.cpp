#include "images/ImageLoader.h"

#include "images/FreeImageFileReader.h"

QImage LoadImageFile(const QString& path) {
    return FreeImageFileReader::read(path);
}
