#include "print/SurfaceExport.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <optional>

#include "document/AtomicFileWriter.h"
#include "document/CoverDocument.h"
#include "print/PageLayouts.h"
#include "render/SurfaceKind.h"
#include "render/SurfaceRenderer.h"

namespace casewright {

QImage RenderCoverSide(const CoverDocument& doc, CoverSide side,
                       const PrinterAdjustment& adjustment, int dpi, int fontDpi) {
    const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
    const std::optional<SurfaceKind> kind = SurfaceFor(doc.covertype, side);
    if (!layout || !kind) {
        return QImage();
    }
    CoverDocument sized = doc;
    sized.geometry = MakeCoverLayout(*layout, adjustment);
    return RenderSurface(sized, *kind, dpi, fontDpi);
}

std::vector<SurfaceFile> SurfaceFiles(const QString& path, int coverType, bool covers, bool disc) {
    std::vector<std::pair<CoverSide, QString>> sides;
    if (covers && SurfaceFor(coverType, CoverSide::Front)) {
        sides.emplace_back(CoverSide::Front, QStringLiteral("front"));
    }
    if (covers && SurfaceFor(coverType, CoverSide::Back)) {
        const bool onePiece = !SurfaceFor(coverType, CoverSide::Front);
        sides.emplace_back(CoverSide::Back,
                           onePiece ? QStringLiteral("cover") : QStringLiteral("back"));
    }
    if (disc) {
        sides.emplace_back(CoverSide::Disc, QStringLiteral("disc"));
    }
    std::vector<SurfaceFile> files;
    const QFileInfo chosen(path);
    for (const auto& [side, name] : sides) {
        const QString named = chosen.dir().filePath(chosen.completeBaseName() + QLatin1Char('-') +
                                                    name + QLatin1Char('.') + chosen.suffix());
        files.push_back({side, sides.size() == 1 ? path : named});
    }
    return files;
}

QString WritePngFile(const QImage& image, const QString& path) {
    AtomicFileWriter file(path);
    if (!file.open()) {
        return file.errorString();
    }
    QImageWriter writer(file.device(), "png");
    if (!writer.write(image)) {
        return file.errorString().isEmpty() ? writer.errorString() : file.errorString();
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace casewright
