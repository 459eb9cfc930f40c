#pragma once

#include <QString>

#include "text/ImportedAlbum.h"

namespace casewright {

// Track rows from text, one track per line, in the shapes people have at
// hand:
//  - fields separated by tabs, as scripts write them and browsers copy web
//    tables: "number TAB title TAB length", "title TAB length" (when the
//    second field is a length), "number TAB title", or a title alone. Numbers
//    are kept as typed; a line without one gets the next number ("4." after
//    track 3). A first line of column headings ("No.", "Title", "Writer(s)",
//    "Length") says which field is which, and other columns are then left
//    out. Without headings a line with more than three non-empty fields is
//    refused, since guessing where its extra text belongs could garble the
//    listing.
//  - lines as web pages and shops list tracks: "1. Title 3:45",
//    "01 - Title (3:45)", "Title - 3:45", "Title [3:45]". A bare leading
//    number ("1 Title") counts only when every such line is numbered in
//    sequence, so "99 Red Balloons" stays a title in a list of titles. A
//    line holding just "1." numbers the title on the next line, and a line
//    holding just a length gives it to the track above it.
// Lengths are rewritten as m:ss (h:mm:ss past an hour); a length field that
// is no time is kept as typed. Blank lines, heading lines such as
// "Tracklist" or "Side one", and total lines ("Total length: 47:23") are
// skipped. `sourceName` names the text in messages.
TrackImportResult ImportTrackText(const QString& text, const QString& sourceName);

// The same from a file (see ReadImportedTextFile for the encodings read).
TrackImportResult ImportTrackTextFile(const QString& path);

}  // namespace casewright
