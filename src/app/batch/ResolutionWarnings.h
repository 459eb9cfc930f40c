#pragma once

#include <QVector>

#include "app/batch/BatchCommandLine.h"
#include "render/SurfaceKind.h"

namespace casewright {

class CoverDocument;

// Warns on the error stream of every picture of the surfaces that would
// print blurred at its size on paper (the design's geometry must be set).
// Only a warning: the command goes on and its exit status stays as it is.
void WarnOfBlurredImages(const BatchCommandLine& commandLine, const CoverDocument& doc,
                         const QVector<SurfaceKind>& kinds, BatchIo io);

}  // namespace casewright
