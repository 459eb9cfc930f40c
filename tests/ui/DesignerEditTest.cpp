#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/ui/CAboutDlg.h"
#include "images/ui/CTemplatesDlg.h"

#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {
constexpr ColorRef kBlue = MakeColorRef(0, 0, 255);
}

TEST_F(DesignerTest, ColourForAllSurfacesOfAStandardCd) {
    openDesigner(CoverTypeStandardCD);
    prompter.colors.push_back(kBlue);
    prompter.answers.push_back(Prompter::Answer::Yes);
    click(kChooseColor);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Use this color for the back cover, front cover and disc?");
    EXPECT_EQ(prompter.messages[0].caption, "Color");
    EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(document.fBGColor, kBlue);
    EXPECT_EQ(document.bBGColor, kBlue);
    EXPECT_EQ(document.dBGColor, kBlue);
    EXPECT_TRUE(document.coverChanged);
}

TEST_F(DesignerTest, ColourForTheSurfaceInViewOnly) {
    openDesigner(CoverTypeSlimlineCD);
    click(kViewDisc);
    prompter.colors.push_back(kBlue);
    prompter.answers.push_back(Prompter::Answer::No);
    click(kChooseColor);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Use this color for the cover and disc?");
    EXPECT_EQ(document.dBGColor, kBlue);
    EXPECT_EQ(document.bBGColor, kWhite);
    EXPECT_EQ(document.fBGColor, kWhite);
}

TEST_F(DesignerTest, CancelledColourChangesNothing) {
    openDesigner(CoverTypeStandardDVD);
    prompter.colors.push_back(std::nullopt);
    click(kChooseColor);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(document.bBGColor, kWhite);
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, FontChoiceSetsFontColourAndPointSizeOfTheSurface) {
    openDesigner(CoverTypeStandardCD);
    click(kViewFront);
    Prompter::FontChoice choice;
    choice.font.height = -32;
    choice.font.weight = 700;
    choice.font.setFaceName("DejaVu Sans");
    choice.color = MakeColorRef(10, 20, 30);
    choice.pointSizeTenths = 240;
    prompter.fonts.push_back(choice);
    click(kFont);

    EXPECT_EQ(document.fCoverTextFont, choice.font);
    EXPECT_EQ(document.fCoverTextColor, choice.color);
    EXPECT_EQ(document.fCoverTextPointSize, 240);
    EXPECT_EQ(document.bCoverTextPointSize, 0);
    EXPECT_EQ(document.bCoverTextFont.height, -24);
    EXPECT_TRUE(document.coverChanged);

    prompter.fonts.push_back(std::nullopt);
    document.coverChanged = false;
    click(kFont);
    EXPECT_EQ(document.fCoverTextFont, choice.font);
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, PointSizesSurviveANewDesign) {
    openDesigner(CoverTypeStandardCD);
    Prompter::FontChoice choice;
    choice.font = document.bCoverTextFont;
    choice.pointSizeTenths = 95;
    prompter.fonts.push_back(choice);
    click(kFont);
    prompter.answers.push_back(Prompter::Answer::No);
    click(kStartOver);

    CCoverDesignerDlg next(document);
    next.startRun();
    EXPECT_EQ(document.bCoverTextPointSize, 95);
}

TEST_F(DesignerTest, EnterAndEscapeDoNothing) {
    openDesigner(CoverTypeStandardCD);
    designer->show();
    document.coverChanged = true;
    // A focused command button takes Enter (its own click); a check box leaves
    // it to the window, which ignores it.
    designer->button(kPrintBorders)->setFocus();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(designer->button(kPrintBorders), static_cast<Qt::Key>(key));
        QTest::keyClick(designer.get(), static_cast<Qt::Key>(key));
    }
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(designer->endResult().has_value());
    EXPECT_TRUE(designer->isVisible());
}

TEST_F(DesignerTest, CloseBoxBehavesLikeExit) {
    openDesigner(CoverTypeStandardCD);
    designer->show();
    document.coverChanged = true;
    designer->setPendingCoverPath(tempPath("saved.jkt"));

    prompter.answers.push_back(Prompter::Answer::Yes);
    prompter.fileNames.push_back(QString());  // cancels the save: the window stays
    designer->close();
    EXPECT_TRUE(designer->isVisible());
    EXPECT_FALSE(designer->endResult().has_value());

    prompter.answers.push_back(Prompter::Answer::No);
    designer->close();
    EXPECT_FALSE(designer->isVisible());
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultExit);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
}

TEST_F(DesignerTest, ExitWithoutChangesAsksNothing) {
    openDesigner(CoverTypeStandardDVD);
    click(kExit);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultExit);
}

TEST_F(DesignerTest, HelpButtonAndF1OpenTheManual) {
    QDir().mkpath(tempPath("help"));
    QFile page(tempPath("help/index.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    qputenv("CASEWRIGHT_HELP_DIR", tempPath("help").toUtf8());
    openDesigner(CoverTypeStandardCD);
    click(kHelp);
    QTest::keyClick(designer.get(), Qt::Key_F1);
    qunsetenv("CASEWRIGHT_HELP_DIR");
    const QString manual = QUrl::fromLocalFile(tempPath("help/index.html")).toString();
    EXPECT_EQ(prompter.openedUrls, QStringList({manual, manual}));

    click(kUrlLink);
    EXPECT_EQ(prompter.openedUrls.last(), "https://www.orvalis.example/");
}

TEST_F(DesignerTest, LogoAndAboutLinkShowTheAboutBox) {
    openDesigner(CoverTypeStandardCD);
    QStringList shown;
    designer->setModalRunner([&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<CAboutDlg*>(&dialog), nullptr);
        shown << dialog.windowTitle();
        return int(QDialog::Accepted);
    });
    click(kAboutLink);
    designer->findChild<QAbstractButton*>("logo")->click();
    EXPECT_EQ(shown, QStringList({"Casewright", "Casewright"}));
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, OpeningRunsTheUpdateReminder) {
    SettingsStore settings;
    settings.LastCheckUpdates = QDate::currentDate().addDays(-70).toString("dd/MM/yyyy");
    settings.save();
    prompter.answers.push_back(Prompter::Answer::No);
    openDesigner(CoverTypeStandardCD);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "60 Day Update");
    EXPECT_TRUE(prompter.openedUrls.isEmpty());
}

TEST_F(DesignerTest, ChooseTemplateShowsAndHidesTheTemplateWindow) {
    openDesigner(CoverTypeStandardCD);
    EXPECT_FALSE(designer->templateWindowShown());
    click(kChooseTemplate);
    ASSERT_NE(designer->templateWindow(), nullptr);
    EXPECT_TRUE(designer->templateWindow()->isVisible());
    EXPECT_TRUE(designer->templateWindowShown());
    click(kChooseTemplate);
    EXPECT_FALSE(designer->templateWindow()->isVisible());
    EXPECT_FALSE(designer->templateWindowShown());

    click(kChooseTemplate);
    click(kExit);  // the template window goes with the designer
    EXPECT_FALSE(designer->templateWindow()->isVisible());
    designer->startRun();  // every run starts with the window hidden
    EXPECT_FALSE(designer->templateWindowShown());
    EXPECT_FALSE(designer->templateWindow()->isVisible());
}

TEST_F(DesignerTest, DiscTextComesBackFromTheCoverTextDialog) {
    openDesigner(CoverTypeStandardCD);
    click(kViewDisc);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto* title = dialog->findChild<QLineEdit*>("discTitleEdit");
        ASSERT_NE(title, nullptr);
        title->setText("Party Mix");
        dialog->findChild<QAbstractButton*>("okButton")->click();
        answered = true;
    });
    click(kCoverText);
    EXPECT_TRUE(answered);
    EXPECT_EQ(document.dCoverTitle, "Party Mix");
    EXPECT_TRUE(document.coverChanged);
    EXPECT_EQ(designer->visiblePreview()->coverPainter()->params.title, "Party Mix");
}

}  // namespace casewright
