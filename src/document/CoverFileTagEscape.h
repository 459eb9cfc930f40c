#pragma once

#include <QString>

namespace casewright {

// Keeps tag strings out of the values of a cover file's text section, so
// that a text which holds "[END]" or "[fCoverTitle]" reads back as typed
// and every reader that looks fields up by tag still finds the real ones.
//
// Inside a value, a WORD JOINER (U+2060) goes after every "[" that begins a
// tag of the format, and after every "[" already followed by a word joiner;
// reading removes one word joiner after each "[". Nothing else changes, so
// a value without such a "[" is stored as it is. The word joiner has no
// Windows-1252 byte, so a text section that needs one is written in UTF-8;
// older readers show it as nothing at all.
namespace CoverFileTagEscape {

constexpr char16_t kBreak = 0x2060;

QString protect(const QString& value);
QString restore(const QString& stored);

}  // namespace CoverFileTagEscape

}  // namespace casewright
