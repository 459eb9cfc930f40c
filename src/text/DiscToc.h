#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "text/CueSheet.h"

namespace casewright {

// An audio CD's table of contents as the MusicBrainz disc ID is computed from
// it: the numbers of the first and last audio track, where each of them
// starts and where the lead-out starts, in CD frames counted with the two
// seconds (150 frames) before the first track.
struct DiscToc {
    static constexpr int kLeadInFrames = 150;

    int firstTrack = 1;
    int lastTrack = 0;
    std::vector<int> trackOffsets;  // of tracks firstTrack..lastTrack
    int leadOut = 0;

    // "first last lead-out offset1 offset2 ...", the form the web service
    // takes for a lookup by table of contents.
    QString text() const;

    bool operator==(const DiscToc& other) const;
};

// The disc ID of a table of contents, computed by libdiscid; nothing when the
// table is impossible (offsets out of order, more than 99 tracks, ...), and
// `error` then says why.
std::optional<QString> MusicBrainzDiscId(const DiscToc& toc, QString* error);

// The CD drive libdiscid reads by default ("/dev/cdrom" on Linux).
QString DefaultCdDrive();

// The table of contents of the CD in a drive (empty: the default drive).
// Blocks while the drive spins up, so callers keep it off the UI thread.
std::optional<DiscToc> ReadCdDriveToc(const QString& device, QString* error);

// The table of contents of the disc a cue sheet describes, from its INDEX 01
// positions and the running times of its files. Data tracks after the last
// audio track (of an enhanced CD) are left out, with the lead-out before
// them as on such a disc. Nothing when the track numbers are not
// consecutive or a file's running time is unknown; `error` then says which.
std::optional<DiscToc> CueSheetToc(const CueSheet& sheet,
                                   const std::vector<std::optional<qint64>>& fileFrames,
                                   QString* error);

// The same for a cue sheet file, with the running times of the files beside it.
std::optional<DiscToc> ReadCueSheetToc(const QString& path, QString* error);

}  // namespace casewright
