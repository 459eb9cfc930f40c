#pragma once

#include "app/ui/CCoverApp.h"

namespace casewright {

class CoverDocument;

// The program's real windows for the application loop: the New Cover dialog
// and designer windows that all edit `document`, which outlives them.
CCoverApp::Windows MakeCoverAppWindows(CoverDocument& document);

}  // namespace casewright
