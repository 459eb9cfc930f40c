#pragma once

#include <QString>
#include <QStringList>

namespace casewright {

// Finds the HTML manual and the licence notices shipped with the program and
// opens manual pages in the desktop's browser.
//
// Data files are looked for beside the executable first (a program started
// from the build tree, or unpacked into one folder), then in the data folder
// found from the executable's folder (bin/../share/casewright, wherever the
// program was installed), then in the configured data folder. The
// environment variable CASEWRIGHT_HELP_DIR, when set, names a manual folder
// that is tried before all of them.
namespace HelpLocator {

// Folders that may hold the program's data files, most specific first.
QStringList DataFolders();
// Folders that may hold the manual's pages, most specific first.
QStringList HelpFolders();

// Full path of a data file such as "freeimage-license.txt"; empty if absent.
QString FindDataFile(const QString& name);
// Full path of a manual page such as "index.html"; empty if absent.
QString FindHelpPage(const QString& page);

// Opens `page` of the manual, or its contents page when `page` is missing.
// Nothing is reported when no manual is found or the browser cannot start.
void OpenHelp(const QString& page = QStringLiteral("index.html"));

}  // namespace HelpLocator

}  // namespace casewright
