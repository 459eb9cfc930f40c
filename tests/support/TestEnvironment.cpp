#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/SettingsStore.h"

namespace casewright {

namespace {

QTemporaryDir& SessionDir() {
    static QTemporaryDir dir;
    return dir;
}

void PointXdgAt(const QString& root) {
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/cache")).toUtf8());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
    qputenv("HOME", (root + QStringLiteral("/home")).toUtf8());
    QDir().mkpath(root + QStringLiteral("/home"));
}

}  // namespace

void PrepareHeadlessTestEnvironment() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setApplicationName(QStringLiteral("Casewright"));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvalis"));
    PointXdgAt(SessionDir().path());
}

void IsolatedSettingsTest::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    PointXdgAt(dir_.path());
}

void IsolatedSettingsTest::TearDown() {
    PointXdgAt(SessionDir().path());
}

QString IsolatedSettingsTest::configFile() const {
    return SettingsStore::filePath();
}

QString IsolatedSettingsTest::tempPath(const QString& name) const {
    QDir().mkpath(dir_.path() + QStringLiteral("/scratch"));
    return dir_.path() + QStringLiteral("/scratch/") + name;
}

ScratchManual::ScratchManual(const QStringList& pages) {
    for (const QString& page : pages) {
        QFile file(dir_.path() + QLatin1Char('/') + page);
        file.open(QIODevice::WriteOnly);
    }
    qputenv("CASEWRIGHT_HELP_DIR", dir_.path().toUtf8());
}

ScratchManual::~ScratchManual() {
    qunsetenv("CASEWRIGHT_HELP_DIR");
}

}  // namespace casewright
