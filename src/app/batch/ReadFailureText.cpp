#include "app/batch/ReadFailureText.h"

#include <QDir>

#include "document/CoverFileFormat.h"

namespace casewright {

QString ReadFailureText(CoverFileReadOutcome outcome, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    switch (outcome) {
        case CoverFileReadOutcome::NoFile:
            return QStringLiteral("no file at \"%1\"").arg(shown);
        case CoverFileReadOutcome::Unreadable:
            return QStringLiteral("cannot read \"%1\"").arg(shown);
        default:
            return CoverFileFormat::InvalidFileMessage();
    }
}

QString LostImagesText(const CoverFileReadResult& result, const QString& path) {
    if (result.lostImages.isEmpty()) {
        return QString();
    }
    return QStringLiteral("\"%1\": %2")
        .arg(QDir::toNativeSeparators(path), LostImagesMessage(result.lostImages));
}

}  // namespace casewright
