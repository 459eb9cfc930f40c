#include "app/ui/HelpLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "controls/Prompter.h"

namespace casewright {

namespace HelpLocator {

namespace {

const QString kIndexPage = QStringLiteral("index.html");

QString FindIn(const QStringList& folders, const QString& name) {
    if (name.isEmpty()) {
        return QString();
    }
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return QString();
}

}  // namespace

QStringList DataFolders() {
    QStringList folders;
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        folders << programFolder
                << QDir::cleanPath(programFolder +
                                   QStringLiteral("/" CASEWRIGHT_DATA_DIR_FROM_PROGRAM));
    }
    folders << QStringLiteral(CASEWRIGHT_DATA_DIR);
    return folders;
}

QStringList HelpFolders() {
    QStringList folders;
    const QString overridden = qEnvironmentVariable("CASEWRIGHT_HELP_DIR");
    if (!overridden.isEmpty()) {
        folders << overridden;
    }
    for (const QString& dataFolder : DataFolders()) {
        folders << QDir(dataFolder).filePath(QStringLiteral("help"));
    }
    return folders;
}

QString FindDataFile(const QString& name) {
    return FindIn(DataFolders(), name);
}

QString FindHelpPage(const QString& page) {
    return FindIn(HelpFolders(), page);
}

void OpenHelp(const QString& page) {
    QString path = FindHelpPage(page);
    if (path.isEmpty()) {
        path = FindHelpPage(kIndexPage);
    }
    if (!path.isEmpty()) {
        Prompter::instance().openUrl(QUrl::fromLocalFile(path));
    }
}

}  // namespace HelpLocator

}  // namespace casewright
