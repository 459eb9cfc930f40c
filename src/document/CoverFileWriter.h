#pragma once

#include <QByteArray>
#include <QString>

namespace casewright {

class CoverDocument;

// What became of a save: on failure a message that names the file at fault,
// for the designer window or the command line to show.
struct CoverFileWriteResult {
    bool ok = true;
    QString errorMessage;

    explicit operator bool() const { return ok; }
};

// Writes the design to a cover file: the tagged text section, then the bytes
// of the four images. The file is written beside its target and renamed into
// place only when every byte is on the disk, so a failure (an unwritable
// folder, a full disk, an image that can no longer be read) leaves any
// earlier file untouched. A design is refused when its file would not read
// back as saved: larger than a reader takes, an image source that is not a
// regular file, or image bytes holding a block marker that cannot be taken
// out without touching the picture. coverChanged is the caller's to clear.
CoverFileWriteResult WriteCoverFile(const CoverDocument& doc, const QString& path);

// The text section exactly as WriteCoverFile writes it, "[BEGIN]" to "[END]".
QByteArray CoverFileTextSection(const CoverDocument& doc);

}  // namespace casewright
