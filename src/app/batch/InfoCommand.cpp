#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/FieldValueEscapes.h"
#include "app/batch/ReadFailureText.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/ImagePlacementFields.h"
#include "document/TemporaryImageFolder.h"
#include "document/TotalTimeField.h"

namespace casewright {

namespace {

BatchCommandLine InfoCommandLine() {
    return BatchCommandLine(
        QStringLiteral("info"), QStringLiteral("info FILE.jkt"),
        QStringLiteral(
            "Reads a cover file as the designer opens it and prints its 52 fields in file\n"
            "order, one key=value line each, every value as the file spells it (backslash,\n"
            "carriage return and line feed written as \\\\, \\r and \\n), then image1= to\n"
            "image4=, the byte count of each image block; a design with a total time row\n"
            "under its track listing shows showTotalTime=TRUE before them. The placement\n"
            "of each image that is not stretched follows the fields, as the file holds it\n"
            "(such as bImagePlacement=FILL, bImageCropX=0, bImageCropY=-250). Image paths\n"
            "name the temporary files the images were extracted to, which are removed when\n"
            "the command ends. Pictures that could not be recovered from a damaged file\n"
            "are named in a warning. The settings file is only read."));
}

void PrintFields(const CoverDocument& doc, QTextStream& out) {
    for (const CoverFileField& field : CoverFileFields()) {
        if (const std::optional<QString> value = FormatCoverField(doc, field)) {
            out << field.key << '=' << EscapeFieldValue(*value) << '\n';
        }
    }
    for (const auto& [key, value] : ImagePlacementFields::Written(doc)) {
        out << key << '=' << value << '\n';
    }
}

// Only a design that uses the switch shows it, as only such a file holds it.
void PrintTotalTimeSwitch(const CoverDocument& doc, QTextStream& out) {
    if (doc.showTotalTime) {
        out << TotalTimeField::Key() << "=TRUE\n";
    }
}

void PrintImageBlockSizes(const CoverFileReadResult& result, QTextStream& out) {
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        out << "image" << block + 1 << '=' << result.imageBlockSizes.at(block) << '\n';
    }
}

}  // namespace

int RunInfoCommand(const QStringList& args, BatchIo io) {
    BatchCommandLine commandLine = InfoCommandLine();
    const BatchCommandLine::Parsed parsed = commandLine.parse(args, io);
    if (parsed != BatchCommandLine::Parsed::Run) {
        return BatchCommandLine::exitCodeOf(parsed);
    }
    const QStringList files = commandLine.positionals();
    if (files.size() != 1) {
        return commandLine.usageError(QStringLiteral("expected exactly one cover file"), io);
    }
    const QString path = files.first();

    // The settings are only read: looking at a file changes nothing.
    CoverDocument doc;
    doc.ResetToNewDesign(static_cast<int>(SettingsStore().Option), LogFont::kHeightDpi);
    TemporaryImageFolder images(TemporaryImageFolder::DefaultParent());
    const CoverFileReadResult result = ReadCoverFile(doc, path, LogFont::kHeightDpi, images.path());
    if (!result.loaded()) {
        return commandLine.failure(ReadFailureText(result.outcome, path), io);
    }
    if (const QString lost = LostImagesText(result, path); !lost.isEmpty()) {
        commandLine.warning(lost, io);
    }
    QString text;
    QTextStream buffer(&text);
    PrintFields(doc, buffer);
    PrintTotalTimeSwitch(doc, buffer);
    PrintImageBlockSizes(result, buffer);
    buffer.flush();
    io.out << text;
    return kExitOk;
}

}  // namespace casewright
