#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <optional>

#include "app/batch/BatchCommands.h"
#include "document/CoverDocument.h"
#include "print/PageLayouts.h"
#include "render/SurfaceRenderer.h"

namespace {

constexpr int kDefaultDpi = 300;
constexpr int kDefaultFontDpi = 96;
constexpr int kMaxDpi = 1200;

struct RenderOptions {
    QString input;
    QString output;
    QString surface = QStringLiteral("back");
    int dpi = kDefaultDpi;
    int fontDpi = kDefaultFontDpi;
};

void PrintRenderUsage(QTextStream& s) {
    s << "Usage: casewright-batch render FILE.jkt [SURFACE] [options]\n\n"
      << "Draws one surface of a cover file at true size, as it prints, into a PNG image.\n\n"
      << "SURFACE (or --surface SURFACE):\n"
      << "  front          the front cover of a standard CD case\n"
      << "  back, cover    the back cover of a standard CD case, the slimline CD insert\n"
      << "                 or the DVD wrap, by case type (default)\n"
      << "  disc           the disc label\n\n"
      << "Options:\n"
      << "  --dpi N        resolution of the image, 1 to " << kMaxDpi << " (default " << kDefaultDpi
      << ")\n"
      << "  --font-dpi N   screen resolution the design's fonts were chosen at (default "
      << kDefaultFontDpi << ")\n"
      << "  -o OUT.png     the image to write (default: FILE-SURFACE.png beside the input)\n";
}

bool ReadResolution(const QString& text, int& value) {
    bool ok = false;
    const int parsed = text.toInt(&ok);
    if (!ok || parsed < 1 || parsed > kMaxDpi) {
        return false;
    }
    value = parsed;
    return true;
}

// Fills `options` from the arguments; an error text when they make no sense.
QString ParseRenderArguments(const QStringList& args, RenderOptions& options) {
    QStringList positional;
    bool surfaceGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool takesValue = arg == QLatin1String("--dpi") ||
                                arg == QLatin1String("--font-dpi") ||
                                arg == QLatin1String("--surface") || arg == QLatin1String("-o");
        if (takesValue && i + 1 >= args.size()) {
            return QStringLiteral("option %1 needs a value").arg(arg);
        }
        if (arg == QLatin1String("--dpi")) {
            if (!ReadResolution(args.at(++i), options.dpi)) {
                return QStringLiteral("--dpi must be a whole number from 1 to %1").arg(kMaxDpi);
            }
        } else if (arg == QLatin1String("--font-dpi")) {
            if (!ReadResolution(args.at(++i), options.fontDpi)) {
                return QStringLiteral("--font-dpi must be a whole number from 1 to %1")
                    .arg(kMaxDpi);
            }
        } else if (arg == QLatin1String("--surface")) {
            options.surface = args.at(++i);
            surfaceGiven = true;
        } else if (arg == QLatin1String("-o")) {
            options.output = args.at(++i);
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return QStringLiteral("unknown option '%1'").arg(arg);
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty()) {
        return QStringLiteral("no cover file given");
    }
    if (positional.size() > 2 || (positional.size() == 2 && surfaceGiven)) {
        return QStringLiteral("too many arguments");
    }
    options.input = positional.first();
    if (positional.size() == 2) {
        options.surface = positional.at(1);
    }
    options.surface = options.surface.toLower();
    return QString();
}

std::optional<CoverSide> SideForName(const QString& name) {
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

QString DefaultOutputPath(const RenderOptions& options) {
    const QFileInfo input(options.input);
    return input.dir().filePath(input.completeBaseName() + QLatin1Char('-') + options.surface +
                                QStringLiteral(".png"));
}

// Reads the cover file into a freshly reset design; an error text on failure.
QString LoadDesign(const QString& path, CoverDocument& doc) {
    Q_UNUSED(doc);
    if (!QFileInfo(path).isFile()) {
        return QStringLiteral("no cover file at '%1'").arg(path);
    }
    return QStringLiteral("reading cover files is not available yet");
}

int RenderLoadedDesign(CoverDocument& doc, CoverSide side, const RenderOptions& options,
                       BatchIo io) {
    const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
    const std::optional<SurfaceKind> kind = SurfaceFor(doc.covertype, side);
    if (!layout || !kind) {
        io.err << "casewright-batch render: a design of case type " << doc.covertype << " has no "
               << options.surface << " surface\n";
        return kExitUsage;
    }
    doc.geometry = CoverLayout(*layout);
    const QImage image = RenderSurface(doc, *kind, options.dpi, options.fontDpi);
    if (image.isNull()) {
        io.err << "casewright-batch render: the surface could not be drawn at " << options.dpi
               << " dpi\n";
        return kExitFailure;
    }
    const QString output = options.output.isEmpty() ? DefaultOutputPath(options) : options.output;
    QImageWriter writer(output, "png");
    if (!writer.write(image)) {
        io.err << "casewright-batch render: cannot write '" << output
               << "': " << writer.errorString() << "\n";
        return kExitFailure;
    }
    io.out << output << ": " << image.width() << " x " << image.height() << " pixels at "
           << options.dpi << " dpi\n";
    return kExitOk;
}

}  // namespace

int RunRenderCommand(const QStringList& args, BatchIo io) {
    if (args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"))) {
        PrintRenderUsage(io.out);
        return kExitOk;
    }
    RenderOptions options;
    const QString usageError = ParseRenderArguments(args, options);
    if (!usageError.isEmpty()) {
        io.err << "casewright-batch render: " << usageError << "\n\n";
        PrintRenderUsage(io.err);
        return kExitUsage;
    }
    const std::optional<CoverSide> side = SideForName(options.surface);
    if (!side) {
        io.err << "casewright-batch render: unknown surface '" << options.surface
               << "' (front, back, cover or disc)\n";
        return kExitUsage;
    }

    CoverDocument doc;
    const QString loadError = LoadDesign(options.input, doc);
    if (!loadError.isEmpty()) {
        io.err << "casewright-batch render: " << loadError << "\n";
        return kExitFailure;
    }
    return RenderLoadedDesign(doc, *side, options, io);
}
