#pragma once

#include <QImage>

struct FIBITMAP;

namespace casewright {

// Turns a decoded FreeImage bitmap into a QImage the painters can draw.
// Handles 1-, 4- and 8-bit palette images (with their transparency tables),
// 16-bit 5-5-5 and 5-6-5 images, 24-bit and 32-bit images, and the 16-bit per
// channel and floating-point types through the library's own conversion.
// FreeImage stores rows bottom-up; the QImage has the top row first.
// The result is Format_RGB32 for opaque images and Format_ARGB32 (straight
// alpha) when the image has transparent parts; a null image when the bitmap
// holds no pixels or has an unsupported layout. The bitmap is not released.
class FreeImageBitmapConverter {
public:
    static QImage toQImage(FIBITMAP* bitmap);

    // The 8-bit-per-channel bitmap a 16-bit-per-channel, floating-point or
    // other non-standard bitmap is drawn from; owned by the caller, null when
    // the library cannot convert it.
    static FIBITMAP* toStandardBitmap(FIBITMAP* bitmap);

private:
    static QImage fromStandardBitmap(FIBITMAP* bitmap);
    static QImage fromPalette(FIBITMAP* bitmap);
    static QImage from16Bits(FIBITMAP* bitmap);
    static QImage from24Bits(FIBITMAP* bitmap);
    static QImage from32Bits(FIBITMAP* bitmap);
};

}  // namespace casewright
