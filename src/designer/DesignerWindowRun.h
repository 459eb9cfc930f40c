#pragma once

#include "app/ui/DesignerRun.h"
#include "designer/CCoverDesignerDlg.h"

namespace casewright {

class CoverDocument;

// The designer window as the application loop runs it: one window object
// per design, run again for as long as it ends with a cover file to open.
class DesignerWindowRun : public DesignerRun {
public:
    // `document` is the program's one design; it outlives every window.
    explicit DesignerWindowRun(CoverDocument& document);

    DesignerOutcome run(const QString& pendingCoverPath) override;

    CCoverDesignerDlg& window() { return window_; }

private:
    CCoverDesignerDlg window_;
};

}  // namespace casewright
