#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "app/SettingsStore.h"
#include "designer/CNewCoverDlg.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

class NewCoverDialogTest : public IsolatedSettingsTest {
protected:
    static void storeOption(uint32_t option) {
        SettingsStore store;
        store.Option = option;
        store.save();
    }

    static void expectOnlyCheckedInBold(const CNewCoverDlg& dialog, int coverType) {
        for (int type = 1; type <= 5; ++type) {
            const QRadioButton* radio = dialog.radioForType(type);
            EXPECT_EQ(radio->isChecked(), type == coverType) << type;
            EXPECT_EQ(radio->font().bold(), type == coverType) << type;
        }
    }

    static void typeIntoCustomSizes(CNewCoverDlg& dialog, const QString& frontHeight,
                                    const QString& frontWidth, const QString& backHeight,
                                    const QString& backWidth) {
        dialog.customSizeEdit(CNewCoverDlg::IDC_FRONT_HEIGHT)->setText(frontHeight);
        dialog.customSizeEdit(CNewCoverDlg::IDC_FRONT_WIDTH)->setText(frontWidth);
        dialog.customSizeEdit(CNewCoverDlg::IDC_BACK_HEIGHT)->setText(backHeight);
        dialog.customSizeEdit(CNewCoverDlg::IDC_BACK_WIDTH)->setText(backWidth);
    }
};

}  // namespace

TEST_F(NewCoverDialogTest, ShowsItsCaptionHeadingAndTheFourCaseTypes) {
    CNewCoverDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Create A New Cover"));
    EXPECT_EQ(dialog.radioForType(1)->text(), QStringLiteral("Standard CD Case && Label"));
    EXPECT_EQ(dialog.radioForType(4)->text(), QStringLiteral("Slimline CD Case && Label"));
    EXPECT_EQ(dialog.radioForType(2)->text(), QStringLiteral("Standard DVD Case && Label"));
    EXPECT_EQ(dialog.radioForType(5)->text(), QStringLiteral("Slimline DVD Case && Label"));

    dialog.show();
    for (int type : {1, 2, 4, 5}) {
        EXPECT_TRUE(dialog.radioForType(type)->isVisible()) << type;
    }
    EXPECT_FALSE(dialog.radioForType(3)->isVisible());
    EXPECT_FALSE(dialog.customSizeEdit(CNewCoverDlg::IDC_FRONT_HEIGHT)->isVisible());
}

TEST_F(NewCoverDialogTest, FirstRunChecksTheStandardCdCase) {
    CNewCoverDlg dialog;
    expectOnlyCheckedInBold(dialog, 1);
    EXPECT_EQ(dialog.radioForType(1)->font().family(), QStringLiteral("Verdana"));
    EXPECT_DOUBLE_EQ(dialog.radioForType(1)->font().pointSizeF(), 7.5);
    EXPECT_EQ(dialog.radioForType(2)->font().pixelSize(), 13);
    EXPECT_EQ(dialog.radioForType(2)->font().weight(), QFont::Normal);
}

TEST_F(NewCoverDialogTest, ContinueStoresTheChoiceAndReopeningShowsItInBold) {
    {
        CNewCoverDlg dialog;
        QTest::mouseClick(dialog.radioForType(5), Qt::LeftButton);
        expectOnlyCheckedInBold(dialog, 5);
        dialog.continueButton()->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(SettingsStore().Option, 5u);
    CNewCoverDlg reopened;
    expectOnlyCheckedInBold(reopened, 5);
}

TEST_F(NewCoverDialogTest, EnterContinuesLikeTheButton) {
    CNewCoverDlg dialog;
    dialog.show();
    QTest::mouseClick(dialog.radioForType(4), Qt::LeftButton);
    QTest::keyClick(dialog.radioForType(4), Qt::Key_Return);
    EXPECT_EQ(SettingsStore().Option, 4u);
}

TEST_F(NewCoverDialogTest, EscapeStoresNothing) {
    storeOption(2);
    CNewCoverDlg dialog;
    dialog.radioForType(4)->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(SettingsStore().Option, 2u);
}

TEST_F(NewCoverDialogTest, UnknownStoredTypeOpensOnTheStandardCdCase) {
    storeOption(9);
    CNewCoverDlg dialog;
    expectOnlyCheckedInBold(dialog, 1);
}

TEST_F(NewCoverDialogTest, StoredCustomTypeEnablesTheHiddenSizesAndKeepsThem) {
    storeOption(3);
    CNewCoverDlg dialog;
    QLineEdit* frontHeight = dialog.customSizeEdit(CNewCoverDlg::IDC_FRONT_HEIGHT);
    EXPECT_TRUE(frontHeight->isEnabled());
    EXPECT_EQ(frontHeight->text(), QStringLiteral("11.9"));
    EXPECT_EQ(dialog.customSizeEdit(CNewCoverDlg::IDC_BACK_WIDTH)->text(), QStringLiteral("15.1"));

    dialog.show();
    EXPECT_FALSE(frontHeight->isVisible());
    dialog.continueButton()->click();

    const SettingsStore stored;
    EXPECT_EQ(stored.Option, 3u);
    EXPECT_EQ(stored.dwCHF, 119u);
    EXPECT_EQ(stored.dwCWF, 121u);
    EXPECT_EQ(stored.dwCHB, 118u);
    EXPECT_EQ(stored.dwCWB, 151u);
}

TEST_F(NewCoverDialogTest, CustomSizesAreConvertedDigitForDigit) {
    storeOption(3);
    CNewCoverDlg dialog;
    typeIntoCustomSizes(dialog, QStringLiteral("12"), QStringLiteral("12.5"), QString(),
                        QStringLiteral("13."));
    dialog.continueButton()->click();

    const SettingsStore stored;
    EXPECT_EQ(stored.dwCHF, 120u);
    EXPECT_EQ(stored.dwCWF, 125u);
    EXPECT_EQ(stored.dwCHB, 0u);
    EXPECT_EQ(stored.dwCWB, 13u);
}

TEST_F(NewCoverDialogTest, InvalidCustomSizeNamesItsBoxAndStoresNothing) {
    storeOption(3);
    struct Case {
        const char* frontHeight;
        const char* frontWidth;
        const char* backHeight;
        const char* backWidth;
        const char* box;
    };
    const Case cases[] = {
        {"1x", "12", "12", "12", "Front Height"}, {"12", "1.2.3", "12", "12", "Front Width"},
        {"12", "12", "-3", "12", "Back Height"},  {"12", "12", "12", "12,5", "Back Width"},
        {"12", "12", "12", " 12", "Back Width"},  {"99999999999", "1", "1", "1", "Front Height"},
    };
    for (const Case& c : cases) {
        ScriptedPrompter prompter;
        prompter.answers = {Prompter::Answer::Ok};
        CNewCoverDlg dialog;
        dialog.radioForType(2)->setChecked(true);
        dialog.radioForType(3)->click();
        typeIntoCustomSizes(dialog, QLatin1String(c.frontHeight), QLatin1String(c.frontWidth),
                            QLatin1String(c.backHeight), QLatin1String(c.backWidth));
        dialog.continueButton()->click();

        ASSERT_EQ(prompter.messages.size(), 1u) << c.box;
        EXPECT_EQ(prompter.messages[0].text,
                  QStringLiteral("Please enter a valid number in the '%1' box.")
                      .arg(QLatin1String(c.box)));
        EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
        EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.box;
        const SettingsStore stored;
        EXPECT_EQ(stored.dwCHF, 119u) << c.box;
        EXPECT_EQ(stored.dwCWB, 151u) << c.box;
    }
}

TEST_F(NewCoverDialogTest, ParsingTenthsOfACentimetre) {
    EXPECT_EQ(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral("11.9")), 119u);
    EXPECT_EQ(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral(".5")), 5u);
    EXPECT_EQ(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral(".")), 0u);
    EXPECT_EQ(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral("12.25")), 1225u);
    EXPECT_EQ(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral("429496729.5")), 4294967295u);
    EXPECT_FALSE(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral("429496729.6")));
    EXPECT_FALSE(CNewCoverDlg::ParseTenthsOfCm(QStringLiteral("1e3")));
    EXPECT_EQ(CNewCoverDlg::FormatTenthsOfCm(0), QStringLiteral("0.0"));
    EXPECT_EQ(CNewCoverDlg::FormatTenthsOfCm(121), QStringLiteral("12.1"));
}

TEST_F(NewCoverDialogTest, F1OpensTheManual) {
    QTemporaryDir help;
    QFile page(help.filePath(QStringLiteral("index.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    qputenv("CASEWRIGHT_HELP_DIR", help.path().toUtf8());

    ScriptedPrompter prompter;
    CNewCoverDlg dialog;
    QTest::keyClick(&dialog, Qt::Key_F1);
    qunsetenv("CASEWRIGHT_HELP_DIR");

    ASSERT_EQ(prompter.openedUrls.size(), 1);
    EXPECT_TRUE(QUrl(prompter.openedUrls[0]).isLocalFile());
    EXPECT_EQ(QUrl(prompter.openedUrls[0]).toLocalFile(), page.fileName());
    EXPECT_EQ(SettingsStore().Option, 1u) << "help must not store a choice";
}

}  // namespace casewright
