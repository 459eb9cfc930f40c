#include "images/FreeImageBitmapConverter.h"

#include <FreeImage.h>

#include <QVector>
#include <algorithm>
#include <cstring>
#include <memory>

namespace casewright {

namespace {

struct BitmapDeleter {
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using OwnedBitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// FreeImage's first scan line is the bottom row of the picture.
const BYTE* sourceRow(FIBITMAP* bitmap, int topDownRow, int height) {
    return FreeImage_GetScanLine(bitmap, height - 1 - topDownRow);
}

QRgb* targetRow(QImage& image, int row) {
    return reinterpret_cast<QRgb*>(image.scanLine(row));
}

// Scales a 5- or 6-bit channel to 8 bits so that full intensity stays 255.
int expand5(unsigned value) {
    return static_cast<int>((value << 3) | (value >> 2));
}
int expand6(unsigned value) {
    return static_cast<int>((value << 2) | (value >> 4));
}

// One row of 1-, 4- or 8-bit palette indices in colours; the table has an
// entry for every index a byte can hold, so no index needs a check.
void paletteRow(const BYTE* in, QRgb* out, int width, unsigned bitsPerPixel, const QRgb* table) {
    switch (bitsPerPixel) {
        case 1:
            for (int x = 0; x < width; ++x) {
                out[x] = table[(in[x >> 3] >> (7 - (x & 7))) & 0x01];
            }
            return;
        case 4:
            for (int x = 0; x < width; ++x) {
                out[x] = table[(x & 1) ? (in[x >> 1] & 0x0F) : (in[x >> 1] >> 4)];
            }
            return;
        default:
            for (int x = 0; x < width; ++x) {
                out[x] = table[in[x]];
            }
    }
}

// Palette entries with their alpha from the transparency table, if any.
// Indices beyond the palette read as opaque black, as a display would show them.
QVector<QRgb> colourTable(FIBITMAP* bitmap, bool* hasTransparency) {
    QVector<QRgb> table(256, qRgb(0, 0, 0));
    const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    const unsigned used = palette ? std::min(FreeImage_GetColorsUsed(bitmap), 256u) : 0u;
    const bool transparent = FreeImage_IsTransparent(bitmap) != FALSE;
    const BYTE* alpha = transparent ? FreeImage_GetTransparencyTable(bitmap) : nullptr;
    const unsigned alphaCount =
        alpha ? static_cast<unsigned>(FreeImage_GetTransparencyCount(bitmap)) : 0u;
    *hasTransparency = false;
    for (unsigned i = 0; i < used; ++i) {
        const int a = i < alphaCount ? alpha[i] : 255;
        *hasTransparency = *hasTransparency || a != 255;
        table[static_cast<int>(i)] =
            qRgba(palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue, a);
    }
    return table;
}

void copy32BitRow(const BYTE* in, QRgb* out, int width, bool useAlpha) {
    // Where FreeImage keeps its pixels in the order QImage keeps 32-bit words,
    // a row is copied whole and only an ignored alpha channel is set opaque.
    constexpr bool kSameLayout = Q_BYTE_ORDER == Q_LITTLE_ENDIAN && FI_RGBA_BLUE == 0 &&
                                 FI_RGBA_GREEN == 1 && FI_RGBA_RED == 2 && FI_RGBA_ALPHA == 3;
    if constexpr (kSameLayout) {
        std::memcpy(out, in, static_cast<size_t>(width) * 4);
        if (!useAlpha) {
            for (int x = 0; x < width; ++x) {
                out[x] |= 0xFF000000u;
            }
        }
        return;
    }
    for (int x = 0; x < width; ++x, in += 4) {
        const int alpha = useAlpha ? in[FI_RGBA_ALPHA] : 255;
        out[x] = qRgba(in[FI_RGBA_RED], in[FI_RGBA_GREEN], in[FI_RGBA_BLUE], alpha);
    }
}

}  // namespace

QImage FreeImageBitmapConverter::toQImage(FIBITMAP* bitmap) {
    if (!bitmap || !FreeImage_HasPixels(bitmap) || FreeImage_GetWidth(bitmap) == 0 ||
        FreeImage_GetHeight(bitmap) == 0) {
        return {};
    }
    if (FreeImage_GetImageType(bitmap) == FIT_BITMAP) {
        return fromStandardBitmap(bitmap);
    }
    OwnedBitmap standard(toStandardBitmap(bitmap));
    if (!standard || FreeImage_GetImageType(standard.get()) != FIT_BITMAP) {
        return {};
    }
    return fromStandardBitmap(standard.get());
}

FIBITMAP* FreeImageBitmapConverter::toStandardBitmap(FIBITMAP* bitmap) {
    switch (FreeImage_GetImageType(bitmap)) {
        case FIT_RGBA16:
        case FIT_RGBAF:
            return FreeImage_ConvertTo32Bits(bitmap);
        case FIT_RGB16:
        case FIT_RGBF:
            return FreeImage_ConvertTo24Bits(bitmap);
        default:
            return FreeImage_ConvertToStandardType(bitmap, TRUE);
    }
}

QImage FreeImageBitmapConverter::fromStandardBitmap(FIBITMAP* bitmap) {
    QImage image;
    switch (FreeImage_GetBPP(bitmap)) {
        case 1:
        case 4:
        case 8:
            image = fromPalette(bitmap);
            break;
        case 16:
            image = from16Bits(bitmap);
            break;
        case 24:
            image = from24Bits(bitmap);
            break;
        case 32:
            image = from32Bits(bitmap);
            break;
        default:
            return {};
    }
    const unsigned dotsX = FreeImage_GetDotsPerMeterX(bitmap);
    const unsigned dotsY = FreeImage_GetDotsPerMeterY(bitmap);
    if (!image.isNull() && dotsX > 0 && dotsY > 0) {
        image.setDotsPerMeterX(static_cast<int>(dotsX));
        image.setDotsPerMeterY(static_cast<int>(dotsY));
    }
    return image;
}

QImage FreeImageBitmapConverter::fromPalette(FIBITMAP* bitmap) {
    bool hasTransparency = false;
    const QVector<QRgb> table = colourTable(bitmap, &hasTransparency);
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    const unsigned bitsPerPixel = FreeImage_GetBPP(bitmap);
    QImage image(width, height, hasTransparency ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        paletteRow(sourceRow(bitmap, y, height), targetRow(image, y), width, bitsPerPixel,
                   table.constData());
    }
    return image;
}

QImage FreeImageBitmapConverter::from16Bits(FIBITMAP* bitmap) {
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    const bool is565 = FreeImage_GetRedMask(bitmap) == FI16_565_RED_MASK &&
                       FreeImage_GetGreenMask(bitmap) == FI16_565_GREEN_MASK &&
                       FreeImage_GetBlueMask(bitmap) == FI16_565_BLUE_MASK;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const WORD*>(sourceRow(bitmap, y, height));
        QRgb* out = targetRow(image, y);
        for (int x = 0; x < width; ++x) {
            const unsigned pixel = in[x];
            if (is565) {
                out[x] = qRgb(expand5((pixel >> 11) & 0x1F), expand6((pixel >> 5) & 0x3F),
                              expand5(pixel & 0x1F));
            } else {
                out[x] = qRgb(expand5((pixel >> 10) & 0x1F), expand5((pixel >> 5) & 0x1F),
                              expand5(pixel & 0x1F));
            }
        }
    }
    return image;
}

QImage FreeImageBitmapConverter::from24Bits(FIBITMAP* bitmap) {
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        const BYTE* in = sourceRow(bitmap, y, height);
        QRgb* out = targetRow(image, y);
        for (int x = 0; x < width; ++x, in += 3) {
            out[x] = qRgb(in[FI_RGBA_RED], in[FI_RGBA_GREEN], in[FI_RGBA_BLUE]);
        }
    }
    return image;
}

QImage FreeImageBitmapConverter::from32Bits(FIBITMAP* bitmap) {
    const int width = static_cast<int>(FreeImage_GetWidth(bitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(bitmap));
    // Many 32-bit bitmaps leave the fourth byte at zero and mean "opaque"; only
    // a channel that actually varies from fully opaque is taken as alpha, and
    // one that is zero everywhere is ignored. A row is scanned without a
    // branch per pixel, and the scan stops once both are known.
    unsigned anyAlpha = 0;
    unsigned allAlpha = 255;
    for (int y = 0; y < height && !(anyAlpha != 0 && allAlpha != 255); ++y) {
        const BYTE* in = sourceRow(bitmap, y, height) + FI_RGBA_ALPHA;
        for (int x = 0; x < width; ++x, in += 4) {
            anyAlpha |= *in;
            allAlpha &= *in;
        }
    }
    const bool useAlpha = anyAlpha != 0 && allAlpha != 255;
    QImage image(width, height, useAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (int y = 0; y < height; ++y) {
        copy32BitRow(sourceRow(bitmap, y, height), targetRow(image, y), width, useAlpha);
    }
    return image;
}

}  // namespace casewright
