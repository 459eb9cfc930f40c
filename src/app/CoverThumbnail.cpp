#include "app/CoverThumbnail.h"

#include <QtMath>
#include <algorithm>
#include <optional>

#include "document/CaseTypeTable.h"
#include "document/CoverDocument.h"
#include "document/CoverFileReader.h"
#include "document/DvdSpineSwitch.h"
#include "images/FreeImageFileReader.h"
#include "print/PageLayouts.h"
#include "render/CDVDCoverButton.h"
#include "render/PreviewParamsBuilder.h"
#include "render/SurfaceImageCache.h"
#include "render/SurfaceRenderer.h"

namespace casewright {

namespace {

// Thumbnailers get a few seconds for a file: pictures that would take
// more memory than this to decode are not drawn, and the file gets no
// thumbnail. A 24-megapixel PNG file still fits.
constexpr qint64 kMaxDecodingBytes = 256LL * 1024 * 1024;
// The resolution the front's extent is measured at before the thumbnail's
// own is chosen; high enough that truncation does not matter.
constexpr int kMeasuringDpi = 1000;

struct FrontChoice {
    SurfaceKind kind = SurfaceKind::Disc;
    int block = CoverFileFormat::DiscBlock;  // the picture it draws; -1 for none
};

bool HasText(const QString& title, const QString& text) {
    return !title.isEmpty() || !text.isEmpty();
}

// The surface and picture of the front, or nothing when the front would
// show only a white background.
std::optional<FrontChoice> FrontWithContent(const CoverDocument& doc,
                                            const CoverFileSections& sections) {
    FrontChoice front;
    bool content = false;
    // The front view's surface, or the one-piece cover that holds the front.
    const CaseTypeInfo& caseType = CaseTypeInfoFor(doc.covertype);
    switch (caseType.frontSurface.value_or(caseType.backSurface)) {
        case SurfaceKind::SlimlineInsert:
            front = {SurfaceKind::SlimlineInsert, CoverFileFormat::BackBlock};
            content = !doc.bCoverText.isEmpty() || doc.bBGColor != kWhite;
            break;
        case SurfaceKind::DvdWrap:
            front.kind = SurfaceKind::DvdWrap;
            front.block = doc.CoverOption == CDVDCoverButton::kImageModeWholeWrap
                              ? CoverFileFormat::StretchBlock
                          : doc.CoverOption == CDVDCoverButton::kImageModeFrontAndBack
                              ? CoverFileFormat::FrontBlock
                              : -1;
            content = HasText(doc.fCoverTitle, doc.fCoverText) || doc.bBGColor != kWhite;
            break;
        default:
            front = {SurfaceKind::StandardFront, CoverFileFormat::FrontBlock};
            content = HasText(doc.fCoverTitle, doc.fCoverText) || doc.fBGColor != kWhite;
            break;
    }
    content = content || (front.block >= 0 && !sections.imageBlock(front.block).isEmpty());
    return content ? std::optional(front) : std::nullopt;
}

// The part of the surface drawn with `params` that the thumbnail shows.
QRect FrontRect(SurfaceKind kind, const PreviewParams& params) {
    const int width = params.refWidth;
    const int height = params.refHeight;
    int left = 0;
    if (kind == SurfaceKind::DvdWrap) {
        left = width / 2 + params.spineWidthPx / 2;  // as the wrap places its front image
    } else if (kind == SurfaceKind::SlimlineInsert) {
        left = params.spineOffsetPx + params.spineWidthPx;
    }
    return QRect(left, 0, std::max(width - left, 1), std::max(height, 1));
}

// The lowest resolution at which the front is at least `side` pixels on
// its longer side.
int DpiFor(const CoverDocument& doc, SurfaceKind kind, int side) {
    const QRect measured = FrontRect(kind, BuildPreviewParams(doc, kind, kMeasuringDpi));
    const int longer = std::max(measured.width(), measured.height());
    return std::max(1, qCeil(double(side) * kMeasuringDpi / longer));
}

// Decodes the picture of `block` into the drawing cache under a name no
// file has, and points the design at it. Empty, or why the file gets no
// thumbnail: a picture too costly to decode marks a hostile file. One that
// is merely damaged is left out, as the designer opens the design without it.
QString HoldPicture(CoverDocument& doc, const CoverFileSections& sections, int block,
                    QSize drawnSize) {
    const QByteArrayView bytes = block >= 0 ? sections.imageBlock(block) : QByteArrayView();
    if (bytes.isEmpty()) {
        return QString();
    }
    ImageReadRequest request;
    request.atLeast = drawnSize;
    request.limits.maxDecodingBytes = kMaxDecodingBytes;
    const ImageReadResult read =
        FreeImageFileReader::readBytes(bytes, sections.storedImagePath(block), request);
    switch (read.check.problem) {
        case ImageFileProblem::TooManyPixels:
        case ImageFileProblem::TooMuchMemory:
        case ImageFileProblem::TooManyScans:
            return QStringLiteral("the %1 picture: %2")
                .arg(CoverFileFormat::ImageBlockName(block), read.check.reason);
        default:
            break;
    }
    if (read.image.isNull()) {
        return QString();
    }
    const QString name = QStringLiteral("memory:") + CoverFileFormat::TemporaryImageBaseName(block);
    SurfaceImageCache::instance().holdInMemory(name, read.image);
    QString* paths[] = {&doc.fImagePath, &doc.bImagePath, &doc.sImagePath, &doc.dImagePath};
    *paths[block] = name;
    return QString();
}

CoverThumbnail Failed(const QString& problem) {
    return CoverThumbnail{QImage(), problem};
}

}  // namespace

CoverThumbnail CoverThumbnail::draw(const QByteArray& coverFile, int side) {
    side = std::clamp(side, kMinSide, kMaxSide);
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, LogFont::kHeightDpi);
    const std::optional<CoverFileSections> sections =
        ParseCoverFile(coverFile, doc, LogFont::kHeightDpi);
    if (!sections) {
        return Failed(QStringLiteral("not a cover file"));
    }
    const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
    if (!layout) {
        return Failed(QStringLiteral("unknown case type %1").arg(doc.covertype));
    }
    RestoreDvdSpineSwitch(doc);
    // Printer adjustments are the user's settings, which a thumbnail never reads.
    doc.geometry = MakeCoverLayout(*layout, PrinterAdjustment{});
    const FrontChoice front = FrontWithContent(doc, *sections).value_or(FrontChoice{});

    const int dpi = DpiFor(doc, front.kind, side);
    const PreviewParams params = BuildPreviewParams(doc, front.kind, dpi);
    const QString refused =
        HoldPicture(doc, *sections, front.block, QSize(params.refWidth, params.refHeight));
    if (!refused.isEmpty()) {
        return Failed(refused);
    }
    const QImage surface = RenderSurface(doc, front.kind, dpi, LogFont::kHeightDpi);
    SurfaceImageCache::instance().forgetHeldInMemory();
    if (surface.isNull()) {
        return Failed(QStringLiteral("the cover could not be drawn"));
    }
    QImage image = surface.copy(FrontRect(front.kind, params))
                       .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return CoverThumbnail{std::move(image), QString()};
}

}  // namespace casewright
