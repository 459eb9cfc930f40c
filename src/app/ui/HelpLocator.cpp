#include "app/ui/HelpLocator.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "controls/Prompter.h"

QString HelpLocator::IndexPath() {
    const QString page = QStringLiteral("/help/index.html");
    const QStringList candidates = {QCoreApplication::applicationDirPath() + page,
                                    QStringLiteral(CASEWRIGHT_DATA_DIR) + page};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return QString();
}

QUrl HelpLocator::IndexUrl() {
    const QString path = IndexPath();
    return path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
}

void HelpLocator::Open(QWidget*) {
    const QUrl url = IndexUrl();
    if (url.isValid()) {
        Prompter::instance().openUrl(url);
    }
}
