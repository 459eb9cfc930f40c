#pragma once

#include <QString>

#include "print/LabelSelection.h"

namespace casewright {

// What the user asked the Print dialog for: the stocks of this case type, the
// two print switches and which labels of the disc's sheet to print on.
struct PrintChoices {
    QString coverStock;
    QString discStock;
    bool printCover = true;
    bool printDisc = true;
    LabelSelection discLabels;

    // The remembered choices of a case type; the first (top) label, as the
    // Print dialog starts with it.
    static PrintChoices FromSettings(int coverType);
};

}  // namespace casewright
