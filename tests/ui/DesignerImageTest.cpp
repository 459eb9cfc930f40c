#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>

#include "document/CoverDesign.h"
#include "images/ImageLoader.h"
#include "images/ui/CImagePositionDlg.h"
#include "images/ui/ImageFileDialog.h"
#include "render/ui/CoverPreviewWidget.h"
#include "support/HostileImageFiles.h"
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
    EXPECT_TRUE(document.coverChanged);  // the session is one undo step
    // The whole-cover image is not the back cover's own, so Choose stays.
    EXPECT_TRUE(shown(kChooseImage));
}

// Files the loader would never draw: chosen, dropped or picked in the Image
// Position dialog, each is refused at once with the reason, and the design,
// its changed flag and the remembered folder stay as they were.
TEST_F(DesignerTest, ImagesThatCannotBeDrawnAreRefusedWhenChosen) {
    namespace Files = HostileImageFiles;
    const QString damaged = tempPath("damaged.png");
    const QString pipe = tempPath("pipe.png");
    const QString deep = tempPath("deep.png");
    const QString scans = tempPath("scans.jpg");
    ASSERT_TRUE(Files::write(damaged, "not a picture at all"));
    ASSERT_TRUE(Files::makeFifo(pipe));
    ASSERT_TRUE(Files::write(deep, Files::png(14000, 14000, 16, 2)));
    ASSERT_TRUE(Files::write(scans, Files::progressiveJpeg(2000, 2000, 2000)));
    openDesigner(CoverTypeStandardCD);
    click(kViewFront);
    const auto expectRefused = [this](const QString& file, size_t messages,
                                      bool otherChange = false) {
        ASSERT_EQ(prompter.messages.size(), messages);
        EXPECT_EQ(prompter.messages.back().caption, "Invalid File");
        EXPECT_EQ(prompter.messages.back().icon, Prompter::Icon::Warning);
        EXPECT_TRUE(prompter.messages.back().text.contains(file));
        EXPECT_EQ(prompter.messages.back().text, ImageRefusalText(file, CheckImageFile(file)));
        EXPECT_TRUE(document.fImagePath.isEmpty());
        EXPECT_TRUE(document.bImagePath.isEmpty());
        EXPECT_EQ(document.coverChanged, otherChange);
        EXPECT_TRUE(SettingsStore().lastPath.isEmpty());
        EXPECT_TRUE(designer->lastDroppedPath().isEmpty());
    };
    size_t messages = 0;
    for (const QString& file : {damaged, pipe, deep, scans}) {
        SCOPED_TRACE(file.toStdString());
        prompter.fileNames.push_back(file);
        prompter.answers.push_back(Prompter::Answer::Ok);
        click(kChooseImage);
        expectRefused(file, ++messages);

        prompter.answers.push_back(Prompter::Answer::Ok);
        designer->dropFiles({file});
        expectRefused(file, ++messages);
    }

    openDesigner(CoverTypeStandardDVD);
    designer->setModalRunner([&](QDialog& dialog) {
        auto& position = dynamic_cast<CImagePositionDlg&>(dialog);
        position.clickControl(CImagePositionDlg::kSeparateRadio);
        prompter.fileNames.push_back(deep);
        prompter.answers.push_back(Prompter::Answer::Ok);
        EXPECT_TRUE(position.clickControl(CImagePositionDlg::kChooseBack));
        EXPECT_TRUE(position.backPath().isEmpty());
        return position.result();
    });
    click(kChooseImage);
    // Choosing separate images is a change of its own.
    expectRefused(deep, ++messages, true);
}

}  // namespace casewright

namespace casewright {

using namespace DesignerIds;

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

TEST_F(DesignerTest, ImageFitChoiceAndDraggingTheFillCropChangeTheDesign) {
    openDesigner(CoverTypeStandardCD);
    auto* fit = qobject_cast<QComboBox*>(designer->control(kImageFit));
    ASSERT_TRUE(fit);
    EXPECT_FALSE(fit->isEnabled()) << "no picture, nothing to place";
    prompter.fileNames.push_back(makeImage("tray.png"));  // square, on a wide back cover
    click(kChooseImage);
    ASSERT_TRUE(fit->isEnabled());
    EXPECT_EQ(fit->currentText(), "Stretch");
    auto* preview = static_cast<CoverPreviewWidget*>(shownPreview());
    EXPECT_TRUE(preview->note().startsWith("Back image: 0 ppi, will look blurred"))
        << preview->note().toStdString();

    document.coverChanged = false;
    fit->setCurrentIndex(fit->findText("Fill"));
    emit fit->activated(fit->currentIndex());
    EXPECT_EQ(document.bImagePlacement.fit, ImageFit::Fill);
    EXPECT_TRUE(document.coverChanged);

    // Dragging the picture down shows more of its top: the crop moves up to
    // its limit and no further.
    const QPoint middle = preview->rect().center();
    SendMouse(preview, QEvent::MouseButtonPress, middle);
    SendMouse(preview, QEvent::MouseMove, middle + QPoint(0, 10));
    const int32_t movedTo = document.bImagePlacement.cropY;
    EXPECT_LT(movedTo, 0);
    SendMouse(preview, QEvent::MouseMove, middle + QPoint(0, 1000));
    SendMouse(preview, QEvent::MouseButtonRelease, middle + QPoint(0, 1000));
    EXPECT_EQ(document.bImagePlacement.cropY, -ImagePlacement::kCropLimit);
    EXPECT_EQ(document.bImagePlacement.cropX, 0);
    SendMouse(preview, QEvent::MouseMove, middle);
    EXPECT_EQ(document.bImagePlacement.cropY, -ImagePlacement::kCropLimit) << "the drag ended";

    // The whole drag is one step, and the fit choice another.
    QUndoStack& steps = designer->design().undoStack();
    EXPECT_EQ(steps.undoText(), "Move Image");
    steps.undo();
    EXPECT_EQ(document.bImagePlacement, (ImagePlacement{ImageFit::Fill, 0, 0}));
    EXPECT_EQ(steps.undoText(), "Image Fit");
    steps.undo();
    EXPECT_EQ(document.bImagePlacement.fit, ImageFit::Stretch);
    EXPECT_EQ(fit->currentText(), "Stretch");
}

}  // namespace casewright
