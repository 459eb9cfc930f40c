#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "images/ui/CImagePositionDlg.h"
#include "images/ui/ImageFileDialog.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

TEST(ImageFileDialog, FirstFolderFallsBackToHomeWhenMissing) {
    const QByteArray oldHome = qgetenv("HOME");
    QTemporaryDir bareHome;
    qputenv("HOME", bareHome.path().toLocal8Bit());
    using F = ImageFileDialog::FirstFolder;
    EXPECT_EQ(ImageFileDialog::StartFolder(QString(), F::Desktop), QDir::homePath());
    EXPECT_EQ(ImageFileDialog::StartFolder(QString(), F::Documents), QDir::homePath());
    ASSERT_TRUE(QDir(bareHome.path()).mkpath("Documents"));
    EXPECT_EQ(ImageFileDialog::StartFolder(QString(), F::Documents),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    qputenv("HOME", oldHome);
}

TEST_F(DesignerTest, ChooseImageUsesTheImageFilterAndRemembersTheFile) {
    openDesigner(CoverTypeStandardCD);
    const QString image = makeImage("tray.png");
    prompter.fileNames.push_back(image);
    click(kChooseImage);

    EXPECT_EQ(prompter.fileDialogStarts.value(0),
              ImageFileDialog::StartFolder(QString(), ImageFileDialog::FirstFolder::Documents));
    EXPECT_EQ(prompter.fileDialogFilters.value(0), ImageFileDialog::Filter());
    EXPECT_TRUE(ImageFileDialog::Filter().startsWith(
        "All (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff *.ico);;JPEG Images (*.jpg *.jpeg);;"));
    EXPECT_EQ(document.bImagePath, image);
    EXPECT_EQ(SettingsStore().lastPath, image);
    EXPECT_EQ(designer->lastDroppedPath(), image);
    EXPECT_TRUE(document.coverChanged);
    EXPECT_TRUE(shown(kClearImage));

    // The next dialog starts in the folder of that file.
    click(kViewDisc);
    prompter.fileNames.push_back(QString());
    click(kChooseImage);
    EXPECT_EQ(prompter.fileDialogStarts.value(1), QFileInfo(image).absolutePath());
    EXPECT_TRUE(document.dImagePath.isEmpty());
}

TEST_F(DesignerTest, ConfirmedNameThatDoesNotExistChangesNoImage) {
    openDesigner(CoverTypeStandardCD);
    click(kViewFront);
    prompter.fileNames.push_back(tempPath("missing.png"));
    click(kChooseImage);
    EXPECT_TRUE(document.fImagePath.isEmpty());
    EXPECT_TRUE(document.coverChanged);
    EXPECT_TRUE(SettingsStore().lastPath.isEmpty());
    EXPECT_TRUE(shown(kChooseImage));
}

TEST_F(DesignerTest, DvdCoverChoosesImagesThroughTheImagePositionDialog) {
    openDesigner(CoverTypeStandardDVD);
    const QString image = makeImage("wrap.png");
    bool ran = false;
    designer->setModalRunner([&](QDialog& dialog) {
        auto& position = dynamic_cast<CImagePositionDlg&>(dialog);
        ran = true;
        EXPECT_EQ(position.windowTitle(), "Image Position");
        prompter.fileNames.push_back(image);
        EXPECT_TRUE(position.clickControl(CImagePositionDlg::kChooseWhole));
        return position.result();
    });
    click(kChooseImage);
    EXPECT_TRUE(ran);
    EXPECT_EQ(document.sImagePath, image);
    EXPECT_EQ(document.CoverOption, 0);
    EXPECT_FALSE(document.coverChanged);
    // The whole-cover image is not the back cover's own, so Choose stays.
    EXPECT_TRUE(shown(kChooseImage));
}

}  // namespace casewright
