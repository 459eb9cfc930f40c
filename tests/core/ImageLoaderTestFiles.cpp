#include "ImageLoaderTestFiles.h"

#include <FreeImage.h>

#include <QFile>
#include <QVector>

namespace casewright {

namespace ImageLoaderTestFiles {
namespace {

int bitsFor(Layout layout) {
    switch (layout) {
        case Layout::Palette1:
            return 1;
        case Layout::Palette4:
            return 4;
        case Layout::Palette8:
            return 8;
        case Layout::Rgb555:
        case Layout::Rgb565:
            return 16;
        case Layout::Rgb24:
            return 24;
        case Layout::Rgba32:
            return 32;
    }
    return 0;
}

FIBITMAP* allocate(int width, int height, Layout layout) {
    if (layout == Layout::Rgb565) {
        return FreeImage_Allocate(width, height, 16, FI16_565_RED_MASK, FI16_565_GREEN_MASK,
                                  FI16_565_BLUE_MASK);
    }
    if (layout == Layout::Rgb555) {
        return FreeImage_Allocate(width, height, 16, FI16_555_RED_MASK, FI16_555_GREEN_MASK,
                                  FI16_555_BLUE_MASK);
    }
    return FreeImage_Allocate(width, height, bitsFor(layout));
}

void fillPalette(FIBITMAP* bitmap, const QImage& picture) {
    QVector<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            if (!colours.contains(c)) {
                colours.append(c);
            }
        }
    }
    RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    BYTE alpha[256];
    bool transparent = false;
    for (int i = 0; i < colours.size(); ++i) {
        palette[i].rgbRed = qRed(colours[i]);
        palette[i].rgbGreen = qGreen(colours[i]);
        palette[i].rgbBlue = qBlue(colours[i]);
        alpha[i] = qAlpha(colours[i]);
        transparent = transparent || alpha[i] != 255;
    }
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            BYTE index = static_cast<BYTE>(colours.indexOf(picture.pixel(x, y)));
            FreeImage_SetPixelIndex(bitmap, x, picture.height() - 1 - y, &index);
        }
    }
    if (transparent) {
        FreeImage_SetTransparencyTable(bitmap, alpha, colours.size());
    }
}

WORD pack16(QRgb c, bool is565) {
    if (is565) {
        return static_cast<WORD>(((qRed(c) >> 3) << 11) | ((qGreen(c) >> 2) << 5) |
                                 (qBlue(c) >> 3));
    }
    return static_cast<WORD>(((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
}

void fill16(FIBITMAP* bitmap, const QImage& picture, bool is565) {
    for (int y = 0; y < picture.height(); ++y) {
        auto* row =
            reinterpret_cast<WORD*>(FreeImage_GetScanLine(bitmap, picture.height() - 1 - y));
        for (int x = 0; x < picture.width(); ++x) {
            row[x] = pack16(picture.pixel(x, y), is565);
        }
    }
}

void fillTrueColour(FIBITMAP* bitmap, const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            RGBQUAD quad{static_cast<BYTE>(qBlue(c)), static_cast<BYTE>(qGreen(c)),
                         static_cast<BYTE>(qRed(c)), static_cast<BYTE>(qAlpha(c))};
            FreeImage_SetPixelColor(bitmap, x, picture.height() - 1 - y, &quad);
        }
    }
}

}  // namespace

bool write(const QImage& picture, Layout layout, int freeImageFormat, const QString& path) {
    FIBITMAP* bitmap = allocate(picture.width(), picture.height(), layout);
    if (!bitmap) {
        return false;
    }
    if (bitsFor(layout) <= 8) {
        fillPalette(bitmap, picture);
    } else if (bitsFor(layout) == 16) {
        fill16(bitmap, picture, layout == Layout::Rgb565);
    } else {
        fillTrueColour(bitmap, picture);
    }
    const BOOL saved = FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(freeImageFormat), bitmap,
                                      QFile::encodeName(path).constData(), 0);
    FreeImage_Unload(bitmap);
    return saved != FALSE;
}

QImage cornerPattern(int width, int height) {
    QImage picture(width, height, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(width - 1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, height - 1, qRgb(0, 0, 255));
    return picture;
}

QImage cornerPatternWithHole(int width, int height) {
    QImage picture = cornerPattern(width, height);
    picture.setPixel(width / 2, height / 2, qRgba(0, 0, 0, 0));
    return picture;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace ImageLoaderTestFiles

}  // namespace casewright
