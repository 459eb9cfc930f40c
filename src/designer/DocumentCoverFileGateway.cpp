#include "designer/DocumentCoverFileGateway.h"

#include <QObject>

#include "document/CoverDocument.h"

// The cover file reader and writer are not part of the document library yet;
// until they are, every load and save reports that it cannot be done.
CoverFileOutcome DocumentCoverFileGateway::read(CoverDocument&, const QString&) {
    return CoverFileOutcome::Failure(
        QObject::tr("Cover files cannot be opened by this build of the program."),
        QStringLiteral("Error"));
}

CoverFileOutcome DocumentCoverFileGateway::write(const CoverDocument&, const QString&) {
    return CoverFileOutcome::Failure(
        QObject::tr("Cover files cannot be saved by this build of the program."),
        QStringLiteral("Error"));
}
