#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "text/ImportedAlbum.h"
#include "text/TrackRow.h"

namespace casewright {

// One medium (disc) of a MusicBrainz release, its tracks already in the
// listing's form: the track's number ("1." for a plain number, else as the
// release numbers it, such as "A1"), its title with the track's artist first
// when that is not the release's, and its length.
struct MusicBrainzMedium {
    int position = 0;
    QString format;  // "CD", "Vinyl", ...
    QString title;
    QStringList discIds;
    int trackCount = 0;
    std::vector<TrackRow> rows;  // empty in search results, which list no tracks
};

// A release as the web service describes it (JSON, format version 2).
struct MusicBrainzRelease {
    QString id;  // the release's MBID
    QString title;
    QString artist;  // the artist credit as printed ("A feat. B")
    QString date;
    QString country;
    QString disambiguation;
    int trackCount = 0;
    std::vector<MusicBrainzMedium> media;

    bool hasTracks() const;

    // One line for a list to pick from: "Aerial - Kate Bush (2005, GB, 2xCD)".
    QString label() const;

    // The medium that holds the disc with this ID; -1 when none does.
    int mediumWithDisc(const QString& discId) const;

    // The album to import: the release's title and artist, and the rows of
    // one medium, or of every medium (numbered "disc-track") for -1.
    ImportedAlbum album(int medium) const;
};

// Reading the web service's JSON answers. Nothing is returned for text that
// is not JSON or not the expected object; `error` then says so.
namespace MusicBrainzJson {

// The "releases" of a disc ID lookup or of a release search.
std::optional<std::vector<MusicBrainzRelease>> ParseReleases(const QByteArray& json,
                                                             QString* error);

// A release looked up by its MBID.
std::optional<MusicBrainzRelease> ParseRelease(const QByteArray& json, QString* error);

}  // namespace MusicBrainzJson

}  // namespace casewright
