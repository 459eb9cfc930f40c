#include "render/CDVDCoverButton.h"
#include "render/CMyDiscButton.h"
#include "render/CMyFlatButton.h"
#include "render/CSlimlineCoverButton.h"
#include "render/CoverPainter.h"

namespace casewright {

std::unique_ptr<CoverPainter> MakeCoverPainter(SurfaceKind kind) {
    switch (kind) {
        case SurfaceKind::StandardFront:
        case SurfaceKind::StandardBack:
            return std::make_unique<CMyFlatButton>();
        case SurfaceKind::DvdWrap:
            return std::make_unique<CDVDCoverButton>();
        case SurfaceKind::SlimlineInsert:
            return std::make_unique<CSlimlineCoverButton>();
        case SurfaceKind::Disc:
            return std::make_unique<CMyDiscButton>();
    }
    return std::make_unique<CMyFlatButton>();
}

}  // namespace casewright
