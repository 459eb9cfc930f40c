#include "text/ui/TextHelp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

#include "controls/Prompter.h"

namespace {

const char* const kTextsPage = "/help/texts.html";

// The manual beside the program (a build tree or a relocated install) wins
// over the one in the installed data folder.
QString TextsPagePath() {
    const QString besideProgram =
        QCoreApplication::applicationDirPath() + QString::fromLatin1(kTextsPage);
    if (QFileInfo::exists(besideProgram)) {
        return besideProgram;
    }
    const QString installed = QStringLiteral(CASEWRIGHT_DATA_DIR) + QString::fromLatin1(kTextsPage);
    return QFileInfo::exists(installed) ? installed : besideProgram;
}

}  // namespace

void OpenTextsHelp() {
    Prompter::instance().openUrl(QUrl::fromLocalFile(TextsPagePath()));
}
