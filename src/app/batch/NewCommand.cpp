#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/FieldValueEscapes.h"
#include "document/CaseTypeTable.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileWriter.h"
#include "document/ImagePlacement.h"
#include "images/FreeImageSession.h"
#include "images/ImageLoader.h"
#include "text/CoverTextRowSet.h"
#include "text/TrackListingCodec.h"
#include "text/TrackSourceImport.h"

namespace casewright {

namespace {

// Options that set document fields directly, by the fields' file keys.
enum class ValueKind { Text, Image, Colour };

struct FieldOption {
    const char* name;
    ValueKind kind;
    QStringList keys;
    const char* description;
};

const QVector<FieldOption>& FieldOptions() {
    static const QVector<FieldOption> options = {
        {"front-title", ValueKind::Text, {"fCoverTitle"}, "front cover title"},
        {"front-text", ValueKind::Text, {"fCoverText"}, "front cover text"},
        {"back-title", ValueKind::Text, {"bCoverTitle"}, "back cover title"},
        {"back-text", ValueKind::Text, {"bCoverText"}, "back cover text"},
        {"disc-title", ValueKind::Text, {"dCoverTitle"}, "disc title"},
        {"disc-text", ValueKind::Text, {"dCoverText"}, "disc text"},
        {"spine", ValueKind::Text, {"backCoverSpineText"}, "spine text"},
        {"front-image", ValueKind::Image, {"fImagePath"}, "front cover image"},
        {"back-image", ValueKind::Image, {"bImagePath"}, "back cover image"},
        {"disc-image", ValueKind::Image, {"dImagePath"}, "disc image"},
        {"stretch-image", ValueKind::Image, {"sImagePath"}, "image over the whole DVD cover"},
        {"bg-color",
         ValueKind::Colour,
         {"fBGColor", "bBGColor", "dBGColor"},
         "background colour #RRGGBB of every surface"},
        {"text-color",
         ValueKind::Colour,
         {"fCoverTextColor", "bCoverTextColor", "dCoverTextColor"},
         "text colour #RRGGBB of every surface"},
    };
    return options;
}

// --image SURFACE=PATH and --image-mode SURFACE=MODE, in image block order
const QVector<QPair<QString, QString>>& ImageSurfaces() {
    static const QVector<QPair<QString, QString>> surfaces = {
        {"front", "fImagePath"},
        {"back", "bImagePath"},
        {"whole", "sImagePath"},
        {"disc", "dImagePath"},
    };
    return surfaces;
}

const QString kNewDescription = QStringLiteral(
    "Creates a new design as the designer does (at 96 dpi) and writes it to a cover\n"
    "file. Texts may hold \\n for a line break, \\r and \\\\; --set values are given\n"
    "as the file spells them, with the same escapes. Images are copied into the\n"
    "file; one that cannot be drawn (missing, not a regular file, damaged or too\n"
    "large to decode) is refused. Options are applied in the order listed here;\n"
    "an existing file is only replaced with --force.\n"
    "\n"
    "--tracks reads a CD back cover's track listing from a text file (a line per\n"
    "track: number TAB title TAB length, title TAB length, a title, or lines as web\n"
    "pages list tracks, such as \"1. Title 3:45\"), a cue sheet (.cue), an audio file,\n"
    "or a folder of audio files (their tags: MP3, FLAC, Ogg Vorbis, Opus, M4A, WAV).\n"
    "With --album-texts the album title and artist found there become the front\n"
    "title and the spine text, unless those are given with --front-title, --spine\n"
    "or --set. --total-time adds a row with the sum of the lengths under the\n"
    "listing.\n"
    "\n"
    "--image-mode lays an image into its rectangle: stretch (over the whole\n"
    "rectangle, as before), fit (whole, its shape kept, the background colour\n"
    "around it) or fill (the rectangle covered, its shape kept, the overflow cut\n"
    "evenly; the designer moves the cut by dragging the picture).");

void DeclareNewOptions(BatchCommandLine& cl) {
    cl.addOption({QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("FILE"),
                 QStringLiteral("the cover file to write (or give it as the argument)"));
    cl.addOption({QStringLiteral("type")}, QStringLiteral("N"),
                 QStringLiteral("case type 1-5 (default: the last one chosen)"));
    for (const FieldOption& option : FieldOptions()) {
        cl.addOption({QLatin1String(option.name)},
                     option.kind == ValueKind::Text    ? QStringLiteral("TEXT")
                     : option.kind == ValueKind::Image ? QStringLiteral("PATH")
                                                       : QStringLiteral("#RRGGBB"),
                     QLatin1String(option.description));
    }
    cl.addOption({QStringLiteral("tracks")}, QStringLiteral("PATH"),
                 QStringLiteral("CD back cover track listing from a text file, a cue sheet, "
                                "an audio file or a folder of audio files (see above)"));
    cl.addFlag({QStringLiteral("album-texts")},
               QStringLiteral("with --tracks: the album title as front title, \"artist - "
                              "album\" as spine text"));
    cl.addFlag({QStringLiteral("total-time")},
               QStringLiteral("a total time row under the CD back cover's track listing"));
    cl.addOption({QStringLiteral("set")}, QStringLiteral("KEY=VALUE"),
                 QStringLiteral("set a field by its file key (repeatable)"));
    cl.addOption({QStringLiteral("image")}, QStringLiteral("SURFACE=PATH"),
                 QStringLiteral("front, back, whole or disc image (repeatable)"));
    cl.addOption({QStringLiteral("image-mode")}, QStringLiteral("SURFACE=MODE"),
                 QStringLiteral("how the front, back, whole or disc image is laid in: stretch "
                                "(the default), fit or fill (repeatable)"));
    cl.addFlag({QStringLiteral("force")}, QStringLiteral("replace an existing file"));
}

// Line breaks typed on a command line become the CR LF pairs edit boxes give.
QString EditBoxLineBreaks(const QString& text) {
    static const QRegularExpression bareLineFeed(QStringLiteral("(?<!\\r)\\n"));
    QString result = text;
    return result.replace(bareLineFeed, QStringLiteral("\r\n"));
}

std::optional<QString> ColourFieldValue(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (!hex.match(text).hasMatch()) {
        return std::nullopt;
    }
    const uint rgb = text.mid(1).toUInt(nullptr, 16);
    return QString::number(MakeColorRef((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

std::optional<QString> FieldValueOf(ValueKind kind, const QString& text) {
    switch (kind) {
        case ValueKind::Text: {
            const std::optional<QString> unescaped = UnescapeFieldValue(text);
            return unescaped ? std::optional<QString>(EditBoxLineBreaks(*unescaped)) : std::nullopt;
        }
        case ValueKind::Image:
            return QFileInfo(text).absoluteFilePath();
        case ValueKind::Colour:
            return ColourFieldValue(text);
    }
    return std::nullopt;
}

// Builds the design from the options; a message when one is not usable.
class DesignBuilder {
public:
    DesignBuilder(const BatchCommandLine& cl, CoverDocument& doc) : cl_(cl), doc_(doc) {}

    std::optional<QString> applyAll() {
        for (const FieldOption& option : FieldOptions()) {
            if (auto error = applyFieldOption(option)) {
                return error;
            }
        }
        for (const QString& assignment : cl_.values(QStringLiteral("set"))) {
            if (auto error = applySet(assignment)) {
                return error;
            }
        }
        for (const QString& assignment : cl_.values(QStringLiteral("image"))) {
            if (auto error = applyImage(assignment)) {
                return error;
            }
        }
        for (const QString& assignment : cl_.values(QStringLiteral("image-mode"))) {
            if (auto error = applyImageMode(assignment)) {
                return error;
            }
        }
        return std::nullopt;
    }

    // The image files named by the image options (not by --set, which gives
    // a field's value as a file would hold it).
    const QStringList& chosenImages() const { return chosenImages_; }

private:
    std::optional<QString> applyFieldOption(const FieldOption& option) {
        const QString name = QLatin1String(option.name);
        if (!cl_.isSet(name)) {
            return std::nullopt;
        }
        const std::optional<QString> value = FieldValueOf(option.kind, cl_.value(name));
        if (!value) {
            return QStringLiteral("bad value for --%1: '%2'").arg(name, cl_.value(name));
        }
        for (const QString& key : option.keys) {
            ApplyCoverField(doc_, *FindCoverFileField(key), *value);
        }
        if (option.kind == ValueKind::Image) {
            chosenImages_.append(*value);
        }
        return std::nullopt;
    }

    std::optional<QString> applySet(const QString& assignment) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        const QString key = assignment.left(eq);
        const CoverFileField* field = eq < 0 ? nullptr : FindCoverFileField(key);
        if (!field) {
            return QStringLiteral("unknown field in --set '%1'").arg(assignment);
        }
        const std::optional<QString> value = UnescapeFieldValue(assignment.mid(eq + 1));
        if (!value || !IsWrittenFormOf(field->form, *value)) {
            return QStringLiteral("bad value for field %1: '%2'").arg(key, assignment.mid(eq + 1));
        }
        ApplyCoverField(doc_, *field, *value);
        return std::nullopt;
    }

    std::optional<QString> applyImage(const QString& assignment) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        const QString surface = assignment.left(eq);
        for (const auto& [name, key] : ImageSurfaces()) {
            if (eq > 0 && surface == name) {
                const QString path = QFileInfo(assignment.mid(eq + 1)).absoluteFilePath();
                ApplyCoverField(doc_, *FindCoverFileField(key), path);
                chosenImages_.append(path);
                return std::nullopt;
            }
        }
        return QStringLiteral("bad --image '%1': expected front, back, whole or disc=PATH")
            .arg(assignment);
    }

    std::optional<QString> applyImageMode(const QString& assignment) {
        const qsizetype eq = assignment.indexOf(QLatin1Char('='));
        const std::optional<ImageFit> fit = ImageFitNamed(assignment.mid(eq + 1));
        const QVector<QPair<QString, QString>>& surfaces = ImageSurfaces();
        for (int block = 0; block < surfaces.size(); ++block) {
            if (eq > 0 && fit && assignment.left(eq) == surfaces.at(block).first) {
                doc_.imagePlacement(block).fit = *fit;
                return std::nullopt;
            }
        }
        return QStringLiteral(
                   "bad --image-mode '%1': expected front, back, whole or disc=stretch, fit or "
                   "fill")
            .arg(assignment);
    }

    const BatchCommandLine& cl_;
    CoverDocument& doc_;
    QStringList chosenImages_;
};

// An image the designer would refuse when chosen is refused here too, before
// anything is written: a cover holding it would show nothing in its place.
std::optional<int> RefuseUndrawableImages(const BatchCommandLine& cl, const QStringList& images,
                                          BatchIo io) {
    const FreeImageSession decoder;
    for (const QString& path : images) {
        const ImageFileCheck check = CheckImageFile(path);
        if (!check.drawable()) {
            return cl.failure(
                QStringLiteral("cannot use the image \"%1\": %2").arg(path, check.reason), io);
        }
    }
    return std::nullopt;
}

// Whether the command line sets a field itself, by its option or by --set.
bool SetsField(const BatchCommandLine& cl, const QString& option, const QString& key) {
    if (cl.isSet(option)) {
        return true;
    }
    const QStringList assignments = cl.values(QStringLiteral("set"));
    return std::any_of(assignments.cbegin(), assignments.cend(), [&key](const QString& set) {
        return set.startsWith(key + QLatin1Char('='));
    });
}

// --album-texts: what the source says of the album, where the options leave room.
void ApplyAlbumTexts(const BatchCommandLine& cl, const ImportedAlbum& album, CoverDocument& doc) {
    if (!SetsField(cl, QStringLiteral("front-title"), QStringLiteral("fCoverTitle")) &&
        !album.frontTitle().isEmpty()) {
        doc.fCoverTitle = album.frontTitle();
    }
    if (!SetsField(cl, QStringLiteral("spine"), QStringLiteral("backCoverSpineText")) &&
        !album.spineText().isEmpty()) {
        doc.backCoverSpineText = album.spineText();
    }
}

// --tracks PATH: the back cover's track listing, as the listing editor writes it.
std::optional<int> ApplyTrackListing(const BatchCommandLine& cl, CoverDocument& doc, BatchIo io) {
    if (!cl.isSet(QStringLiteral("tracks"))) {
        if (cl.isSet(QStringLiteral("album-texts"))) {
            return cl.usageError(QStringLiteral("--album-texts needs --tracks"), io);
        }
        return std::nullopt;
    }
    if (!UsesTrackListingEditor(doc.covertype, CoverSide::Back)) {
        return cl.usageError(QStringLiteral("--tracks needs a CD case type (1, 3 or 4)"), io);
    }
    const TrackImportResult imported = ImportTrackSource(cl.value(QStringLiteral("tracks")));
    if (!imported) {
        return cl.failure(imported.error, io);
    }
    // No rows (an empty text file) leaves the listing a new design has.
    doc.bCoverText = imported.album->rows.empty()
                         ? QString()
                         : TrackListingCodec::Encode(imported.album->listing());
    if (cl.isSet(QStringLiteral("album-texts"))) {
        ApplyAlbumTexts(cl, *imported.album, doc);
    }
    return std::nullopt;
}

// --total-time: the sum of the lengths under the listing.
std::optional<int> ApplyTotalTime(const BatchCommandLine& cl, CoverDocument& doc, BatchIo io) {
    if (!cl.isSet(QStringLiteral("total-time"))) {
        return std::nullopt;
    }
    if (!UsesTrackListingEditor(doc.covertype, CoverSide::Back)) {
        return cl.usageError(QStringLiteral("--total-time needs a CD case type (1, 3 or 4)"), io);
    }
    doc.showTotalTime = true;
    return std::nullopt;
}

std::optional<int> CoverTypeOption(const BatchCommandLine& cl) {
    if (!cl.isSet(QStringLiteral("type"))) {
        const uint32_t stored = SettingsStore().Option;
        return FindCaseType(static_cast<int>(stored)) ? static_cast<int>(stored)
                                                      : CoverTypeStandardCD;
    }
    static const QRegularExpression oneToFive(QStringLiteral("^[1-5]$"));
    const QString text = cl.value(QStringLiteral("type"));
    if (!oneToFive.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.toInt();
}

std::optional<QString> OutputPath(const BatchCommandLine& cl) {
    QStringList paths = cl.positionals();
    if (cl.isSet(QStringLiteral("output"))) {
        paths.prepend(cl.value(QStringLiteral("output")));
    }
    if (paths.size() != 1 || paths.first().isEmpty()) {
        return std::nullopt;
    }
    return paths.first();
}

}  // namespace

int RunNewCommand(const QStringList& args, BatchIo io) {
    BatchCommandLine cl(QStringLiteral("new"), QStringLiteral("new [options] FILE.jkt"),
                        kNewDescription);
    DeclareNewOptions(cl);
    const BatchCommandLine::Parsed parsed = cl.parse(args, io);
    if (parsed != BatchCommandLine::Parsed::Run) {
        return BatchCommandLine::exitCodeOf(parsed);
    }
    const std::optional<QString> path = OutputPath(cl);
    if (!path) {
        return cl.usageError(QStringLiteral("expected exactly one cover file to write"), io);
    }
    const std::optional<int> coverType = CoverTypeOption(cl);
    if (!coverType) {
        return cl.usageError(QStringLiteral("--type must be 1 to 5"), io);
    }

    CoverDocument doc;
    doc.ResetToNewDesign(*coverType, LogFont::kHeightDpi);
    DesignBuilder builder(cl, doc);
    if (const std::optional<QString> error = builder.applyAll()) {
        return cl.usageError(*error, io);
    }
    if (const std::optional<int> exitCode =
            RefuseUndrawableImages(cl, builder.chosenImages(), io)) {
        return *exitCode;
    }
    if (const std::optional<int> exitCode = ApplyTrackListing(cl, doc, io)) {
        return *exitCode;
    }
    if (const std::optional<int> exitCode = ApplyTotalTime(cl, doc, io)) {
        return *exitCode;
    }
    if (QFileInfo::exists(*path) && !cl.isSet(QStringLiteral("force"))) {
        return cl.failure(QStringLiteral("\"%1\" exists; use --force to replace it").arg(*path),
                          io);
    }
    const CoverFileWriteResult written = WriteCoverFile(doc, *path);
    if (!written) {
        return cl.failure(written.errorMessage, io);
    }
    return kExitOk;
}

}  // namespace casewright
