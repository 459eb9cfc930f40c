#include <QPainter>

#include "render/CoverPainter.h"

namespace {
// Placeholder until the surface painters land.
class BlankPainter : public CoverPainter {
protected:
    void DrawSurface(QPainter&, const QRect&) override {}
};
}  // namespace

std::unique_ptr<CoverPainter> MakeCoverPainter(SurfaceKind) {
    return std::make_unique<BlankPainter>();
}
