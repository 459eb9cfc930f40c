#include "text/ImportedAlbum.h"

namespace casewright {

QString ImportedAlbum::frontTitle() const {
    return title.isEmpty() ? artist : title;
}

QString ImportedAlbum::spineText() const {
    if (artist.isEmpty() || title.isEmpty()) {
        return artist + title;
    }
    return artist + QStringLiteral(" - ") + title;
}

bool ImportedAlbum::operator==(const ImportedAlbum& other) const {
    return title == other.title && artist == other.artist && rows == other.rows;
}

QString TitleWithArtist(const QString& title, const QString& trackArtist,
                        const QString& albumArtist) {
    const QString artist = trackArtist.trimmed();
    if (artist.isEmpty() || artist.compare(albumArtist.trimmed(), Qt::CaseInsensitive) == 0) {
        return title;
    }
    return title.isEmpty() ? artist : artist + QStringLiteral(" - ") + title;
}

TrackImportResult TrackImportResult::Found(ImportedAlbum album) {
    return TrackImportResult{std::move(album), QString()};
}

TrackImportResult TrackImportResult::Failed(QString message) {
    return TrackImportResult{std::nullopt, std::move(message)};
}

QString ImportMessage(const QString& path, const QString& what) {
    return QStringLiteral("\"%1\": %2").arg(path, what);
}

QString ImportMessageAtLine(const QString& path, int line, const QString& what) {
    return QStringLiteral("\"%1\", line %2: %3").arg(path).arg(line).arg(what);
}

}  // namespace casewright
