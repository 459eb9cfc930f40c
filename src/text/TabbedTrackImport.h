#pragma once

#include <QString>
#include <optional>

namespace casewright {

// Builds a back cover track listing from plain text, for people who label
// archive discs from scripts: one track per line, fields separated by tabs in
// the order number, title, length. A line with a single field is a title and
// gets the next number ("4." after track 3), as does a line whose number field
// is empty. Fields are trimmed; blank lines are skipped. The result is in the
// form the track listing editor writes, or empty when no line holds a track.
// Empty fields after the third are ignored (trailing tabs); a line with more
// text than three fields is refused (nothing is returned and
// `error` says which line), since guessing where its extra text belongs could
// garble the listing.
std::optional<QString> TrackListingFromTabbedText(const QString& text, QString* error = nullptr);

// The same from a file, read as UTF-8 or, when it is not valid UTF-8, as
// Windows-1252 (as text editors on Windows save it). Nothing is returned when
// the file cannot be read or a line is refused; `error` then says why.
std::optional<QString> TrackListingFromTabbedFile(const QString& path, QString* error = nullptr);

}  // namespace casewright
