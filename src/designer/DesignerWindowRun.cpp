#include "designer/DesignerWindowRun.h"

namespace casewright {

DesignerWindowRun::DesignerWindowRun(CoverDocument& document) : window_(document) {}

DesignerOutcome DesignerWindowRun::run(const QString& pendingCoverPath) {
    window_.setPendingCoverPath(pendingCoverPath);
    DesignerOutcome outcome;
    outcome.result = window_.exec();
    outcome.pendingCoverPath = window_.pendingCoverPath();
    return outcome;
}

}  // namespace casewright
