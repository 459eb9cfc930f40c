#pragma once

#include <QString>

#include "print/LabelSelection.h"
#include "print/PrinterAdjustment.h"

namespace casewright {

// What the user asked the Print dialog for: the stocks of this case type, the
// two print switches, which labels of the disc's sheet to print on, and the
// printer adjustments set from it.
struct PrintChoices {
    QString coverStock;
    QString discStock;
    bool printCover = true;
    bool printDisc = true;
    LabelSelection discLabels;
    PrinterAdjustment adjustment;

    // The remembered choices of a case type and the stored adjustments; the first (top) label, as
    // the Print dialog starts with it.
    static PrintChoices FromSettings(int coverType);
};

}  // namespace casewright
