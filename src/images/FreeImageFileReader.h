#pragma once

#include <QImage>
#include <QString>

namespace casewright {

// Decodes an image file with FreeImage in the format the path's extension rule
// chooses. Pictures whose header announces more than kMaxPixels are refused
// before their pixels are decoded. A null image when nothing can be read.
class FreeImageFileReader {
public:
    static constexpr qint64 kMaxPixels = 200'000'000;

    // The whole picture.
    static QImage read(const QString& path);

    // For previews that are much smaller than the picture: JPEG files are
    // decoded at a reduced scale (1/2, 1/4 or 1/8) that keeps the longer side
    // at least `minimumSide` pixels; other formats are read whole.
    static QImage readReduced(const QString& path, int minimumSide);

private:
    static QImage readWithJpegSize(const QString& path, int jpegRequestedSide);
};

}  // namespace casewright
