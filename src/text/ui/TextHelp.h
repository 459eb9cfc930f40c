#pragma once

namespace casewright {

// Opens the manual page about the Cover Text dialog and the track listing
// editor in the desktop's browser. Nothing is reported when that fails.
void OpenTextsHelp();

}  // namespace casewright
