#include <QDir>
#include <QFileInfo>
#include <optional>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/ReadFailureText.h"
#include "app/batch/ResolutionWarnings.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/DvdSpineSwitch.h"
#include "document/TemporaryImageFolder.h"
#include "images/FreeImageSession.h"
#include "print/PageLayouts.h"
#include "print/SurfaceExport.h"
#include "render/SurfaceKind.h"
#include "render/SurfaceRenderer.h"

namespace casewright {

namespace {

constexpr int kDefaultDpi = 300;
constexpr int kMaxDpi = 1200;

struct RenderRequest {
    QString input;
    QString output;
    QString surface;
    CoverSide side = CoverSide::Back;
    int dpi = kDefaultDpi;
    int fontDpi = LogFont::kHeightDpi;
};

BatchCommandLine RenderCommandLine() {
    return BatchCommandLine(
        QStringLiteral("render"), QStringLiteral("render [options] FILE.jkt [SURFACE]"),
        QStringLiteral(
            "Draws one surface of a cover file at true size, exactly as it prints, into a PNG\n"
            "image of the surface's size with the resolution recorded in it. SURFACE (or\n"
            "--surface) is front (the front cover of a standard CD case), back or cover (the\n"
            "standard CD back cover, the slimline CD insert or the DVD wrap, by case type;\n"
            "the default) or disc. Outside the disc the image is white."));
}

void DeclareRenderOptions(BatchCommandLine& commandLine) {
    commandLine.addOption({QStringLiteral("surface")}, QStringLiteral("SURFACE"),
                          QStringLiteral("front, back, cover or disc"));
    commandLine.addOption({QStringLiteral("dpi")}, QStringLiteral("N"),
                          QStringLiteral("resolution of the image, 1 to 1200 (default 300)"));
    commandLine.addFontDpiOption();
    commandLine.addOption({QStringLiteral("o"), QStringLiteral("output")},
                          QStringLiteral("OUT.png"),
                          QStringLiteral("the image to write (default FILE-SURFACE.png)"));
}

std::optional<CoverSide> SideNamed(const QString& name) {
    if (name == QLatin1String("front")) {
        return CoverSide::Front;
    }
    if (name == QLatin1String("back") || name == QLatin1String("cover")) {
        return CoverSide::Back;
    }
    if (name == QLatin1String("disc")) {
        return CoverSide::Disc;
    }
    return std::nullopt;
}

// Fills the request from the parsed command line; an error text when the
// arguments make no sense.
QString ReadRequest(const BatchCommandLine& commandLine, RenderRequest& request) {
    const QStringList files = commandLine.positionals();
    const bool surfaceOption = commandLine.isSet(QStringLiteral("surface"));
    if (files.isEmpty() || files.size() > 2 || (files.size() == 2 && surfaceOption)) {
        return QStringLiteral("expected one cover file and at most one surface");
    }
    request.input = files.first();
    request.surface = (files.size() == 2 ? files.at(1)
                       : surfaceOption   ? commandLine.value(QStringLiteral("surface"))
                                         : QStringLiteral("back"))
                          .toLower();
    const std::optional<CoverSide> side = SideNamed(request.surface);
    if (!side) {
        return QStringLiteral("unknown surface \"%1\" (front, back, cover or disc)")
            .arg(request.surface);
    }
    request.side = *side;
    const std::optional<int> dpi =
        commandLine.wholeNumber(QStringLiteral("dpi"), 1, kMaxDpi, kDefaultDpi);
    const std::optional<int> fontDpi = commandLine.fontDpi();
    if (!dpi || !fontDpi) {
        static_assert(kMaxDpi == BatchCommandLine::kMaxFontDpi);
        return QStringLiteral("--dpi and --font-dpi take a whole number from 1 to %1").arg(kMaxDpi);
    }
    request.dpi = *dpi;
    request.fontDpi = *fontDpi;
    request.output = commandLine.value(QStringLiteral("output"));
    if (request.output.isEmpty()) {
        const QFileInfo input(request.input);
        request.output = input.dir().filePath(input.completeBaseName() + QLatin1Char('-') +
                                              request.surface + QStringLiteral(".png"));
    }
    return QString();
}

int Render(const BatchCommandLine& commandLine, const RenderRequest& request, BatchIo io) {
    const FreeImageSession decoder;
    CoverDocument doc;
    const SettingsStore settings;
    doc.ResetToNewDesign(static_cast<int>(settings.Option), request.fontDpi);
    TemporaryImageFolder images(TemporaryImageFolder::DefaultParent());
    const CoverFileReadResult read =
        ReadCoverFile(doc, request.input, request.fontDpi, images.path());
    if (!read.loaded()) {
        return commandLine.failure(ReadFailureText(read.outcome, request.input), io);
    }
    if (const QString lost = LostImagesText(read, request.input); !lost.isEmpty()) {
        commandLine.warning(lost, io);
    }

    RestoreDvdSpineSwitch(doc);
    const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
    const std::optional<SurfaceKind> kind = SurfaceFor(doc.covertype, request.side);
    if (!layout || !kind) {
        return commandLine.usageError(QStringLiteral("a design of case type %1 has no %2 surface")
                                          .arg(doc.covertype)
                                          .arg(request.surface),
                                      io);
    }
    doc.geometry = MakeCoverLayout(*layout, settings.printerAdjustment());
    WarnOfBlurredImages(commandLine, doc, {*kind}, io);
    const QImage image = RenderCoverSide(doc, request.side, settings.printerAdjustment(),
                                         request.dpi, request.fontDpi);
    if (image.isNull()) {
        return commandLine.failure(
            QStringLiteral("the surface could not be drawn at %1 dpi").arg(request.dpi), io);
    }
    const QString problem = WritePngFile(image, request.output);
    if (!problem.isEmpty()) {
        return commandLine.failure(QStringLiteral("cannot write \"%1\": %2")
                                       .arg(QDir::toNativeSeparators(request.output), problem),
                                   io);
    }
    io.out << QDir::toNativeSeparators(request.output) << ": " << image.width() << " x "
           << image.height() << " pixels at " << request.dpi << " dpi\n";
    if (const QString note =
            TrackListingFitNote(SurfaceListingFit(doc, *kind, request.dpi, request.fontDpi));
        !note.isEmpty()) {
        commandLine.warning(note, io);
    }
    return kExitOk;
}

}  // namespace

int RunRenderCommand(const QStringList& args, BatchIo io) {
    BatchCommandLine commandLine = RenderCommandLine();
    DeclareRenderOptions(commandLine);
    const BatchCommandLine::Parsed parsed = commandLine.parse(args, io);
    if (parsed != BatchCommandLine::Parsed::Run) {
        return BatchCommandLine::exitCodeOf(parsed);
    }
    RenderRequest request;
    const QString error = ReadRequest(commandLine, request);
    if (!error.isEmpty()) {
        return commandLine.usageError(error, io);
    }
    return Render(commandLine, request, io);
}

}  // namespace casewright
