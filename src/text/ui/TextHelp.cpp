#include "text/ui/TextHelp.h"

#include "app/ui/HelpLocator.h"

namespace casewright {

void OpenTextsHelp() {
    HelpLocator::OpenHelp(QStringLiteral("texts.html"));
}

}  // namespace casewright
