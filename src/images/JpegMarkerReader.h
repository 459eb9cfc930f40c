#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

namespace casewright {

class RegularImageFile;
struct ImageLimits;

// What the markers of a JPEG file say about the work of decoding it, read
// without decoding: the frame's size and sampling, and how many scans follow.
struct JpegStructure {
    struct Component {
        int id = 0;
        int horizontalSampling = 1;
        int verticalSampling = 1;
    };

    int width = 0;
    int height = 0;
    std::vector<Component> components;
    // Both counted until they pass the limits the reader was given.
    int scans = 0;
    qint64 blockPasses = 0;  // over all scans, the blocks of their components

    // The blocks of one component, padded as the decoder stores them.
    qint64 blocksOf(const Component& component) const;
    // A file of several scans is decoded through a buffer of every block's
    // coefficients at full resolution, whatever scale it is decoded at.
    qint64 coefficientBufferBytes() const;
    bool exceeds(const ImageLimits& limits) const;
};

class JpegMarkerReader {
public:
    // Walks the markers from the start of `file`, skipping the entropy-coded
    // data of each scan, until the end of the image, the end of the file or
    // the scan that passes the limits on scans. Nothing when the file does
    // not start as a JPEG or holds no frame header before its first scan.
    static std::optional<JpegStructure> read(RegularImageFile& file, const ImageLimits& limits);
};

}  // namespace casewright
