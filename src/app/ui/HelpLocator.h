#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace casewright {

// Finds the HTML manual and the licence notices shipped with the program and
// opens manual pages in the desktop's browser, or in the program's own help
// window when the desktop cannot open them.
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

// Opens `page` of the manual ("printing.html#adjust": a page and, where it
// has one, the section for the window the user is in), or its contents page
// when `page` is missing. When the desktop cannot open it, the page shows in
// a help window of the program above `from` (the active window when
// nullptr). Nothing is reported when no manual is found.
void OpenHelp(const QString& page = QStringLiteral("index.html"), QWidget* from = nullptr);

// F1 in `window` and the windows it contains opens `page` as OpenHelp does.
void ConnectHelpKey(QWidget* window, const QString& page);

}  // namespace HelpLocator

}  // namespace casewright
