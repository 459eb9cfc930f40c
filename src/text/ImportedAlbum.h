#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "text/TrackListing.h"
#include "text/TrackRow.h"

namespace casewright {

// What an import found: the rows for the track listing and, where the source
// names them, the album's title and artist, which the user may take for the
// front title and the spine.
struct ImportedAlbum {
    QString title;
    QString artist;
    std::vector<TrackRow> rows;

    // The rows as the editor holds them (one empty row when there are none).
    TrackListing listing() const { return TrackListing(rows); }

    // The album title, or the artist when there is no title.
    QString frontTitle() const;

    // "Artist - Title", or whichever of the two there is.
    QString spineText() const;

    bool operator==(const ImportedAlbum& other) const;
};

// A track's title cell when the track's artist is not the album's: the
// artist first, as compilations list them ("Artist - Title").
QString TitleWithArtist(const QString& title, const QString& trackArtist,
                        const QString& albumArtist);

// An album or, when the source could not be read, a message for the user
// that names the file (and the line, where there is one). Importers give
// all of a source or nothing of it.
struct TrackImportResult {
    std::optional<ImportedAlbum> album;
    QString error;

    static TrackImportResult Found(ImportedAlbum album);
    static TrackImportResult Failed(QString message);

    explicit operator bool() const { return album.has_value(); }
};

// Messages in one form: "\"tracks.cue\", line 7: INDEX needs a time mm:ss:ff".
QString ImportMessage(const QString& path, const QString& what);
QString ImportMessageAtLine(const QString& path, int line, const QString& what);

}  // namespace casewright
