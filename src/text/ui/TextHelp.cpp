#include "text/ui/TextHelp.h"

#include "app/ui/HelpLocator.h"

namespace casewright {

void OpenTextsHelp(QWidget* from) {
    HelpLocator::OpenHelp(QStringLiteral("texts.html"), from);
}

}  // namespace casewright
