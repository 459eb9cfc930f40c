#include "print/PrintChoices.h"

#include "app/SettingsStore.h"

namespace casewright {

PrintChoices PrintChoices::FromSettings(int coverType) {
    const SettingsStore settings;
    PrintChoices choices;
    choices.coverStock = settings.coverStock(coverType);
    choices.discStock = settings.discStock(coverType);
    choices.printCover = settings.printCover != 0;
    choices.printDisc = settings.printDisc != 0;
    choices.adjustment = settings.printerAdjustment();
    return choices;
}

}  // namespace casewright
