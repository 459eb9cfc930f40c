#include "text/ui/TextHelp.h"

#include "app/ui/HelpLocator.h"

void OpenTextsHelp() {
    HelpLocator::OpenHelp(QStringLiteral("texts.html"));
}
