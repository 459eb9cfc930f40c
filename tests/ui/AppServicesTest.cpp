#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QUrl>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "app/UpdateReminder.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/HelpLocator.h"
#include "app/ui/UpdateReminderPrompt.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

class AppServicesTest : public IsolatedSettingsTest {
protected:
    void TearDown() override {
        qunsetenv("CASEWRIGHT_HELP_DIR");
        IsolatedSettingsTest::TearDown();
    }

    // A manual folder holding the given pages.
    QString makeHelpFolder(const QStringList& pages) {
        const QString folder = tempPath(QStringLiteral("help"));
        QDir().mkpath(folder);
        for (const QString& page : pages) {
            QFile file(QDir(folder).filePath(page));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        qputenv("CASEWRIGHT_HELP_DIR", folder.toUtf8());
        return folder;
    }

    static void storeLastCheck(QDate date) {
        SettingsStore store;
        store.LastCheckUpdates = UpdateReminder::FormatDate(date);
        store.save();
    }

    static QString labelText(const QDialog& dialog, const char* name) {
        const auto* label = dialog.findChild<QLabel*>(QLatin1String(name));
        return label ? label->text() : QStringLiteral("<missing>");
    }
};

const QDate kToday(2026, 12, 7);

}  // namespace

TEST_F(AppServicesTest, ReminderAsksWithItsCaptionAndOpensTheUpdatePageOnYes) {
    storeLastCheck(kToday.addDays(-60));
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Answer::Yes};
    RunUpdateReminder(nullptr, kToday);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("60 Day Update"));
    EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Question);
    EXPECT_EQ(prompter.openedUrls, QStringList{ProductInfo::UpdatePageUrl()});
    EXPECT_TRUE(ProductInfo::UpdatePageUrl().endsWith(QStringLiteral("?v=4.13")));
}

TEST_F(AppServicesTest, ReminderAnsweredNoOpensNothing) {
    storeLastCheck(kToday.addDays(-61));
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Answer::No};
    RunUpdateReminder(nullptr, kToday);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.openedUrls.isEmpty());
}

TEST_F(AppServicesTest, HelpOpensTheAskedPageOrFallsBackToTheContents) {
    const QString folder =
        makeHelpFolder({QStringLiteral("index.html"), QStringLiteral("designer.html")});
    ScriptedPrompter prompter;
    HelpLocator::OpenHelp(QStringLiteral("designer.html"));
    HelpLocator::OpenHelp(QStringLiteral("missing.html"));
    HelpLocator::OpenHelp();
    ASSERT_EQ(prompter.openedUrls.size(), 3);
    EXPECT_EQ(QUrl(prompter.openedUrls[0]).toLocalFile(),
              QDir(folder).filePath(QStringLiteral("designer.html")));
    EXPECT_EQ(QUrl(prompter.openedUrls[1]).toLocalFile(),
              QDir(folder).filePath(QStringLiteral("index.html")));
    EXPECT_EQ(prompter.openedUrls[2], prompter.openedUrls[1]);
}

TEST_F(AppServicesTest, HelpIsSilentWithoutAManual) {
    makeHelpFolder({});
    ScriptedPrompter prompter;
    HelpLocator::OpenHelp();
    // Only the override folder is empty; an installed manual may still exist.
    for (const QString& url : prompter.openedUrls) {
        EXPECT_TRUE(QUrl(url).toLocalFile().startsWith(QStringLiteral(CASEWRIGHT_DATA_DIR)));
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(AppServicesTest, HelpIsLookedForBesideTheProgramBeforeTheDataFolder) {
    const QStringList folders = HelpLocator::HelpFolders();
    const QDir programFolder(QCoreApplication::applicationDirPath());
    ASSERT_GE(folders.size(), 3);
    EXPECT_EQ(folders[0], programFolder.filePath("help"));
    // A package installs under another prefix than the build was configured for.
    EXPECT_EQ(folders[1],
              QDir(QDir::cleanPath(programFolder.filePath(CASEWRIGHT_DATA_DIR_FROM_PROGRAM)))
                  .filePath("help"));
    EXPECT_EQ(folders.last(), QDir(QStringLiteral(CASEWRIGHT_DATA_DIR)).filePath("help"));
}

TEST_F(AppServicesTest, AboutBoxShowsNameVersionMakerAndLicenceNotice) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Casewright"));
    EXPECT_EQ(labelText(about, "productName"), QStringLiteral("Casewright"));
    EXPECT_EQ(labelText(about, "versionLabel"), QStringLiteral("Version: 4.13"));
    EXPECT_TRUE(labelText(about, "makerLine").contains(ProductInfo::Maker()));
    EXPECT_TRUE(labelText(about, "makerLine").contains(ProductInfo::MakerSiteUrl()));
    const QString notice = labelText(about, "freeImageNotice");
    EXPECT_TRUE(notice.contains(QStringLiteral("FreeImage"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("\"freeimage-license.txt\"")));
}

TEST_F(AppServicesTest, AboutLinkOpensThroughThePrompterAndOkCloses) {
    ScriptedPrompter prompter;
    CAboutDlg about;
    auto* maker = about.findChild<QLabel*>(QStringLiteral("makerLine"));
    ASSERT_NE(maker, nullptr);
    emit maker->linkActivated(ProductInfo::MakerSiteUrl());
    EXPECT_EQ(prompter.openedUrls, QStringList{ProductInfo::MakerSiteUrl()});

    about.show();
    about.findChild<QAbstractButton*>(QStringLiteral("okButton"))->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AppServicesTest, ShippedLicenceFileIsTheFreeImageLicence) {
    QFile licence(QStringLiteral(CASEWRIGHT_SOURCE_DIR "/resources/freeimage-license.txt"));
    ASSERT_TRUE(licence.open(QIODevice::ReadOnly));
    EXPECT_TRUE(licence.readAll().contains("FreeImage Public License - Version 1.0"));
}

}  // namespace casewright
