#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace casewright {

// Offscreen platform, fixed names, and configuration and cache folders in a
// temporary directory, so that no test touches the user's own settings.
void PrepareHeadlessTestEnvironment();

// A fixture whose every test starts with empty settings and cache folders.
class IsolatedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString configFile() const;                   // the settings file the store uses
    QString tempPath(const QString& name) const;  // a path in a scratch folder

    QTemporaryDir dir_;
};

// A manual folder holding empty copies of the given pages, named by
// CASEWRIGHT_HELP_DIR while the object lives, so help lookups find it.
class ScratchManual {
public:
    explicit ScratchManual(const QStringList& pages);
    ~ScratchManual();

private:
    QTemporaryDir dir_;
};

}  // namespace casewright
