#include <QStandardPaths>
#include <QTest>

#include "images/ui/CImagePositionDlg.h"
#include "images/ui/ImageFileDialog.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

namespace {

class ImagePositionTest : public DesignerTest {
protected:
    void SetUp() override {
        DesignerTest::SetUp();
        document.ResetToNewDesign(CoverTypeStandardDVD, 96);
    }

    std::unique_ptr<CImagePositionDlg> openDialog() {
        return std::make_unique<CImagePositionDlg>(document, QString(), [this] { ++refreshes; });
    }

    static bool visible(CImagePositionDlg& d, int id) { return !d.control(id)->isHidden(); }

    int refreshes = 0;
};

}  // namespace

TEST_F(ImagePositionTest, ButtonsFollowTheOptionAndThePaths) {
    document.sImagePath = makeImage("whole.png");
    auto dialog = openDialog();
    EXPECT_EQ(dialog->option(), 0);
    EXPECT_TRUE(visible(*dialog, CImagePositionDlg::kClearWhole));
    EXPECT_FALSE(visible(*dialog, CImagePositionDlg::kChooseWhole));
    for (int id : {CImagePositionDlg::kChooseBack, CImagePositionDlg::kClearBack,
                   CImagePositionDlg::kChooseFront, CImagePositionDlg::kClearFront}) {
        EXPECT_FALSE(visible(*dialog, id));
    }

    document.CoverOption = 1;
    document.bImagePath = makeImage("back.png");
    document.fImagePath = "/tmp/tmpfront.tmp";  // extracted without a known extension
    dialog = openDialog();
    EXPECT_EQ(dialog->option(), 1);
    EXPECT_TRUE(dialog->wholePath().isEmpty());
    EXPECT_TRUE(visible(*dialog, CImagePositionDlg::kClearBack));
    EXPECT_TRUE(visible(*dialog, CImagePositionDlg::kChooseFront));
    EXPECT_FALSE(visible(*dialog, CImagePositionDlg::kClearFront));
    EXPECT_FALSE(visible(*dialog, CImagePositionDlg::kChooseWhole));
    EXPECT_FALSE(visible(*dialog, CImagePositionDlg::kClearWhole));
}

TEST_F(ImagePositionTest, OneImageForTheWholeCoverReplacesBackAndFront) {
    document.CoverOption = 1;
    document.bImagePath = makeImage("back.png");
    document.fImagePath = makeImage("front.png");
    auto dialog = openDialog();
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kWholeRadio));
    EXPECT_EQ(document.CoverOption, 0);
    // Back and front stay in the document until the dialog closes.
    EXPECT_FALSE(document.bImagePath.isEmpty());

    const QString whole = makeImage("whole.png");
    prompter.fileNames.push_back(whole);
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kChooseWhole));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);  // choosing closes the dialog
    EXPECT_EQ(document.sImagePath, whole);
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_TRUE(document.fImagePath.isEmpty());
    EXPECT_FALSE(document.coverChanged);
    EXPECT_EQ(prompter.fileDialogStarts.value(0),
              ImageFileDialog::StartFolder(QString(), ImageFileDialog::FirstFolder::Desktop));
}

TEST_F(ImagePositionTest, ClosingWithoutAnyImageKeepsTheDocumentPaths) {
    document.CoverOption = 1;
    const QString back = makeImage("back.png");
    document.bImagePath = back;
    auto dialog = openDialog();
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kWholeRadio));
    dialog->close();  // the close box closes like Continue
    EXPECT_EQ(document.CoverOption, 0);
    EXPECT_EQ(document.bImagePath, back);
    EXPECT_TRUE(document.sImagePath.isEmpty());
}

TEST_F(ImagePositionTest, SeparateImagesRemoveTheWholeCoverImage) {
    document.sImagePath = makeImage("whole.png");
    auto dialog = openDialog();
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kSeparateRadio));
    EXPECT_EQ(document.CoverOption, 1);
    EXPECT_FALSE(document.sImagePath.isEmpty());  // untouched until closing

    const QString front = makeImage("front.png");
    prompter.fileNames.push_back(front);
    const int before = refreshes;
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kChooseFront));
    EXPECT_EQ(document.fImagePath, front);
    EXPECT_GT(refreshes, before);
    EXPECT_TRUE(visible(*dialog, CImagePositionDlg::kClearFront));
    EXPECT_TRUE(dialog->isVisible() || dialog->result() == 0);  // still open

    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kContinue));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(document.sImagePath.isEmpty());
    EXPECT_EQ(document.fImagePath, front);
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(ImagePositionTest, ClearButtonsEmptyTheirPathAtOnce) {
    document.CoverOption = 1;
    document.bImagePath = makeImage("back.png");
    document.fImagePath = makeImage("front.png");
    auto dialog = openDialog();
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kClearBack));
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_FALSE(document.fImagePath.isEmpty());
    EXPECT_TRUE(visible(*dialog, CImagePositionDlg::kChooseBack));
    EXPECT_FALSE(dialog->clickControl(CImagePositionDlg::kClearBack));
}

TEST_F(ImagePositionTest, ChoiceIsRememberedForTheNextFileDialog) {
    const QString back = makeImage("back.png");
    document.CoverOption = 1;
    auto dialog = openDialog();
    prompter.fileNames.push_back(back);
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kChooseBack));
    EXPECT_EQ(SettingsStore().lastPath, back);
    EXPECT_EQ(dialog->lastPath(), back);
    prompter.fileNames.push_back(QString());
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kChooseFront));
    EXPECT_EQ(prompter.fileDialogStarts.value(1), QFileInfo(back).absolutePath());
    EXPECT_TRUE(document.fImagePath.isEmpty());
}

TEST_F(ImagePositionTest, SelectedOptionIsShownInBoldAndEscapeClosesLikeContinue) {
    auto dialog = openDialog();
    auto* whole = static_cast<QWidget*>(dialog->control(CImagePositionDlg::kWholeRadio));
    auto* separate = static_cast<QWidget*>(dialog->control(CImagePositionDlg::kSeparateRadio));
    EXPECT_TRUE(whole->font().bold());
    EXPECT_FALSE(separate->font().bold());
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kSeparateRadio));
    EXPECT_FALSE(whole->font().bold());
    EXPECT_TRUE(separate->font().bold());

    const QString back = makeImage("back.png");
    prompter.fileNames.push_back(back);
    EXPECT_TRUE(dialog->clickControl(CImagePositionDlg::kChooseBack));
    document.bImagePath.clear();  // closing settles the paths again
    dialog->show();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(document.bImagePath, back);
    EXPECT_EQ(document.CoverOption, 1);
}

}  // namespace casewright
