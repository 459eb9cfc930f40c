#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

#include "document/CoverFileFormat.h"
#include "document/CoverFileSections.h"

namespace casewright {

class CoverDocument;

enum class CoverFileReadOutcome {
    Loaded,      // the design now holds the file's values
    NoFile,      // nothing exists at the path
    Unreadable,  // a folder, a device, a file that cannot be opened or read, or one too large
    Invalid,     // not a cover file: no "[END]"; the window shows the invalid-file message
};

struct CoverFileReadResult {
    CoverFileReadOutcome outcome = CoverFileReadOutcome::NoFile;
    // Pictures the design names that could not be recovered, in block
    // order: their image block is damaged, or their temporary file could
    // not be written. The design opens without them.
    QVector<int> lostImages;
    // The byte count of each image block as the file holds it.
    std::array<qsizetype, CoverFileFormat::kImageBlockCount> imageBlockSizes{};

    bool loaded() const { return outcome == CoverFileReadOutcome::Loaded; }
};

// Reads a cover file's bytes over a design that the caller has just reset to
// a new design, touching no file and no settings. Every field with a file
// key takes the file's value (an absent one what its empty value reads as),
// except that alignments other than LEFT, CENTER and RIGHT and the two spine
// switches keep their reset values, and the four image paths are cleared:
// the image blocks come back in the sections, for the caller to store.
// Nothing, and the design untouched, when the bytes are not a cover file.
//
// fontDpi is the resolution the file's font heights are pixels at (96 for
// every design made here); a missing disc font height reads as the 12-point
// height at it.
std::optional<CoverFileSections> ParseCoverFile(const QByteArray& bytes, CoverDocument& doc,
                                                int fontDpi);

// The whole file at `path`, or nothing when it is not a regular file, cannot
// be read or is larger than `maxSize` (by default than any cover file the
// writer makes).
std::optional<QByteArray> ReadCoverFileBytes(const QString& path,
                                             qint64 maxSize = CoverFileFormat::kMaxFileSize);

// Loads a cover file as ParseCoverFile does and extracts its image blocks to
// "tmpfront", "tmpback", "tmpstretch" and "tmpdisc" plus the stored path's
// extension in imageFolder (nothing is extracted when it is empty); the
// image paths then name those files. Unless the outcome is Loaded the design
// is left untouched. Nothing is shown to the user and no setting is stored:
// the cover type the file holds is the caller's to remember.
CoverFileReadResult ReadCoverFile(CoverDocument& doc, const QString& path, int fontDpi,
                                  const QString& imageFolder);

// What to tell the user about pictures that could not be recovered.
QString LostImagesMessage(const QVector<int>& blocks);

}  // namespace casewright
