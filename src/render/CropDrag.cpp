#include "render/CropDrag.h"

#include "render/ImagePlacementGeometry.h"

namespace casewright {

bool CropDrag::start(const QVector<SurfaceImageArea>& areas, QPoint at, const PictureSize& sizeOf) {
    active_ = false;
    for (auto it = areas.crbegin(); it != areas.crend(); ++it) {
        if (it->placement.fit != ImageFit::Fill || !it->dest.contains(at)) {
            continue;
        }
        const QSize size = sizeOf(it->path);
        if (size.isEmpty()) {
            return false;
        }
        area_ = *it;
        pictureSize_ = size;
        startedAt_ = at;
        active_ = true;
        return true;
    }
    return false;
}

std::optional<std::pair<int, ImagePlacement>> CropDrag::moveTo(QPoint at) const {
    if (!active_) {
        return std::nullopt;
    }
    return std::make_pair(
        area_.block, DraggedPlacement(area_.placement, pictureSize_, area_.dest, at - startedAt_));
}

}  // namespace casewright
