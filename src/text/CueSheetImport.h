#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

#include "text/CueSheet.h"
#include "text/ImportedAlbum.h"

namespace casewright {

// Where a cue sheet's tracks lie on the disc it describes, in CD frames from
// the start of the first file. A track's length runs from its INDEX 01 to the
// next track's (so it holds the next track's pregap, as a CD player counts
// it), and the last track's to the end of its file. Whatever needs the
// length of a file that is not known stays unknown.
struct CueDiscLayout {
    std::vector<std::optional<qint64>> trackStarts;
    std::vector<std::optional<qint64>> trackLengths;
    std::optional<qint64> discEnd;
};

// `fileFrames`: the running time of each of the sheet's files, where known.
CueDiscLayout LayOutCueSheet(const CueSheet& sheet,
                             const std::vector<std::optional<qint64>>& fileFrames);

// The path of a file the sheet names, looked for beside the sheet: as
// spelled (Windows separators too), by its name alone, and, as rippers'
// files are often converted after the sheet was written, by its base name
// with another audio ending ("album.wav" found as "album.flac"). Empty when
// there is none.
QString FindCueSheetFile(const QString& name, const QString& folder);

// The running time of each file in CD frames: audio files read with TagLib,
// raw BINARY/MOTOROLA images from their size (2352 bytes a frame).
std::vector<std::optional<qint64>> CueSheetFileFrames(const CueSheet& sheet, const QString& folder);

// The listing of the sheet's audio tracks: number, title (the track's
// performer first when it is not the disc's), and length where known; the
// disc's TITLE and PERFORMER as the album's (the performer every track names
// when the disc names none).
ImportedAlbum AlbumFromCueSheet(const CueSheet& sheet, const CueDiscLayout& layout);

// Reads a cue sheet and the lengths of its files.
TrackImportResult ImportCueSheet(const QString& path);

}  // namespace casewright
