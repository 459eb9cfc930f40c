#include "designer/DocumentCoverFileGateway.h"

#include "app/SettingsStore.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"

namespace casewright {

namespace {

// The designer window starts its next new design with the type last opened.
void RememberCoverType(int coverType) {
    SettingsStore settings;
    settings.Option = static_cast<uint32_t>(coverType);
    settings.save();
}

}  // namespace

DocumentCoverFileGateway::DocumentCoverFileGateway(const QString& imageParent)
    : images_(imageParent) {}

// A missing or unreadable file leaves the new design without a word; only a
// file that is not a cover, or one whose pictures are damaged, is reported.
CoverFileOutcome DocumentCoverFileGateway::read(CoverDocument& document, const QString& path,
                                                int fontDpi) {
    const CoverFileReadResult result = ReadCoverFile(document, path, fontDpi, images_.path());
    switch (result.outcome) {
        case CoverFileReadOutcome::Loaded:
            RememberCoverType(document.covertype);
            if (!result.lostImages.isEmpty()) {
                return CoverFileOutcome::Warning(LostImagesMessage(result.lostImages),
                                                 QStringLiteral("Damaged Cover"));
            }
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
