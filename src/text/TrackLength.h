#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace casewright {

// How the length column spells a running time: "3:45", and "1:02:03" past an
// hour. Every importer writes lengths through these, so a listing reads the
// same whichever source it came from.
namespace TrackLength {

// CD audio is addressed in frames (sectors) of 1/75 second.
constexpr qint64 kCdFramesPerSecond = 75;

// Rounded to the nearest second; nothing (an empty text) for a negative time.
QString FromMilliseconds(qint64 milliseconds);
QString FromSeconds(qint64 seconds);
QString FromCdFrames(qint64 frames);

// The seconds of a typed length: "3:45", "03:45", "75:00", "1:02:03".
// Nothing for any other text, or when seconds or minutes after an hour
// count past 59.
std::optional<qint64> SecondsOf(const QString& text);

// The sum of a listing's lengths, empty cells skipped. Nothing when no
// length is given; when a length cannot be read, nothing and that length in
// `unreadable`, as a total that left it out would be wrong.
std::optional<qint64> TotalSeconds(const QStringList& lengths, QString* unreadable = nullptr);

// A typed length in the form above ("03:45" -> "3:45", "75:00" -> "1:15:00");
// any text that is no length is kept as it is.
QString Normalized(const QString& text);

}  // namespace TrackLength

}  // namespace casewright
