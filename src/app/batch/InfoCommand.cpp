#include <QDir>
#include <QFile>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/FieldValueEscapes.h"
#include "app/batch/ReadFailureText.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileSections.h"

namespace casewright {

namespace {

BatchCommandLine InfoCommandLine() {
    return BatchCommandLine(
        QStringLiteral("info"), QStringLiteral("info FILE.jkt"),
        QStringLiteral(
            "Reads a cover file as the designer opens it and prints its 52 fields in file\n"
            "order, one key=value line each, every value as the file spells it (backslash,\n"
            "carriage return and line feed written as \\\\, \\r and \\n), then image1= to\n"
            "image4=, the byte count of each image block. Image paths name the temporary\n"
            "files the images were extracted to."));
}

void PrintFields(const CoverDocument& doc, QTextStream& out) {
    for (const CoverFileField& field : CoverFileFields()) {
        if (const std::optional<QString> value = FormatCoverField(doc, field)) {
            out << field.key << '=' << EscapeFieldValue(*value) << '\n';
        }
    }
}

// The block sizes as the file holds them; a block whose image could not be
// extracted still counts.
bool PrintImageBlockSizes(const QString& path, QTextStream& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const std::optional<CoverFileSections> sections = CoverFileSections::parse(file.readAll());
    if (!sections) {
        return false;
    }
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        out << "image" << block + 1 << '=' << sections->imageBlock(block).size() << '\n';
    }
    return true;
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

    CoverDocument doc;
    doc.ResetToNewDesign(static_cast<int>(SettingsStore().Option), LogFont::kHeightDpi);
    const CoverFileReadOutcome outcome = ReadCoverFile(doc, path, LogFont::kHeightDpi);
    if (outcome != CoverFileReadOutcome::Loaded) {
        return commandLine.failure(ReadFailureText(outcome, path), io);
    }
    QString text;
    QTextStream buffer(&text);
    PrintFields(doc, buffer);
    if (!PrintImageBlockSizes(path, buffer)) {
        return commandLine.failure(ReadFailureText(CoverFileReadOutcome::Unreadable, path), io);
    }
    buffer.flush();
    io.out << text;
    return kExitOk;
}

}  // namespace casewright
