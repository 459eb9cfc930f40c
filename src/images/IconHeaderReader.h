#pragma once

namespace casewright {

class RegularImageFile;

// Checks the first picture of an icon file, the one the decoder reads, before
// it is decoded. The decoder sizes its bitmap from that picture's header but
// reads as many bytes as the header's bit count implies, so a header with a
// bit count no bitmap has makes it write past its bitmap. A PNG picture
// inside the icon is left to the PNG checks.
class IconHeaderReader {
public:
    static bool firstPictureIsSound(RegularImageFile& file);
};

}  // namespace casewright
