#pragma once

#include <QString>
#include <QStringList>

#include "text/ImportedAlbum.h"

namespace casewright {

// The filter of the track listing editor's file dialog: text files, cue
// sheets and audio files, each kind also on its own.
QString TrackSourceFileFilter();

// What paths dropped on the track listing editor import: one text file, cue
// sheet, audio file or folder as ImportTrackSource reads it, or several
// audio files as one album. Anything else is refused with a message. Reads
// files only, so it may run on a worker thread.
TrackImportResult ImportDroppedTrackSources(const QStringList& paths);

// How an import is named to the user: the file or folder name, or for
// several files, the first of them and how many more.
QString TrackSourceName(const QStringList& paths);

}  // namespace casewright
