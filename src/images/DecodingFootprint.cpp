#include "images/DecodingFootprint.h"

#include <algorithm>

namespace casewright {

namespace {

constexpr int kDrawingBitsPerPixel = 32;

}  // namespace

qint64 DecodingFootprint::bitmapBytes(int width, int height, int bitsPerPixel) {
    const qint64 rowBytes = ((qint64(width) * bitsPerPixel + 7) / 8 + 3) / 4 * 4;
    return rowBytes * height;
}

qint64 DecodingFootprint::peakBytes() const {
    const qint64 decoded = bitmapBytes(width, height, decodedBitsPerPixel);
    const qint64 standard =
        standardBitsPerPixel > 0 ? bitmapBytes(width, height, standardBitsPerPixel) : 0;
    const qint64 drawing = bitmapBytes(width, height, kDrawingBitsPerPixel);
    return std::max({decoded + decoderWorkingBytes, decoded + standard,
                     (standard > 0 ? standard : decoded) + drawing});
}

}  // namespace casewright
