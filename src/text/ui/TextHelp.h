#pragma once

class QWidget;

namespace casewright {

// Opens the manual page about the Cover Text dialog and the track listing
// editor, in the desktop's browser or else in a help window above `from`.
void OpenTextsHelp(QWidget* from);

}  // namespace casewright
