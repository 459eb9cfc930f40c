#include "print/PrintPlan.h"

#include "print/LabelStock.h"
#include "print/PageLayouts.h"

namespace casewright {

bool PrintPlan::needsPaperPrompts() const {
    const QString plain = LabelStocks::PlainPaper();
    return coverStockName != plain || discStockName != plain;
}

PrintPlan PrintPlan::Make(int coverType, const PrintChoices& choices) {
    PrintPlan plan;
    plan.coverType = coverType;
    plan.printCover = choices.printCover;
    plan.printDisc = choices.printDisc;
    plan.useTopDiscLabel = choices.useTopDiscLabel;
    plan.adjustment = choices.adjustment;

    const std::optional<LayoutIndex> caseLayout = LayoutForCoverType(coverType);
    if (caseLayout) {
        plan.coverLayout = *caseLayout;
    }
    plan.coverStockName = LabelStocks::PlainPaper();

    const std::optional<LabelStock> disc = LabelStocks::Find(choices.discStock);
    if (disc && disc->discLayout) {
        plan.discLayout = *disc->discLayout;
        plan.discStockName = disc->name;
        plan.discOnLetterPaper = disc->letterSize;
    } else {
        plan.discLayout = plan.coverLayout;
        plan.discStockName = LabelStocks::PlainPaper();
        // Plain paper has one disc position only.
        plan.useTopDiscLabel = true;
    }
    return plan;
}

}  // namespace casewright
