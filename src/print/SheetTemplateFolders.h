#pragma once

#include <QStringList>

namespace casewright {

namespace SheetTemplateFolders {

// Where label sheet templates are installed on this system, read in this
// order: the gLabels template database of every data folder
// ($XDG_DATA_DIRS, so /usr/share and /usr/local/share), as gLabels 3 and
// the Qt version of gLabels install it, then the user's own sheets in
// $XDG_DATA_HOME/casewright/sheets, so that a user's file has the last word.
QStringList Installed();

// The folder of the user's own sheets.
QString UserFolder();

}  // namespace SheetTemplateFolders

}  // namespace casewright
