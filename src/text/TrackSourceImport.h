#pragma once

#include <QString>

#include "text/ImportedAlbum.h"

namespace casewright {

// The kinds of source a track listing can be imported from.
enum class TrackSourceKind { TextFile, CueSheet, AudioFile, AudioFolder };

// What ImportTrackSource makes of a path: a folder is read for its audio
// files (or for its cue sheet, when it holds one cue sheet and at most one
// audio file, as a ripped disc image does); a path ending in ".cue" is a cue
// sheet; a path with an audio ending is an audio file; anything else is read
// as text.
TrackSourceKind TrackSourceKindOf(const QString& path);

// Imports a track listing from any of those sources. Pure apart from reading
// the files, so it may run on a worker thread.
TrackImportResult ImportTrackSource(const QString& path);

}  // namespace casewright
