#include "print/PrintPlan.h"

#include "print/DiscSheet.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/StockCatalog.h"

namespace casewright {

bool PrintPlan::needsPaperPrompts() const {
    const QString plain = LabelStocks::PlainPaper();
    return coverStockName != plain || discStockName != plain;
}

PrintPlan PrintPlan::Make(int coverType, const PrintChoices& choices) {
    return Make(coverType, choices, StockCatalog());
}

PrintPlan PrintPlan::Make(int coverType, const PrintChoices& choices, const StockCatalog& stocks) {
    PrintPlan plan;
    plan.coverType = coverType;
    plan.printCover = choices.printCover;
    plan.printDisc = choices.printDisc;
    plan.discLabels = choices.discLabels;
    plan.adjustment = choices.adjustment;

    const std::optional<LayoutIndex> caseLayout = LayoutForCoverType(coverType);
    if (caseLayout) {
        plan.coverLayout = *caseLayout;
    }
    plan.coverStockName = LabelStocks::PlainPaper();

    const std::optional<LabelStock> disc = stocks.find(choices.discStock);
    if (disc && (disc->discLayout || disc->sheet)) {
        plan.discStock = *disc;
        plan.discLayout = DiscLayoutIndex(*disc, coverType);
        plan.discStockName = disc->name;
    } else {
        plan.discStock = *LabelStocks::Find(LabelStocks::PlainPaper());
        plan.discLayout = plan.coverLayout;
        plan.discStockName = LabelStocks::PlainPaper();
        plan.discLabels = LabelSelection();
    }
    plan.discPaper = DiscPaper(plan.discStock);
    plan.discOnLetterPaper = plan.discPaper.id() == QPageSize::Letter;
    return plan;
}

}  // namespace casewright
