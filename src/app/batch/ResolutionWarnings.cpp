#include "app/batch/ResolutionWarnings.h"

#include "render/ImageResolution.h"

namespace casewright {

void WarnOfBlurredImages(const BatchCommandLine& commandLine, const CoverDocument& doc,
                         const QVector<SurfaceKind>& kinds, BatchIo io) {
    for (const QString& text : LowResolutionWarnings(doc, kinds, DrawnPictureSize)) {
        commandLine.warning(text, io);
    }
}

}  // namespace casewright
