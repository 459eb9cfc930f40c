#pragma once

#include <QString>

#include "document/CoverFileReader.h"

namespace casewright {

// What the command-line tool says when a cover file cannot be read: the
// missing or unreadable path, or the designer's invalid-file text.
QString ReadFailureText(CoverFileReadOutcome outcome, const QString& path);

// What it says when a cover opened without some of its pictures; empty when
// none was lost.
QString LostImagesText(const CoverFileReadResult& result, const QString& path);

}  // namespace casewright
