#pragma once

#include <QtGlobal>

namespace casewright {

// How much one image may cost to decode. A few bytes of header can announce a
// picture that takes gigabytes and minutes to decode; the loader refuses such
// files before decoding them, from what their headers say.
struct ImageLimits {
    // The picture's own width × height.
    qint64 maxPixels = 200'000'000;
    // The most memory decoding may hold at once: the decoder's bitmap, its
    // working buffers, the 8-bit copy of a deeper picture and the drawing
    // copy. Large JPEG files are decoded at a reduced scale to stay within it.
    qint64 maxDecodingBytes = 512LL * 1024 * 1024;
    // Each scan of a JPEG file passes over every block of the components it
    // holds, however little data it carries. Common progressive files have
    // about ten scans, a 100-megapixel photograph about ten million block
    // passes in all.
    int maxJpegScans = 100;
    qint64 maxJpegBlockPasses = 60'000'000;
};

}  // namespace casewright
