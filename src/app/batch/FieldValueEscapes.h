#pragma once

#include <QString>
#include <optional>

namespace casewright {

// Field values on the command line: backslash, carriage return and line
// feed are written as "\\", "\r" and "\n", so every value fits on one line.
QString EscapeFieldValue(const QString& value);

// The reverse; nothing when the text holds any other backslash sequence.
std::optional<QString> UnescapeFieldValue(const QString& text);

}  // namespace casewright
