#pragma once

#include <QString>
#include <QStringList>

#include "text/ImportedAlbum.h"

namespace casewright {

// Track rows from the tags of audio files (MP3, FLAC, Ogg Vorbis, Opus, M4A,
// WAV and the other formats IsAudioFileName takes), one row a file: the
// track number, the title (the file name, less a leading track number, when
// the file has none), the track's artist before the title when it is not the
// album's, and the running time. Rows are sorted by disc and track number,
// then by file name (numbers in names in numeric order); a file without a
// track number comes after the numbered ones of its disc. A set of more than
// one disc numbers its rows "disc-track" ("2-5"). The album title and artist
// are those the files agree on: the album artist tag, else the one artist
// every file names. A file that cannot be read fails the whole import.
TrackImportResult ImportAudioFiles(const QStringList& paths, const QString& sourceName);
TrackImportResult ImportAudioFile(const QString& path);

// The audio files directly inside a folder (not in its subfolders).
TrackImportResult ImportAudioFolder(const QString& folder);

// The audio files directly inside a folder, sorted by name.
QStringList AudioFilesIn(const QString& folder);

// File names compared as people number them: "track 2" before "track 10".
bool NaturalFileNameLess(const QString& a, const QString& b);

}  // namespace casewright
