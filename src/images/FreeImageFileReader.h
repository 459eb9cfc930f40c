#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

#include "images/ImageFileCheck.h"
#include "images/ImageLimits.h"

namespace casewright {

// How much of a picture a caller needs.
struct ImageReadRequest {
    // Empty: the whole picture. Otherwise a JPEG file may be decoded at a
    // reduced scale (1/2, 1/4 or 1/8) that keeps it at least this large in
    // both directions, which is several times faster...
    QSize atLeast;
    // ...when the picture has more pixels than this.
    qint64 reduceAbovePixels = 0;
    ImageLimits limits;
};

struct ImageReadResult {
    QImage image;          // null when the file cannot be drawn
    ImageFileCheck check;  // and then why
    QSize fullSize;        // the picture's own size, when its header was read
    // Smaller than a read of the whole picture would give, because the
    // request allowed it.
    bool reducedForRequest = false;
};

// Decodes an image file with FreeImage in the format the path's extension rule
// chooses, reading only regular files. What the header announces is checked
// against the limits before any pixel is decoded: the picture's size, the
// memory decoding takes and, for JPEG files, the number of scans. A JPEG file
// that would take too much memory whole is decoded at the largest reduced
// scale that fits; any other file that would is refused.
class FreeImageFileReader {
public:
    static ImageReadResult read(const QString& path, const ImageReadRequest& request = {});
    // The same for a picture held in memory, in the format `nameForFormat`
    // (the path it was stored under) gives.
    static ImageReadResult readBytes(QByteArrayView bytes, const QString& nameForFormat,
                                     const ImageReadRequest& request = {});

    // For previews that are much smaller than the picture, such as thumbnails.
    static QImage readReduced(const QString& path, int minimumSide);
};

}  // namespace casewright
