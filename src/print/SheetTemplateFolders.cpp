#include "print/SheetTemplateFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <algorithm>

namespace casewright {

namespace SheetTemplateFolders {

QString UserFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("casewright/sheets"));
}

QStringList Installed() {
    QStringList folders;
    for (const char* database : {"libglabels-3.0/templates", "glabels-qt/templates"}) {
        QStringList found =
            QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QLatin1String(database),
                                      QStandardPaths::LocateDirectory);
        // locateAll lists the most important folder first; the least
        // important is read first so that the most important one wins.
        std::reverse(found.begin(), found.end());
        folders << found;
    }
    folders << UserFolder();
    folders.removeDuplicates();
    return folders;
}

}  // namespace SheetTemplateFolders

}  // namespace casewright
