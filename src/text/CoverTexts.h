#pragma once

#include <QString>

namespace casewright {

// The seven free texts the Cover Text dialog edits, one per edit box.
struct CoverTexts {
    QString spineText;
    QString backText;
    QString frontText;
    QString discText;
    QString backTitle;
    QString frontTitle;
    QString discTitle;

    bool operator==(const CoverTexts& other) const;
    bool operator!=(const CoverTexts& other) const { return !(*this == other); }
};

}  // namespace casewright
