#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace casewright {

// How a picture is laid into its rectangle.
enum class ImageFit {
    Stretch,  // over the whole rectangle, its aspect ignored
    Fit,      // whole inside the rectangle, aspect kept, the background around it
    Fill,     // the rectangle covered, aspect kept, the overflow cut
};

// The placement of one picture. The crop only matters for Fill: it says
// where the cut falls, in thousandths of the overflow on each axis, from
// -500 (the picture's left or top edge shows) through 0 (cut evenly) to 500
// (its right or bottom edge shows).
struct ImagePlacement {
    static constexpr int32_t kCropLimit = 500;

    ImageFit fit = ImageFit::Stretch;
    int32_t cropX = 0;
    int32_t cropY = 0;

    bool operator==(const ImagePlacement& other) const {
        return fit == other.fit && cropX == other.cropX && cropY == other.cropY;
    }
    bool operator!=(const ImagePlacement& other) const { return !(*this == other); }
};

// "stretch", "fit", "fill"; the words the command line and the file use
// (the file in capitals).
QString ImageFitName(ImageFit fit);
// The fit named, in any case; nothing for another word.
std::optional<ImageFit> ImageFitNamed(const QString& name);

// A crop offset kept within -500..500.
int32_t ClampedCrop(int64_t crop);

}  // namespace casewright
