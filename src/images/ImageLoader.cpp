#include "images/ImageLoader.h"

#include <FreeImage.h>

#include <QFile>
#include <QFileInfo>

#include "images/FreeImageBitmapConverter.h"
#include "images/GifHeaderReader.h"
#include "images/ImageFormatRule.h"

namespace {

// Larger pictures are refused before their pixels are decoded: a small file
// can announce a size whose decoding would exhaust the memory of the machine.
constexpr qint64 kMaxAnnouncedPixels = 200'000'000;

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

// Icons keep their transparent parts in a separate mask; without this flag the
// masked pixels would show as solid colour (usually black).
int loadFlags(FREE_IMAGE_FORMAT format) {
    return format == FIF_ICO ? ICO_MAKEALPHA : 0;
}

qint64 announcedPixels(FREE_IMAGE_FORMAT format, const QString& path, const QByteArray& native) {
    if (format == FIF_GIF) {
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

QImage LoadImageFile(const QString& path) {
    const FREE_IMAGE_FORMAT format = freeImageFormat(ImageFormatRule::formatForPath(path));
    if (format == FIF_UNKNOWN || !QFileInfo(path).isFile()) {
        return {};
    }
    const QByteArray native = QFile::encodeName(path);
    const qint64 pixels = announcedPixels(format, path, native);
    if (pixels <= 0 || pixels > kMaxAnnouncedPixels) {
        return {};
    }
    FIBITMAP* bitmap = FreeImage_Load(format, native.constData(), loadFlags(format));
    if (!bitmap) {
        return {};
    }
    QImage image = FreeImageBitmapConverter::toQImage(bitmap);
    FreeImage_Unload(bitmap);
    return image;
}
