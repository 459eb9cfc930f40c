#include "images/FreeImageFileReader.h"

#include <FreeImage.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "images/DecodingFootprint.h"
#include "images/FreeImageBitmapConverter.h"
#include "images/GifHeaderReader.h"
#include "images/IconHeaderReader.h"
#include "images/ImageFormatRule.h"
#include "images/JpegMarkerReader.h"
#include "images/PngChunkReader.h"
#include "images/RegularImageFile.h"
#include "images/TiffHeaderReader.h"

namespace casewright {

namespace {

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using OwnedBitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

constexpr int kJpegScales[] = {1, 2, 4, 8};

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

// The decoder reads through the file already opened and checked, never by
// name, with a file's semantics whether its bytes are on a disk or in memory.
RegularImageFile& fileOf(fi_handle handle) {
    return *static_cast<RegularImageFile*>(handle);
}
unsigned DLL_CALLCONV readStream(void* buffer, unsigned size, unsigned count, fi_handle handle) {
    if (size == 0) {
        return 0;
    }
    const qint64 bytes = fileOf(handle).read(static_cast<char*>(buffer), qint64(size) * count);
    return static_cast<unsigned>(bytes / size);
}
unsigned DLL_CALLCONV writeNothing(void*, unsigned, unsigned, fi_handle) {
    return 0;
}
int DLL_CALLCONV seekStream(fi_handle handle, long offset, int origin) {
    RegularImageFile& file = fileOf(handle);
    const qint64 base = origin == SEEK_CUR ? file.pos() : origin == SEEK_END ? file.size() : 0;
    return base >= 0 && file.seek(base + offset) ? 0 : -1;
}
long DLL_CALLCONV tellStream(fi_handle handle) {
    return static_cast<long>(fileOf(handle).pos());
}

OwnedBitmap load(FREE_IMAGE_FORMAT format, RegularImageFile& file, int flags) {
    if (!file.seek(0)) {
        return nullptr;
    }
    FreeImageIO io{readStream, writeNothing, seekStream, tellStream};
    return OwnedBitmap(FreeImage_LoadFromHandle(format, &io, &file, flags));
}

// What the header announces, in the terms of the bitmap the decoder will make.
struct Header {
    QSize size;
    FREE_IMAGE_TYPE type = FIT_BITMAP;
    int bitsPerPixel = 0;
};

std::optional<Header> readFreeImageHeader(FREE_IMAGE_FORMAT format, RegularImageFile& file) {
    if (format == FIF_GIF) {
        // The GIF decoder cannot read a header alone; it makes a palette
        // bitmap of at most 8 bits.
        const std::optional<QSize> size = GifHeaderReader::announcedSize(file);
        return size ? std::optional<Header>(Header{*size, FIT_BITMAP, 8}) : std::nullopt;
    }
    const OwnedBitmap header = load(format, file, FIF_LOAD_NOPIXELS);
    if (!header) {
        return std::nullopt;
    }
    Header result{QSize(static_cast<int>(FreeImage_GetWidth(header.get())),
                        static_cast<int>(FreeImage_GetHeight(header.get()))),
                  FreeImage_GetImageType(header.get()),
                  static_cast<int>(FreeImage_GetBPP(header.get()))};
    if (format == FIF_ICO) {
        result.bitsPerPixel = 32;  // the mask is turned into an alpha channel
    }
    return result;
}

// The JPEG decoder reads a multi-scan file whole even when asked for its
// header alone, so its header comes from the markers. Grey files decode to
// 8 bits, all others (CMYK ones too) to 24.
Header jpegHeader(const JpegStructure& jpeg) {
    return Header{QSize(jpeg.width, jpeg.height), FIT_BITMAP, jpeg.components.size() == 1 ? 8 : 24};
}

int standardBitsFor(FREE_IMAGE_TYPE type) {
    switch (type) {
        case FIT_BITMAP:
            return 0;
        case FIT_RGB16:
        case FIT_RGBF:
            return 24;
        case FIT_RGBA16:
        case FIT_RGBAF:
            return 32;
        default:
            return 8;
    }
}

int scaledSide(int side, int scale) {
    return (side + scale - 1) / scale;
}

DecodingFootprint footprintAt(const Header& header, int scale, qint64 workingBytes) {
    return DecodingFootprint{scaledSide(header.size.width(), scale),
                             scaledSide(header.size.height(), scale), header.bitsPerPixel,
                             standardBitsFor(header.type), workingBytes};
}

// The largest JPEG scale that still gives at least the requested size.
int largestScaleKeeping(QSize full, QSize atLeast) {
    for (int scale : {8, 4, 2}) {
        if (scaledSide(full.width(), scale) >= atLeast.width() &&
            scaledSide(full.height(), scale) >= atLeast.height()) {
            return scale;
        }
    }
    return 1;
}

// Icons keep their transparent parts in a separate mask; without
// ICO_MAKEALPHA the masked pixels would show as solid colour (usually black).
// The JPEG decoder takes a requested size in the upper half of its flags and
// divides by the largest scale whose result still reaches it.
int loadFlags(FREE_IMAGE_FORMAT format, const Header& header, int scale) {
    if (format == FIF_ICO) {
        return ICO_MAKEALPHA;
    }
    if (format == FIF_JPEG && scale > 1) {
        return (std::max(header.size.width(), header.size.height()) / scale) << 16;
    }
    return 0;
}

// Turns the decoder's bitmap into the drawing image, letting go of each
// bitmap as soon as the next form exists.
QImage toDrawingImage(OwnedBitmap bitmap) {
    if (FreeImage_GetImageType(bitmap.get()) != FIT_BITMAP) {
        bitmap = OwnedBitmap(FreeImageBitmapConverter::toStandardBitmap(bitmap.get()));
        if (!bitmap) {
            return QImage();
        }
    }
    return FreeImageBitmapConverter::toQImage(bitmap.get());
}

// One read of one file: the checks from its name and header, then decoding.
class Reading {
public:
    template <typename Source>
    Reading(const QString& nameForFormat, const Source& source, const ImageReadRequest& request)
        : request_(request),
          imageFormat_(ImageFormatRule::formatForPath(nameForFormat)),
          format_(freeImageFormat(imageFormat_)),
          file_(source) {}

    ImageReadResult run() {
        if (const std::optional<ImageFileCheck> refusal = readHeader()) {
            return refuse(*refusal);
        }
        if (const std::optional<ImageFileCheck> refusal = checkLimits()) {
            return refuse(*refusal);
        }
        OwnedBitmap bitmap = load(format_, file_, loadFlags(format_, header_, scale_));
        result_.image = bitmap ? toDrawingImage(std::move(bitmap)) : QImage();
        if (result_.image.isNull()) {
            return refuse(ImageFileCheck::undecodable(imageFormat_));
        }
        return result_;
    }

private:
    std::optional<ImageFileCheck> readHeader() {
        if (imageFormat_ == ImageFileFormat::None) {
            return ImageFileCheck::unknownFormat();
        }
        if (!file_.isOpen()) {
            return file_.openCheck();
        }
        std::optional<Header> header;
        if (format_ == FIF_JPEG) {
            const std::optional<JpegStructure> jpeg =
                JpegMarkerReader::read(file_, request_.limits);
            if (jpeg && jpeg->exceeds(request_.limits)) {
                return ImageFileCheck::tooManyScans();
            }
            if (jpeg) {
                header = jpegHeader(*jpeg);
                workingBytes_ = jpeg->coefficientBufferBytes();
            }
        } else if (headerChecked()) {
            header = readFreeImageHeader(format_, file_);
        }
        if (!header || header->size.isEmpty()) {
            return ImageFileCheck::undecodable(imageFormat_);
        }
        header_ = *header;
        result_.fullSize = header_.size;
        return std::nullopt;
    }

    // The checks of formats whose decoder trusts what a header announces
    // further than its limits do.
    bool headerChecked() {
        switch (format_) {
            case FIF_ICO:
                return IconHeaderReader::firstPictureIsSound(file_);
            case FIF_PNG:
                return PngChunkReader::chunksFitInFile(file_);
            default:
                return true;
        }
    }

    std::optional<ImageFileCheck> checkLimits() {
        const ImageLimits& limits = request_.limits;
        if (qint64(header_.size.width()) * header_.size.height() > limits.maxPixels) {
            return ImageFileCheck::tooManyPixels(header_.size, limits.maxPixels);
        }
        if (header_.type == FIT_RGBF || header_.type == FIT_RGBAF) {
            // The library has no conversion of these to 8 bits per channel.
            return ImageFileCheck::floatingPoint();
        }
        if (format_ == FIF_TIFF) {
            // A file stored as one strip is read through a buffer of its size,
            // and the samples of that strip may be far more than the bitmap's.
            workingBytes_ =
                std::max(DecodingFootprint::bitmapBytes(header_.size.width(), header_.size.height(),
                                                        header_.bitsPerPixel),
                         TiffHeaderReader::stripBufferBytes(file_).value_or(0));
        }
        const std::optional<int> fitting = smallestFittingScale();
        if (!fitting) {
            return ImageFileCheck::tooMuchMemory(header_.size,
                                                 footprintAt(header_, 1, workingBytes_).peakBytes(),
                                                 limits.maxDecodingBytes);
        }
        scale_ = std::max(*fitting, scaleForRequest());
        result_.reducedForRequest = scale_ > *fitting;
        return std::nullopt;
    }

    // The smallest scale whose decoding fits the memory limit; only JPEG
    // files can be decoded reduced.
    std::optional<int> smallestFittingScale() const {
        for (int scale : kJpegScales) {
            if (scale > 1 && format_ != FIF_JPEG) {
                break;
            }
            if (footprintAt(header_, scale, workingBytes_).peakBytes() <=
                request_.limits.maxDecodingBytes) {
                return scale;
            }
        }
        return std::nullopt;
    }

    // A request for less than the whole picture lets a large JPEG file be
    // decoded at the coarsest scale that still gives what it asks for.
    int scaleForRequest() const {
        const bool large =
            qint64(header_.size.width()) * header_.size.height() > request_.reduceAbovePixels;
        if (format_ != FIF_JPEG || request_.atLeast.isEmpty() || !large) {
            return 1;
        }
        return largestScaleKeeping(header_.size, request_.atLeast);
    }

    ImageReadResult refuse(const ImageFileCheck& check) {
        result_.image = QImage();
        result_.reducedForRequest = false;
        result_.check = check;
        return result_;
    }

    const ImageReadRequest& request_;
    const ImageFileFormat imageFormat_;
    const FREE_IMAGE_FORMAT format_;
    RegularImageFile file_;
    Header header_;
    qint64 workingBytes_ = 0;
    int scale_ = 1;
    ImageReadResult result_;
};

}  // namespace

ImageReadResult FreeImageFileReader::read(const QString& path, const ImageReadRequest& request) {
    return Reading(path, path, request).run();
}

ImageReadResult FreeImageFileReader::readBytes(QByteArrayView bytes, const QString& nameForFormat,
                                               const ImageReadRequest& request) {
    return Reading(nameForFormat, bytes, request).run();
}

QImage FreeImageFileReader::readReduced(const QString& path, int minimumSide) {
    ImageReadRequest request;
    request.atLeast = QSize(std::max(minimumSide, 1), std::max(minimumSide, 1));
    return read(path, request).image;
}

}  // namespace casewright
