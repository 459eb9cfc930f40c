#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "app/batch/BatchCommands.h"

using namespace casewright;

int main(int argc, char* argv[]) {
    // Rendering text and images needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Casewright"));
    QGuiApplication::setOrganizationName(QStringLiteral("Orvalis"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = RunBatch(QGuiApplication::arguments().mid(1), BatchIo{out, err});
    out.flush();
    err.flush();
    return code;
}
