#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/ui/DesignerRun.h"

namespace casewright {

// The application object: the whole life of the program is one call to
// run(). It alternates the New Cover dialog and the designer window:
//  - a cover file named on the command line opens the first designer window
//    directly, without the New Cover dialog (only this once);
//  - a designer window that ends with a cover file to open runs again;
//  - a window that ended with Start Over (result 1) leads back to the New
//    Cover dialog and a fresh window; any other result ends the program.
// The image library is initialised once before the first window and
// released once after the last. A damaged settings file is reported once,
// before the first window.
class CCoverApp {
public:
    static constexpr int kStartOverResult = 1;

    struct Windows {
        // Shows the New Cover dialog modally; it stores its choice itself.
        std::function<void()> runNewCoverDialog;
        // Creates one designer window object for one design.
        std::function<std::unique_ptr<DesignerRun>()> createDesigner;
        // Tells the user about a damaged settings file; run once, at start.
        std::function<void()> reportDamagedSettings;
    };

    explicit CCoverApp(Windows windows);

    // Runs the program; `arguments` as QCoreApplication::arguments() gives
    // them (program name first). Returns the process exit code.
    int run(const QStringList& arguments);

    // The cover file named on the command line as an absolute path (a file
    // URL from a desktop launcher is accepted too); empty when there is none.
    static QString CommandLineCoverPath(const QStringList& arguments);

private:
    void runLoop(QString commandLineCover);
    // Runs one designer window until it no longer has a cover file to open;
    // returns the result of its last run.
    int runDesigner(DesignerRun& designer, QString pendingCoverPath);

    Windows windows_;
};

}  // namespace casewright
