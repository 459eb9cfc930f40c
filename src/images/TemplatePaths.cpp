#include "images/TemplatePaths.h"

namespace casewright {

namespace {

QString inFolder(const TemplateEntry& entry, const QString& fileName) {
    return entry.folder + QLatin1Char('/') + fileName;
}

QString replacedUnlessPresent(QString name, const QString& from, const QString& to) {
    if (!name.contains(to)) {
        name.replace(from, to);
    }
    return name;
}

}  // namespace

TemplatePaths TemplatePaths::forClick(const TemplateEntry& entry) {
    const QString& name = entry.backFileName;
    const QString back = QStringLiteral("[BACK]");
    return {entry.backPath(),
            inFolder(entry, replacedUnlessPresent(name, back, QStringLiteral("[FRONT]"))),
            inFolder(entry, replacedUnlessPresent(name, back, QStringLiteral("[DISC]")))};
}

TemplatePaths TemplatePaths::forArrowKey(const TemplateEntry& entry) {
    QString front = entry.backFileName;
    QString disc = entry.backFileName;
    front.replace(QStringLiteral("BACK"), QStringLiteral("FRONT"));
    disc.replace(QStringLiteral("BACK"), QStringLiteral("DISC"));
    return {entry.backPath(), inFolder(entry, front), inFolder(entry, disc)};
}

}  // namespace casewright
