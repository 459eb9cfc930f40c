#pragma once

#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>
#include <variant>

#include "document/ColorRef.h"

namespace casewright {

class CoverDocument;

// How a field's value is spelled in a cover file.
enum class CoverFieldForm {
    Integer,    // "%ld"; read as the leading integer, empty is 0
    Colour,     // 0x00BBGGRR as a signed decimal
    BoolWord,   // "TRUE" / "FALSE"; everything but "FALSE" reads as TRUE
    FlagDigit,  // "1" / "0"; everything but "0" reads as TRUE
    Alignment,  // "LEFT" / "CENTER" / "RIGHT"; any other value is ignored
    Text,       // the characters as they are
    Path,       // a full image path; only its extension is read back
    FaceName,   // a font face name, cut to what a font record holds
};

// Where a field lives in the document.
using CoverFieldTarget = std::variant<int32_t*, ColorRef*, bool*, uint8_t*, QString*>;

// One tagged value of a cover file's text section.
struct CoverFileField {
    const char* key;
    CoverFieldForm form;
    CoverFieldTarget (*target)(CoverDocument&);
    bool readBack;  // false for the two spine switches, which are written only
};

// The 52 fields in the order in which they are written.
const QVector<CoverFileField>& CoverFileFields();

// The field with this key (keys are case-sensitive), or nullptr.
const CoverFileField* FindCoverFileField(const QString& key);

// The value as written, or nothing for an alignment outside LEFT..RIGHT,
// which the writer leaves out.
std::optional<QString> FormatCoverField(const CoverDocument& doc, const CoverFileField& field);

// Sets the field from a value by the reading rule of its form. Paths are
// stored as given; the reader's own rules for paths and for the disc's empty
// values are applied by the reader around this.
void ApplyCoverField(CoverDocument& doc, const CoverFileField& field, const QString& value);

// True when the value is one the writer could have written for this form.
bool IsWrittenFormOf(CoverFieldForm form, const QString& value);

// True for the forms whose values are free text (texts, paths, face names).
bool IsTextForm(CoverFieldForm form);

}  // namespace casewright
