#pragma once

#include <QSize>
#include <optional>

namespace casewright {

class RegularImageFile;

// Reads the picture size a GIF file announces without decoding it: the larger
// of the logical screen and the first frame, since a frame may claim more than
// the screen it is shown on. Nothing when the file is not a readable GIF.
class GifHeaderReader {
public:
    static std::optional<QSize> announcedSize(RegularImageFile& file);
};

}  // namespace casewright
