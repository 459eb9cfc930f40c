#pragma once

#include <QtGlobal>
#include <optional>

namespace casewright {

class RegularImageFile;

// Reads from the first directory of a TIFF file how large a buffer its
// decoder reads one strip or tile through: a row of samples is width ×
// samples per pixel × bits per sample, and a file may announce a few rows of
// thousands of samples per pixel, which costs gigabytes whatever the bitmap
// it decodes to. Nothing when the file is not a TIFF whose first directory
// can be read.
class TiffHeaderReader {
public:
    static std::optional<qint64> stripBufferBytes(RegularImageFile& file);
};

}  // namespace casewright
