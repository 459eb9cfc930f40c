#include "app/ui/CCoverApp.h"

#include <QFileInfo>
#include <QUrl>
#include <utility>

#include "images/FreeImageSession.h"

namespace casewright {

CCoverApp::CCoverApp(Windows windows) : windows_(std::move(windows)) {}

int CCoverApp::run(const QStringList& arguments) {
    const FreeImageSession imageLibrary;
    if (windows_.reportDamagedSettings) {
        windows_.reportDamagedSettings();
    }
    runLoop(CommandLineCoverPath(arguments));
    return 0;
}

QString CCoverApp::CommandLineCoverPath(const QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) {
            continue;
        }
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        return QFileInfo(path).absoluteFilePath();
    }
    return QString();
}

void CCoverApp::runLoop(QString commandLineCover) {
    int result = kStartOverResult;
    while (result == kStartOverResult) {
        if (commandLineCover.isEmpty()) {
            windows_.runNewCoverDialog();
        }
        std::unique_ptr<DesignerRun> designer = windows_.createDesigner();
        result = runDesigner(*designer, std::exchange(commandLineCover, QString()));
    }
}

int CCoverApp::runDesigner(DesignerRun& designer, QString pendingCoverPath) {
    DesignerOutcome outcome;
    do {
        outcome = designer.run(pendingCoverPath);
        pendingCoverPath = outcome.pendingCoverPath;
    } while (!pendingCoverPath.isEmpty());
    return outcome.result;
}

}  // namespace casewright
