#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cerrno>
#include <cstring>

#include "../core/TemplateTestFolder.h"
#include "app/ProductInfo.h"
#include "controls/CFlatImageButton.h"
#include "controls/WindowPlacement.h"
#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "images/FreeImageSession.h"
#include "images/TemplateThumbnailCache.h"
#include "images/ui/CTemplatesDlg.h"
#include "support/ScriptedPrompter.h"

namespace casewright {

namespace {

class TemplatesDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        TemplateThumbnailCache::clear();
        ASSERT_TRUE(folder.addImage("CD-[BACK]-Amber.png", Qt::red));
        ASSERT_TRUE(folder.addImage("CD-[FRONT]-Amber.png", Qt::red));
        ASSERT_TRUE(folder.addBytes("CD-[BACK]-Broken.jpg", "not a picture"));
        ASSERT_TRUE(folder.addImage("CD-[BACK]-Coral.bmp", Qt::blue));
        document.fImagePath = "/own/front.png";
        document.bImagePath = "/own/back.png";
        document.dImagePath = "/own/disc.png";
        designer.setGeometry(100, 80, 600, 400);
        designer.show();
    }

    std::unique_ptr<CTemplatesDlg> open(int coverType = CoverTypeStandardCD) {
        auto dialog = std::make_unique<CTemplatesDlg>(design, coverType, false, &designer,
                                                      QStringList{folder.path()});
        QObject::connect(dialog.get(), &CTemplatesDlg::designChanged, [this] { ++refreshes; });
        return dialog;
    }

    static void clickRow(CTemplatesDlg& dialog, int row) {
        QListWidget* list = dialog.list();
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    static void showAndSettle(CTemplatesDlg& dialog) {
        dialog.toggle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QString inFolder(const QString& name) const { return folder.file(name); }

    FreeImageSession session;
    ScriptedPrompter prompter;
    TemplateTestFolder folder;
    CoverDocument document;
    CoverDesign design{document};
    QWidget designer;
    int refreshes = 0;
};

}  // namespace

TEST_F(TemplatesDlgTest, ListsTemplatesWithLabelsAndThumbnails) {
    auto dialog = open();
    QSignalSpy ready(dialog.get(), &CTemplatesDlg::thumbnailsReady);
    ASSERT_TRUE(dialog->thumbnailsComplete() || ready.wait(5000));

    QListWidget* list = dialog->list();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Amber");
    EXPECT_EQ(list->item(1)->text(), "Broken");
    EXPECT_EQ(list->item(2)->text(), "Coral");
    const QImage amber = list->item(0)->icon().pixmap(60, 60).toImage();
    const QImage broken = list->item(1)->icon().pixmap(60, 60).toImage();
    EXPECT_EQ(amber.pixelColor(30, 30), QColor(Qt::red));
    EXPECT_EQ(amber.pixelColor(0, 0), QColor(192, 192, 192));
    EXPECT_EQ(broken.pixelColor(30, 30).alpha(), 0);  // listed, with an empty picture
    EXPECT_EQ(dialog->windowTitle(), "Templates");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->lastApplied(), -1);
}

TEST_F(TemplatesDlgTest, ClickAppliesTemplateOnceAndIgnoresEmptySpace) {
    auto dialog = open();
    showAndSettle(*dialog);

    clickRow(*dialog, 2);
    EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Coral.bmp"));
    // Coral has no front or disc file: those surfaces are left without one.
    EXPECT_TRUE(document.fImagePath.isEmpty());
    EXPECT_TRUE(document.dImagePath.isEmpty());
    EXPECT_EQ(refreshes, 1);

    clickRow(*dialog, 2);
    QTest::mouseClick(dialog->list()->viewport(), Qt::LeftButton, {},
                      dialog->list()->viewport()->rect().bottomRight() - QPoint(3, 3));
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(document.coverChanged);  // a template applied is a change
}

TEST_F(TemplatesDlgTest, ArrowKeysStepThroughTemplatesAndOtherKeysMoveTheList) {
    // A DVD design lists the templates drawn for the DVD wrap, not the CD ones.
    QStringList dvdFiles;
    for (const QString name : {"Amber.png", "Broken.jpg", "Coral.bmp"}) {
        ASSERT_TRUE(QFile::copy(inFolder("CD-[BACK]-" + name), inFolder("DVD-[BACK]-" + name)));
        dvdFiles.append(inFolder("DVD-[BACK]-" + name));
    }
    auto dialog = open(CoverTypeStandardDVD);
    EXPECT_EQ(dialog->templateFiles(), dvdFiles);
    showAndSettle(*dialog);
    QListWidget* list = dialog->list();

    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(refreshes, 0);
    QTest::keyClick(list, Qt::Key_Right);
    prompter.answers.push_back(Prompter::Answer::Ok);
    QTest::keyClick(list, Qt::Key_Right);

    // Broken cannot be drawn: it is stepped onto but not applied, and the
    // user is told why.
    EXPECT_EQ(dialog->lastApplied(), 1);
    EXPECT_EQ(document.sImagePath, inFolder("DVD-[BACK]-Amber.png"));
    EXPECT_TRUE(document.dImagePath.isEmpty());
    EXPECT_EQ(document.CoverOption, 0);
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(refreshes, 1);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Invalid File");
    EXPECT_TRUE(prompter.messages[0].text.contains("DVD-[BACK]-Broken.jpg"));

    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(document.sImagePath, inFolder("DVD-[BACK]-Coral.bmp"));
    EXPECT_EQ(refreshes, 2);

    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(dialog->lastApplied(), 2);
}

TEST_F(TemplatesDlgTest, CancelPutsBackImagesOfTheShowingOkAndCloseBoxKeepThem) {
    auto dialog = open();
    showAndSettle(*dialog);
    clickRow(*dialog, 0);
    dialog->button(CTemplatesDlg::kCancel)->click();

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, "/own/back.png");
    EXPECT_EQ(document.fImagePath, "/own/front.png");
    EXPECT_EQ(document.dImagePath, "/own/disc.png");
    EXPECT_EQ(refreshes, 2);

    showAndSettle(*dialog);
    clickRow(*dialog, 2);
    dialog->button(CTemplatesDlg::kOk)->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Coral.bmp"));

    showAndSettle(*dialog);
    clickRow(*dialog, 0);
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Amber.png"));
    EXPECT_TRUE(document.coverChanged);
}

TEST_F(TemplatesDlgTest, EscapeCancelsToImagesOfLatestShowing) {
    auto dialog = open();
    showAndSettle(*dialog);
    clickRow(*dialog, 0);
    dialog->toggle();  // hidden, keeping Amber
    showAndSettle(*dialog);
    clickRow(*dialog, 2);

    QTest::keyClick(dialog->list(), Qt::Key_Escape);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Amber.png"));
}

TEST_F(TemplatesDlgTest, ToggleShowsHidesAndPlacesOnlyTheFirstTime) {
    designer.setGeometry(10, 10, 300, 200);  // room below it on the 800 x 600 test screen
    auto dialog = open();
    QSignalSpy shown(dialog.get(), &CTemplatesDlg::shownChanged);

    showAndSettle(*dialog);
    EXPECT_FALSE(dialog->geometry().intersects(designer.geometry()));
    EXPECT_TRUE(designer.screen()->availableGeometry().contains(dialog->geometry()));
    clickRow(*dialog, 0);
    dialog->toggle();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, inFolder("CD-[BACK]-Amber.png"));

    dialog->move(5, 6);
    showAndSettle(*dialog);
    EXPECT_EQ(dialog->pos(), QPoint(5, 6));

    ASSERT_GE(shown.count(), 3);
    EXPECT_EQ(shown[0][0].toBool(), true);
    EXPECT_EQ(shown[1][0].toBool(), false);
    EXPECT_EQ(shown.last()[0].toBool(), true);
}

TEST_F(TemplatesDlgTest, TheFirstShowingGoesWhereTheWindowWasLastKeptOnTheScreen) {
    const QRect available = designer.screen()->availableGeometry();
    const struct {
        QPoint remembered;
        QPoint expected;
    } cases[] = {{{40, 50}, {40, 50}}, {{-500, 9000}, {available.left(), -1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remembered.x());
        auto dialog = open();
        dialog->setRememberedPosition(c.remembered);
        showAndSettle(*dialog);
        EXPECT_EQ(dialog->pos().x(), c.expected.x());
        if (c.expected.y() >= 0) {
            EXPECT_EQ(dialog->pos().y(), c.expected.y());
        }
        EXPECT_TRUE(available.contains(dialog->geometry()));
    }
}

TEST(WindowPlacementTest, BesideTakesTheFirstSideWithRoom) {
    const QRect screen(0, 0, 1600, 1100);
    const QSize size(700, 300);
    const struct {
        const char* name;
        QRect owner;
        QPoint expected;
    } cases[] = {
        {"right", QRect(10, 20, 800, 500), QPoint(810, 20)},
        {"left", QRect(750, 20, 800, 500), QPoint(50, 20)},
        {"below", QRect(100, 0, 1200, 700), QPoint(100, 700)},
        {"above", QRect(100, 400, 1200, 700), QPoint(100, 100)},
        {"right, raised to fit", QRect(10, 900, 800, 150), QPoint(810, 800)},
        {"nowhere: bottom-right corner", QRect(0, 0, 1600, 1100), QPoint(900, 800)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WindowPlacement::Beside(c.owner, size, screen), c.expected);
    }
}

TEST_F(TemplatesDlgTest, CurrentTemplateIsSelectedOtherwiseTheFirst) {
    document.bImagePath = inFolder("CD-[BACK]-Coral.bmp");
    auto withTemplate = open();
    EXPECT_EQ(withTemplate->list()->currentRow(), 2);
    EXPECT_TRUE(withTemplate->list()->item(2)->isSelected());

    document.bImagePath = "/own/back.png";
    auto without = open();
    EXPECT_EQ(without->list()->currentRow(), 0);
    EXPECT_EQ(without->list()->selectedItems().size(), 1);
}

TEST_F(TemplatesDlgTest, FolderThatCannotBeListedIsReported) {
    const QString loop = folder.root() + "/loop";
    ASSERT_TRUE(QFile::link(loop, loop));
    prompter.answers.push_back(Prompter::Answer::Ok);

    CTemplatesDlg dialog(design, CoverTypeStandardCD, false, &designer, {folder.path(), loop});

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Error");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Error);
    EXPECT_EQ(prompter.messages[0].text, QString::fromLocal8Bit(std::strerror(ELOOP)));
    EXPECT_EQ(dialog.list()->count(), 3);
}

TEST_F(TemplatesDlgTest, EmptyOrMissingFolderGivesEmptyListWithoutMessage) {
    CTemplatesDlg dialog(design, CoverTypeStandardCD, false, &designer,
                         {folder.root() + "/missing"});
    EXPECT_EQ(dialog.list()->count(), 0);
    EXPECT_TRUE(dialog.thumbnailsComplete());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(TemplatesDlgTest, OkAndCancelCarryTheirIcons) {
    auto dialog = open();
    for (int id : {CTemplatesDlg::kOk, CTemplatesDlg::kCancel}) {
        auto* button = qobject_cast<CFlatImageButton*>(dialog->button(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_TRUE(button->imageSize().isValid()) << id;
    }
    EXPECT_EQ(dialog->button(CTemplatesDlg::kOk)->text(), "&OK");
    EXPECT_EQ(dialog->button(CTemplatesDlg::kCancel)->text(), "&Cancel");
}

TEST_F(TemplatesDlgTest, DownloadLinkOpensTemplatePage) {
    auto dialog = open();
    QAbstractButton* link = dialog->button(CTemplatesDlg::kDownloadLink);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), "Click here to download more templates");
    link->click();
    EXPECT_EQ(prompter.openedUrls, QStringList({ProductInfo::TemplateDownloadUrl()}));
}

}  // namespace casewright
