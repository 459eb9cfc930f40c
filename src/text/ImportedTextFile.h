#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace casewright {

// The text of a track list or cue sheet as people's tools save it: UTF-8,
// UTF-16 or UTF-32 with a byte order mark, UTF-8 without one, or else
// Windows-1252 (which covers Latin-1 text), as older Windows tools write it.
QString DecodeImportedText(const QByteArray& bytes);

// The lines of a text, however its tool ends them (CR LF, LF or CR); a text
// that ends with a line break ends with an empty line.
QStringList ImportedTextLines(const QString& text);

// The decoded text of a file; nothing when the file cannot be read or holds
// binary data, and `error` then says so, naming the file.
std::optional<QString> ReadImportedTextFile(const QString& path, QString* error);

}  // namespace casewright
