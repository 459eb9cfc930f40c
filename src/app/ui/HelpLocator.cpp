#include "app/ui/HelpLocator.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

#include "app/ui/CHelpWindow.h"
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

namespace {

// One help window per window the user asked from, above it: a window of its
// own that stays usable while that (modal) window is open.
void ShowInHelpWindow(const QUrl& url, QWidget* from) {
    QWidget* owner = from ? from->window() : QApplication::activeModalWidget();
    if (!owner) {
        owner = QApplication::activeWindow();
    }
    CHelpWindow* help =
        owner ? owner->findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help) {
        help = new CHelpWindow(owner);
    }
    help->showPage(url);
    help->show();
    help->raise();
    help->activateWindow();
}

}  // namespace

void OpenHelp(const QString& page, QWidget* from) {
    const int hash = page.indexOf(QLatin1Char('#'));
    const QString file = hash < 0 ? page : page.left(hash);
    QString path = FindHelpPage(file);
    QString section = hash < 0 ? QString() : page.mid(hash + 1);
    if (path.isEmpty()) {
        path = FindHelpPage(kIndexPage);
        section.clear();
    }
    if (path.isEmpty()) {
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!section.isEmpty()) {
        url.setFragment(section);
    }
    if (!Prompter::instance().openUrl(url)) {
        ShowInHelpWindow(url, from);
    }
}

void ConnectHelpKey(QWidget* window, const QString& page) {
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(key, &QShortcut::activated, window,
                     [window, page] { OpenHelp(page, window); });
}

}  // namespace HelpLocator

}  // namespace casewright
