#include "document/CoverFileFields.h"

#include <QRegularExpression>

#include "app/SettingsStore.h"
#include "document/CoverDocument.h"

namespace casewright {

namespace {

using D = CoverDocument;
using F = CoverFieldForm;

// clang-format off
const QVector<CoverFileField> kFields = {
    {"covertype", F::Integer, [](D& d) -> CoverFieldTarget { return &d.covertype; }, true},
    {"fBGColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.fBGColor; }, true},
    {"bBGColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.bBGColor; }, true},
    {"dBGColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.dBGColor; }, true},
    {"fShowBorder", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.fShowBorder; }, true},
    {"bShowBorder", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.bShowBorder; }, true},
    {"dShowBorder", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.dShowBorder; }, true},
    {"CoverOption", F::Integer, [](D& d) -> CoverFieldTarget { return &d.CoverOption; }, true},
    {"fImagePath", F::Path, [](D& d) -> CoverFieldTarget { return &d.fImagePath; }, true},
    {"bImagePath", F::Path, [](D& d) -> CoverFieldTarget { return &d.bImagePath; }, true},
    {"sImagePath", F::Path, [](D& d) -> CoverFieldTarget { return &d.sImagePath; }, true},
    {"dImagePath", F::Path, [](D& d) -> CoverFieldTarget { return &d.dImagePath; }, true},
    {"fCoverAlign", F::Alignment, [](D& d) -> CoverFieldTarget { return &d.fCoverAlign; }, true},
    {"bCoverAlign", F::Alignment, [](D& d) -> CoverFieldTarget { return &d.bCoverAlign; }, true},
    {"dCoverAlign", F::Alignment, [](D& d) -> CoverFieldTarget { return &d.dCoverAlign; }, true},
    {"fCoverText", F::Text, [](D& d) -> CoverFieldTarget { return &d.fCoverText; }, true},
    {"bCoverText", F::Text, [](D& d) -> CoverFieldTarget { return &d.bCoverText; }, true},
    {"dCoverText", F::Text, [](D& d) -> CoverFieldTarget { return &d.dCoverText; }, true},
    {"fCoverTitle", F::Text, [](D& d) -> CoverFieldTarget { return &d.fCoverTitle; }, true},
    {"bCoverTitle", F::Text, [](D& d) -> CoverFieldTarget { return &d.bCoverTitle; }, true},
    {"dCoverTitle", F::Text, [](D& d) -> CoverFieldTarget { return &d.dCoverTitle; }, true},
    {"fCoverTextFontName", F::Text, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFontName; }, true},
    {"bCoverTextFontName", F::Text, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFontName; }, true},
    {"dCoverTextFontName", F::Text, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFontName; }, true},
    {"fCoverTextColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.fCoverTextColor; }, true},
    {"bCoverTextColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.bCoverTextColor; }, true},
    {"dCoverTextColor", F::Colour, [](D& d) -> CoverFieldTarget { return &d.dCoverTextColor; }, true},
    {"fCoverTextFontFace", F::FaceName, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.faceName; }, true},
    {"bCoverTextFontFace", F::FaceName, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.faceName; }, true},
    {"dCoverTextFontFace", F::FaceName, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.faceName; }, true},
    {"fCoverTextFontHeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.height; }, true},
    {"bCoverTextFontHeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.height; }, true},
    {"dCoverTextFontHeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.height; }, true},
    {"fCoverTextFontWeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.weight; }, true},
    {"bCoverTextFontWeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.weight; }, true},
    {"dCoverTextFontWeight", F::Integer, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.weight; }, true},
    {"fCoverTextFontItalic", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.italic; }, true},
    {"bCoverTextFontItalic", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.italic; }, true},
    {"dCoverTextFontItalic", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.italic; }, true},
    {"fCoverTextFontStrikeout", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.strikeOut; }, true},
    {"bCoverTextFontStrikeout", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.strikeOut; }, true},
    {"dCoverTextFontStrikeout", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.strikeOut; }, true},
    {"fCoverTextFontUnderline", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.fCoverTextFont.underline; }, true},
    {"bCoverTextFontUnderline", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.bCoverTextFont.underline; }, true},
    {"dCoverTextFontUnderline", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.dCoverTextFont.underline; }, true},
    {"bFrontPrintOverSpines", F::FlagDigit, [](D& d) -> CoverFieldTarget { return &d.bFrontPrintOverSpines; }, true},
    {"bBackPrintOverSpines", F::FlagDigit, [](D& d) -> CoverFieldTarget { return &d.bBackPrintOverSpines; }, true},
    {"printOverInnerCircleDisc", F::FlagDigit, [](D& d) -> CoverFieldTarget { return &d.printOverInnerCircleDisc; }, true},
    {"frontCoverSpinesOn", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.frontCoverSpinesOn; }, false},
    {"backCoverSpinesOn", F::BoolWord, [](D& d) -> CoverFieldTarget { return &d.backCoverSpinesOn; }, false},
    {"frontCoverSpineText", F::Text, [](D& d) -> CoverFieldTarget { return &d.frontCoverSpineText; }, true},
    {"backCoverSpineText", F::Text, [](D& d) -> CoverFieldTarget { return &d.backCoverSpineText; }, true},
};
// clang-format on

const char* const kAlignWords[] = {"LEFT", "CENTER", "RIGHT"};

std::optional<QString> AlignmentWord(int32_t align) {
    if (align < 0 || align > 2) {
        return std::nullopt;
    }
    return QString::fromLatin1(kAlignWords[align]);
}

int AlignmentFromWord(const QString& word) {
    for (int i = 0; i < 3; ++i) {
        if (word == QLatin1String(kAlignWords[i])) {
            return i;
        }
    }
    return -1;
}

QString BoolWord(bool on) {
    return on ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

// Turns any target into its written text for the given form.
struct Formatter {
    CoverFieldForm form;

    std::optional<QString> operator()(const int32_t* v) const {
        return form == F::Alignment ? AlignmentWord(*v) : QString::number(*v);
    }
    std::optional<QString> operator()(const ColorRef* v) const {
        return QString::number(static_cast<int32_t>(*v));
    }
    std::optional<QString> operator()(const bool* v) const {
        if (form == F::FlagDigit) {
            return *v ? QStringLiteral("1") : QStringLiteral("0");
        }
        return BoolWord(*v);
    }
    std::optional<QString> operator()(const uint8_t* v) const { return BoolWord(*v != 0); }
    std::optional<QString> operator()(const QString* v) const { return *v; }
};

// Stores a value read from a file into any target by the form's rule.
struct Applier {
    CoverFieldForm form;
    const QString& value;

    void operator()(int32_t* v) const {
        if (form != F::Alignment) {
            *v = SettingsStore::LeadingInteger(value);
            return;
        }
        const int align = AlignmentFromWord(value);
        if (align >= 0) {
            *v = align;
        }
    }
    void operator()(ColorRef* v) const {
        *v = static_cast<ColorRef>(SettingsStore::LeadingInteger(value));
    }
    void operator()(bool* v) const { *v = readsAsTrue(); }
    void operator()(uint8_t* v) const { *v = readsAsTrue() ? 1 : 0; }
    void operator()(QString* v) const {
        *v = form == F::FaceName ? LogFont::CutFaceName(value) : value;
    }

    bool readsAsTrue() const {
        return value != (form == F::FlagDigit ? QLatin1String("0") : QLatin1String("FALSE"));
    }
};

}  // namespace

const QVector<CoverFileField>& CoverFileFields() {
    return kFields;
}

const CoverFileField* FindCoverFileField(const QString& key) {
    for (const CoverFileField& field : kFields) {
        if (key == QLatin1String(field.key)) {
            return &field;
        }
    }
    return nullptr;
}

std::optional<QString> FormatCoverField(const CoverDocument& doc, const CoverFileField& field) {
    // The target is only read here.
    const CoverFieldTarget target = field.target(const_cast<CoverDocument&>(doc));
    return std::visit(Formatter{field.form}, target);
}

void ApplyCoverField(CoverDocument& doc, const CoverFileField& field, const QString& value) {
    std::visit(Applier{field.form, value}, field.target(doc));
}

bool IsWrittenFormOf(CoverFieldForm form, const QString& value) {
    static const QRegularExpression integer(QStringLiteral("^(0|-?[1-9][0-9]{0,9})$"));
    switch (form) {
        case F::Integer:
        case F::Colour: {
            if (!integer.match(value).hasMatch()) {
                return false;
            }
            const long long number = value.toLongLong();
            return number >= INT32_MIN && number <= INT32_MAX;
        }
        case F::BoolWord:
            return value == QLatin1String("TRUE") || value == QLatin1String("FALSE");
        case F::FlagDigit:
            return value == QLatin1String("0") || value == QLatin1String("1");
        case F::Alignment:
            return AlignmentFromWord(value) >= 0;
        case F::Text:
        case F::Path:
        case F::FaceName:
            return true;
    }
    return false;
}

bool IsTextForm(CoverFieldForm form) {
    return form == F::Text || form == F::Path || form == F::FaceName;
}

}  // namespace casewright
