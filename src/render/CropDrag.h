#pragma once

#include <QPoint>
#include <QVector>
#include <functional>
#include <optional>

#include "render/CoverPainter.h"

namespace casewright {

// Moving the crop of a filled picture by dragging it in a preview. A drag
// starts on a filled picture under the pointer (the topmost, drawn last)
// and each move gives that picture's placement as the pointer has moved it
// from where the drag started.
class CropDrag {
public:
    // The picture's size in pixels for a path; its aspect is what counts.
    using PictureSize = std::function<QSize(const QString& path)>;

    // False, and no drag, when no filled picture lies under `at`.
    bool start(const QVector<SurfaceImageArea>& areas, QPoint at, const PictureSize& sizeOf);
    // The dragged picture's block and new placement; nothing without a drag.
    std::optional<std::pair<int, ImagePlacement>> moveTo(QPoint at) const;
    void end() { active_ = false; }
    bool active() const { return active_; }

private:
    bool active_ = false;
    SurfaceImageArea area_;
    QSize pictureSize_;
    QPoint startedAt_;
};

}  // namespace casewright
