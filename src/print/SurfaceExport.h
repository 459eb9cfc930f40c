#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "document/CoverTypes.h"
#include "print/PrinterAdjustment.h"

namespace casewright {

class CoverDocument;

// One side of a design as a picture for sharing: the surface at true size in
// its case type's plain-paper layout with `adjustment` applied to the sizes,
// drawn exactly as it prints (see RenderSurface). The document itself is not
// changed. Null when the case type has no such side or the image cannot be
// allocated at `dpi`.
QImage RenderCoverSide(const CoverDocument& doc, CoverSide side,
                       const PrinterAdjustment& adjustment, int dpi, int fontDpi);

// A picture to write: which side of the design goes into which file.
struct SurfaceFile {
    CoverSide side;
    QString path;
};

// The pictures of a design of `coverType` with its covers and/or its disc:
// one surface goes into `path` itself; several go beside it, named with
// the surface as `casewright-batch render` names them ("Cover-front.png",
// "Cover-back.png", "Cover-disc.png"; "Cover-cover.png" for a one-piece cover).
std::vector<SurfaceFile> SurfaceFiles(const QString& path, int coverType, bool covers, bool disc);

// Writes `image` as a PNG file through AtomicFileWriter. Empty when the file
// is completely on the disk; otherwise why not, and an earlier file at `path`
// is left as it was.
QString WritePngFile(const QImage& image, const QString& path);

}  // namespace casewright
