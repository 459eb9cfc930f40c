#pragma once

#include <QString>

namespace casewright {

// How one run of the designer window ended.
struct DesignerOutcome {
    int result = 0;            // 1 Start Over or Load, 0 a dropped cover file, 6 Exit
    QString pendingCoverPath;  // a cover file to open in the next run; empty for none
};

// One designer window object. The application loop runs the same object again
// for as long as it ends with a cover file to open, then lets it go.
class DesignerRun {
public:
    virtual ~DesignerRun() = default;

    // Runs the window modally; when `pendingCoverPath` is not empty the window
    // opens that cover file as it starts.
    virtual DesignerOutcome run(const QString& pendingCoverPath) = 0;
};

}  // namespace casewright
