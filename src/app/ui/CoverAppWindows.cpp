#include "app/ui/CoverAppWindows.h"

#include "app/ui/SettingsDamagePrompt.h"
#include "designer/CNewCoverDlg.h"
#include "designer/DesignerWindowRun.h"

namespace casewright {

CCoverApp::Windows MakeCoverAppWindows(CoverDocument& document) {
    CCoverApp::Windows windows;
    windows.runNewCoverDialog = [] {
        CNewCoverDlg dialog;
        dialog.exec();
    };
    windows.createDesigner = [&document] { return std::make_unique<DesignerWindowRun>(document); };
    windows.reportDamagedSettings = [] { ReportDamagedSettings(nullptr); };
    return windows;
}

}  // namespace casewright
