#include "designer/DocumentCoverFileGateway.h"

#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"

namespace casewright {

// A missing or unreadable file leaves the new design without a word; only a
// file that is not a cover is reported.
CoverFileOutcome DocumentCoverFileGateway::read(CoverDocument& document, const QString& path,
                                                int fontDpi) {
    switch (ReadCoverFile(document, path, fontDpi)) {
        case CoverFileReadOutcome::Loaded:
            return CoverFileOutcome::Success();
        case CoverFileReadOutcome::Invalid:
            return CoverFileOutcome::Failure(CoverFileFormat::InvalidFileMessage(),
                                             CoverFileFormat::InvalidFileCaption());
        case CoverFileReadOutcome::NoFile:
        case CoverFileReadOutcome::Unreadable:
        default:
            return CoverFileOutcome::Failure(QString(), QString());
    }
}

CoverFileOutcome DocumentCoverFileGateway::write(const CoverDocument& document,
                                                 const QString& path) {
    const CoverFileWriteResult result = WriteCoverFile(document, path);
    if (result) {
        return CoverFileOutcome::Success();
    }
    return CoverFileOutcome::Failure(result.errorMessage, QStringLiteral("Error"));
}

}  // namespace casewright
