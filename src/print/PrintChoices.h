#pragma once

#include <QString>

namespace casewright {

// What the user asked the Print dialog for: the stocks of this case type, the
// two print switches and which label of a two-label sheet to use.
struct PrintChoices {
    QString coverStock;
    QString discStock;
    bool printCover = true;
    bool printDisc = true;
    bool useTopDiscLabel = true;

    // The remembered choices of a case type; the top label, as the Print
    // dialog starts with it.
    static PrintChoices FromSettings(int coverType);
};

}  // namespace casewright
