#pragma once

#include <QFont>
#include <QString>
#include <cstdint>

namespace casewright {

// A font as the design records it: the fields of a Windows logical font.
// `height` is in pixels at kHeightDpi; a negative height is the character
// height (without internal leading).
struct LogFont {
    static constexpr int kMaxFaceLength = 31;

    // Heights are pixels at this resolution whatever screen the design is
    // made, shown or printed on, so a file has the same text sizes on every
    // desktop; it is the resolution Windows uses unless told otherwise, so
    // files made there keep their sizes too.
    static constexpr int kHeightDpi = 96;

    // The (negative) character height of a size in tenths of a point, and
    // the size in tenths of a point that a height stands for, both at
    // kHeightDpi and rounded to the nearest (12 pt is -16; -10 is 7.5 pt).
    static int32_t HeightForPointTenths(int tenths);
    static int PointTenthsForHeight(int32_t height);

    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    QString faceName;

    // Stores a face name cut to the 31 characters a record can hold.
    void setFaceName(const QString& name) { faceName = CutFaceName(name); }

    // The name cut to what a record holds, never in the middle of a
    // character that takes two UTF-16 units.
    static QString CutFaceName(const QString& name);

    // The font to draw with; escapement is left to the painter's rotation.
    QFont toQFont() const;

    bool operator==(const LogFont& other) const;
    bool operator!=(const LogFont& other) const { return !(*this == other); }
};

}  // namespace casewright
