#include "document/ImagePlacement.h"

#include <algorithm>

namespace casewright {

QString ImageFitName(ImageFit fit) {
    switch (fit) {
        case ImageFit::Fit:
            return QStringLiteral("fit");
        case ImageFit::Fill:
            return QStringLiteral("fill");
        case ImageFit::Stretch:
            break;
    }
    return QStringLiteral("stretch");
}

std::optional<ImageFit> ImageFitNamed(const QString& name) {
    for (const ImageFit fit : {ImageFit::Stretch, ImageFit::Fit, ImageFit::Fill}) {
        if (name.compare(ImageFitName(fit), Qt::CaseInsensitive) == 0) {
            return fit;
        }
    }
    return std::nullopt;
}

int32_t ClampedCrop(int64_t crop) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(crop, -ImagePlacement::kCropLimit, ImagePlacement::kCropLimit));
}

}  // namespace casewright
