#pragma once

#include <QPageSize>
#include <QString>
#include <optional>

#include "print/LabelStock.h"
#include "print/PrintChoices.h"

namespace casewright {

class StockCatalog;

// The choices of one job turned into sheets: which layout each sheet uses and
// the stock names the paper prompts show.
struct PrintPlan {
    int coverType = 0;
    // Empty for a case type that has no page layout: nothing can be printed.
    std::optional<int> coverLayout;
    std::optional<int> discLayout;
    QString coverStockName;
    QString discStockName;
    LabelStock discStock;
    QPageSize discPaper{QPageSize::A4};
    bool discOnLetterPaper = false;
    bool printCover = true;
    bool printDisc = true;
    LabelSelection discLabels;
    PrinterAdjustment adjustment;  // applied to the layouts of both sheets

    // With plain paper for both sheets nobody needs to be asked to change paper.
    bool needsPaperPrompts() const;

    // Covers always use the case type's own layout. A disc on a label sheet
    // uses the sheet's layout (all Avery sheets share one) and the prompt
    // names the sheet the user chose.
    // A stock name that is not in the list (an edited or emptied settings
    // file, a sheet whose template is no longer installed) is taken as plain
    // paper, so that every sheet has a layout. Plain paper has one disc
    // position only.
    static PrintPlan Make(int coverType, const PrintChoices& choices, const StockCatalog& stocks);
    // With the built-in stocks only.
    static PrintPlan Make(int coverType, const PrintChoices& choices);
};

}  // namespace casewright
