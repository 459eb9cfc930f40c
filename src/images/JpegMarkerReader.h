#pragma once

#include <QtGlobal>
#include <optional>
#include <vector>

namespace casewright {

class RegularImageFile;

// What the markers of a JPEG file say about the work of decoding it, read
// without decoding: the frame's size and sampling, and how many scans follow.
struct JpegStructure {
    struct Component {
        int horizontalSampling = 1;
        int verticalSampling = 1;
    };

    int width = 0;
    int height = 0;
    std::vector<Component> components;
    // Counted up to one more than the reader was asked to look for.
    int scans = 0;

    // A file of several scans is decoded through a buffer of every block's
    // coefficients at full resolution, whatever scale it is decoded at.
    qint64 coefficientBufferBytes() const;
};

class JpegMarkerReader {
public:
    // Walks the markers from the start of `file`, skipping the entropy-coded
    // data of each scan, until the end of the image, the end of the file or
    // the scan after `scanLimit`. Nothing when the file does not start as a
    // JPEG or holds no frame header before its first scan.
    static std::optional<JpegStructure> read(RegularImageFile& file, int scanLimit);
};

}  // namespace casewright
