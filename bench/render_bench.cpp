// Drawing time of every surface: one preview redraw at the designer's
// preview sizes (steady state, and with the image decoded afresh as the
// first draw after a change does), and a render at 600 dpi as printing does.
// Each surface carries a 24-megapixel JPEG. One more case redraws a preview
// of a 100-megapixel JPEG, larger than the image cache keeps whole, as a
// switch between views does.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "controls/DialogUnits.h"
#include "images/FreeImageSession.h"
#include "print/PageLayouts.h"
#include "render/CoverPainter.h"
#include "render/PreviewParamsBuilder.h"
#include "render/SurfaceImageCache.h"
#include "render/SurfaceRenderer.h"

using namespace casewright;

namespace {

struct Surface {
    const char* name;
    int coverType;
    CoverSide side;
    QSize previewUnits;  // the preview control in dialog units
};

const Surface kSurfaces[] = {
    {"StandardFront", CoverTypeStandardCD, CoverSide::Front, QSize(240, 214)},
    {"StandardBack", CoverTypeStandardCD, CoverSide::Back, QSize(287, 214)},
    {"DvdWrap", CoverTypeStandardDVD, CoverSide::Back, QSize(338, 194)},
    {"SlimlineInsert", CoverTypeSlimlineCD, CoverSide::Back, QSize(292, 201)},
    {"Disc", CoverTypeStandardCD, CoverSide::Disc, QSize(240, 214)},
};

QTemporaryDir& PhotoFolder() {
    static QTemporaryDir dir;
    return dir;
}

// A noisy photograph stand-in, so decoding does real work.
QString MakePhoto(int width, int height, const QString& name) {
    QImage photo(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < photo.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            line[x] = qRgb(x * 256 / width, y * 256 / height, random.bounded(256));
        }
    }
    const QString file = PhotoFolder().filePath(name);
    photo.save(file, "JPEG", 85);
    return file;
}

const QString& PhotoPath() {
    static const QString path = MakePhoto(6000, 4000, QStringLiteral("photo.jpg"));
    return path;
}

const QString& LargePhotoPath() {
    static const QString path = MakePhoto(12240, 8160, QStringLiteral("large.jpg"));
    return path;
}

CoverDocument Design(const Surface& surface, const QString& photo = PhotoPath()) {
    CoverDocument doc;
    doc.ResetToNewDesign(surface.coverType, 96);
    doc.geometry = MakeCoverLayout(*LayoutForCoverType(surface.coverType), PrinterAdjustment());
    doc.fImagePath = doc.bImagePath = doc.dImagePath = doc.sImagePath = photo;
    doc.fCoverTitle = doc.bCoverTitle = doc.dCoverTitle = QStringLiteral("Title & more");
    doc.fCoverText = doc.dCoverText = QStringLiteral("First line\r\nSecond line\r\nThird");
    doc.bCoverText.clear();
    for (int track = 1; track <= 16; ++track) {
        doc.bCoverText += QStringLiteral(
                              "[DELIM]%1[/DELIM][DELIM]Track number %1[/DELIM]"
                              "[DELIM]3:%2[/DELIM]\n\r")
                              .arg(track)
                              .arg(track + 10);
    }
    doc.frontCoverSpineText = doc.backCoverSpineText = QStringLiteral("Artist - Album (2026)");
    return doc;
}

void PreviewRedraw(benchmark::State& state, const Surface& surface, bool decodeEachTime,
                   const QString& photo = PhotoPath()) {
    const CoverDocument doc = Design(surface, photo);
    const SurfaceKind kind = *SurfaceFor(surface.coverType, surface.side);
    const QSize size(DialogUnits::ToPixelsX(surface.previewUnits.width()),
                     DialogUnits::ToPixelsY(surface.previewUnits.height()));
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (decodeEachTime) {
            SurfaceImageCache::instance().clear();
        }
        // What a refresh does: fresh parameters, scales from the control.
        painter->params = BuildPreviewParams(doc, kind, 96);
        painter->params.xScale = double(size.width()) / painter->params.refWidth;
        painter->params.yScale = double(size.height()) / painter->params.refHeight;
        QPainter qp(&canvas);
        painter->PaintPreview(qp, canvas.rect());
        qp.end();
        benchmark::DoNotOptimize(canvas.constBits());
    }
}

void PrintRender(benchmark::State& state, const Surface& surface) {
    const CoverDocument doc = Design(surface);
    const SurfaceKind kind = *SurfaceFor(surface.coverType, surface.side);
    for (auto _ : state) {
        const QImage image = RenderSurface(doc, kind, 600, 96);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void RegisterAll() {
    benchmark::RegisterBenchmark(
        "PreviewRedrawLargePhoto/StandardFront",
        [](benchmark::State& st) { PreviewRedraw(st, kSurfaces[0], false, LargePhotoPath()); })
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
    for (const Surface& s : kSurfaces) {
        benchmark::RegisterBenchmark((std::string("PreviewRedraw/") + s.name).c_str(),
                                     [&s](benchmark::State& st) { PreviewRedraw(st, s, false); })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark((std::string("PreviewRedrawDecoding/") + s.name).c_str(),
                                     [&s](benchmark::State& st) { PreviewRedraw(st, s, true); })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark((std::string("Print600Dpi/") + s.name).c_str(),
                                     [&s](benchmark::State& st) { PrintRender(st, s); })
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const FreeImageSession decoder;
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
