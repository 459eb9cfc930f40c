#include "render/ImagePlacementGeometry.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

#include "render/DevicePixels.h"

namespace casewright {

namespace {

// How far the start of the picture lies before the start of `dest` for an
// overflow and a crop in thousandths (-500..500, 0 centred).
int CropShift(int overflow, int32_t crop) {
    return TruncatedPixels(std::round(overflow * (crop + ImagePlacement::kCropLimit) /
                                      (2.0 * ImagePlacement::kCropLimit)));
}

QSize ScaledSize(QSize imageSize, double scale) {
    return QSize(std::max(1, TruncatedPixels(std::round(imageSize.width() * scale))),
                 std::max(1, TruncatedPixels(std::round(imageSize.height() * scale))));
}

}  // namespace

QRect PlacedImageRect(QSize imageSize, const QRect& dest, const ImagePlacement& placement) {
    if (imageSize.isEmpty() || dest.isEmpty()) {
        return QRect();
    }
    const double xRatio = static_cast<double>(dest.width()) / imageSize.width();
    const double yRatio = static_cast<double>(dest.height()) / imageSize.height();
    switch (placement.fit) {
        case ImageFit::Fit: {
            const QSize size =
                ScaledSize(imageSize, std::min(xRatio, yRatio)).boundedTo(dest.size());
            return QRect(dest.left() + (dest.width() - size.width()) / 2,
                         dest.top() + (dest.height() - size.height()) / 2, size.width(),
                         size.height());
        }
        case ImageFit::Fill: {
            const QSize size =
                ScaledSize(imageSize, std::max(xRatio, yRatio)).expandedTo(dest.size());
            return QRect(dest.left() - CropShift(size.width() - dest.width(), placement.cropX),
                         dest.top() - CropShift(size.height() - dest.height(), placement.cropY),
                         size.width(), size.height());
        }
        case ImageFit::Stretch:
            break;
    }
    return dest;
}

ImagePlacement DraggedPlacement(const ImagePlacement& placement, QSize imageSize, const QRect& dest,
                                QPoint delta) {
    if (placement.fit != ImageFit::Fill) {
        return placement;
    }
    const QRect placed = PlacedImageRect(imageSize, dest, placement);
    if (placed.isEmpty()) {
        return placement;
    }
    // Moving the picture right shows more of its left side: the shift falls.
    const auto moved = [](int32_t crop, int overflow, int by) {
        if (overflow <= 0) {
            return crop;
        }
        const double shift =
            overflow * (crop + ImagePlacement::kCropLimit) / (2.0 * ImagePlacement::kCropLimit) -
            by;
        const double next =
            shift * 2.0 * ImagePlacement::kCropLimit / overflow - ImagePlacement::kCropLimit;
        return ClampedCrop(std::llround(next));
    };
    ImagePlacement result = placement;
    result.cropX = moved(placement.cropX, placed.width() - dest.width(), delta.x());
    result.cropY = moved(placement.cropY, placed.height() - dest.height(), delta.y());
    return result;
}

double EffectivePpi(QSize imageSize, QSizeF destInches, const ImagePlacement& placement) {
    if (imageSize.isEmpty() || destInches.isEmpty()) {
        return 0;
    }
    const double across = imageSize.width() / destInches.width();
    const double down = imageSize.height() / destInches.height();
    switch (placement.fit) {
        case ImageFit::Fit:
            // The picture is shrunk to its tighter axis; the other has room.
            return std::max(across, down);
        case ImageFit::Fill:
        case ImageFit::Stretch:
            break;
    }
    return std::min(across, down);
}

}  // namespace casewright
