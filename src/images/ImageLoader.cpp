#include "images/ImageLoader.h"

// Placeholder until the FreeImage loader lands.
QImage LoadImageFile(const QString& path) {
    return QImage(path);
}
