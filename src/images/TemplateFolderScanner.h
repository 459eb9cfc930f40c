#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include "images/TemplateEntry.h"

namespace casewright {

// What a scan of the template folders found.
struct TemplateScan {
    QVector<TemplateEntry> entries;
    // The system's text of each listing that failed for another reason than a
    // missing folder; the names found before the failure are kept.
    QStringList errors;
};

// Finds the templates: every file whose name contains "[BACK]" in the
// template folders. Hidden entries (names starting with "."), folders,
// anything that is not a regular file (devices, pipes, sockets, broken links)
// and temporary files (editor backups ending in "~", partial downloads and
// ".tmp" files) are skipped.
//
// Folders are read in the order given; within a folder the names are sorted
// without regard to letter case, so the list reads alphabetically whatever
// order the file system keeps. A name already found in an earlier folder is
// not listed again: a template beside the program shadows the installed one
// of the same name, and the same folder named twice is read once.
class TemplateFolderScanner {
public:
    // "CLIPART" beside the running program, then the one in the data folder
    // found from the program's folder (where a package installed it), then
    // the one in the configured data folder.
    static QStringList defaultFolders();

    static TemplateScan scan(const QStringList& folders);

    static bool isTemporaryName(const QString& name);

private:
    static void scanFolder(const QString& folder, TemplateScan& scan, QSet<QString>& seenNames);
    static bool isCandidate(const QString& folder, const QString& name);
};

}  // namespace casewright
