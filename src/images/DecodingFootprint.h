#pragma once

#include <QtGlobal>

namespace casewright {

// The memory one picture takes on its way from the file to a drawable image,
// worked out from its header before anything is decoded. The stages overlap
// pairwise: the decoder's bitmap lives beside its working buffers, then beside
// the 8-bit-per-channel copy a deeper picture is turned into, and that copy
// (or the decoder's bitmap itself) beside the 32-bit drawing image.
struct DecodingFootprint {
    int width = 0;  // as decoded, after any reduced-scale decoding
    int height = 0;
    int decodedBitsPerPixel = 0;
    // Bits per pixel of the 8-bit-per-channel copy, or 0 when the decoder's
    // bitmap is already in that form.
    int standardBitsPerPixel = 0;
    qint64 decoderWorkingBytes = 0;

    // Bytes of a bitmap whose rows are padded to whole 32-bit words.
    static qint64 bitmapBytes(int width, int height, int bitsPerPixel);

    qint64 peakBytes() const;
};

}  // namespace casewright
