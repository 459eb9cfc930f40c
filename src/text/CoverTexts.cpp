#include "text/CoverTexts.h"

namespace casewright {

bool CoverTexts::operator==(const CoverTexts& other) const {
    return spineText == other.spineText && backText == other.backText &&
           frontText == other.frontText && discText == other.discText &&
           backTitle == other.backTitle && frontTitle == other.frontTitle &&
           discTitle == other.discTitle;
}

}  // namespace casewright
