#include "images/FreeImageFileReader.h"

#include <FreeImage.h>

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "images/FreeImageBitmapConverter.h"
#include "images/GifHeaderReader.h"
#include "images/ImageFormatRule.h"

namespace casewright {

namespace {

FREE_IMAGE_FORMAT freeImageFormat(ImageFileFormat format) {
    switch (format) {
        case ImageFileFormat::Jpeg:
            return FIF_JPEG;
        case ImageFileFormat::Png:
            return FIF_PNG;
        case ImageFileFormat::Bmp:
            return FIF_BMP;
        case ImageFileFormat::Tiff:
            return FIF_TIFF;
        case ImageFileFormat::Gif:
            return FIF_GIF;
        case ImageFileFormat::Ico:
            return FIF_ICO;
        case ImageFileFormat::None:
            break;
    }
    return FIF_UNKNOWN;
}

// Icons keep their transparent parts in a separate mask; without
// ICO_MAKEALPHA the masked pixels would show as solid colour (usually black).
// The JPEG decoder takes a requested size in the upper half of its flags.
int loadFlags(FREE_IMAGE_FORMAT format, int jpegRequestedSide) {
    if (format == FIF_ICO) {
        return ICO_MAKEALPHA;
    }
    if (format == FIF_JPEG && jpegRequestedSide > 0) {
        return jpegRequestedSide << 16;
    }
    return 0;
}

// The size the file's header announces, in pixels; -1 when it cannot be read.
qint64 announcedPixels(FREE_IMAGE_FORMAT format, const QString& path, const QByteArray& native) {
    if (format == FIF_GIF) {
        // The GIF decoder cannot read a header alone.
        const std::optional<QSize> size = GifHeaderReader::announcedSize(path);
        return size ? qint64(size->width()) * size->height() : -1;
    }
    FIBITMAP* header = FreeImage_Load(format, native.constData(), FIF_LOAD_NOPIXELS);
    if (!header) {
        return -1;
    }
    const qint64 pixels = qint64(FreeImage_GetWidth(header)) * FreeImage_GetHeight(header);
    FreeImage_Unload(header);
    return pixels;
}

}  // namespace

QImage FreeImageFileReader::read(const QString& path) {
    return readWithJpegSize(path, 0);
}

QImage FreeImageFileReader::readReduced(const QString& path, int minimumSide) {
    return readWithJpegSize(path, std::max(minimumSide, 1));
}

QImage FreeImageFileReader::readWithJpegSize(const QString& path, int jpegRequestedSide) {
    const FREE_IMAGE_FORMAT format = freeImageFormat(ImageFormatRule::formatForPath(path));
    if (format == FIF_UNKNOWN || !QFileInfo(path).isFile()) {
        return {};
    }
    const QByteArray native = QFile::encodeName(path);
    const qint64 pixels = announcedPixels(format, path, native);
    if (pixels <= 0 || pixels > kMaxPixels) {
        return {};
    }
    FIBITMAP* bitmap =
        FreeImage_Load(format, native.constData(), loadFlags(format, jpegRequestedSide));
    if (!bitmap) {
        return {};
    }
    QImage image = FreeImageBitmapConverter::toQImage(bitmap);
    FreeImage_Unload(bitmap);
    return image;
}

}  // namespace casewright
