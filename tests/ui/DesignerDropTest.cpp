#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "designer/DroppedFileRules.h"
#include "images/ImageFileCheck.h"
#include "support/HostileImageFiles.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

TEST(DroppedFileRules, AcceptsImageAndCoverExtensionsAnywhereInAnyCase) {
    EXPECT_TRUE(DroppedFileRules::IsAccepted("/p/holiday.JPG"));
    EXPECT_TRUE(DroppedFileRules::IsAccepted("/p/holiday.jpg.old"));
    EXPECT_TRUE(DroppedFileRules::IsAccepted("/p/scan.Tiff"));
    EXPECT_TRUE(DroppedFileRules::IsAccepted("/p/icon.ico"));
    EXPECT_TRUE(DroppedFileRules::IsAccepted("/p/cover.JKT"));
    EXPECT_FALSE(DroppedFileRules::IsAccepted("/p/notes.txt"));
    EXPECT_FALSE(DroppedFileRules::IsAccepted("/p/jpg/picture"));

    EXPECT_TRUE(DroppedFileRules::OpensAsCover("/p/cover.jkt"));
    EXPECT_FALSE(DroppedFileRules::OpensAsCover("/p/cover.JKT"));
    EXPECT_FALSE(DroppedFileRules::OpensAsCover("/p/cover.jkt.png"));
}

TEST_F(DesignerTest, DroppedImageGoesToTheSurfaceInView) {
    openDesigner(CoverTypeStandardCD);
    click(kViewDisc);
    const QString image = makeImage("disc.png");
    designer->dropFiles({image, makeImage("second.png")});
    EXPECT_EQ(document.dImagePath, image);
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_EQ(designer->lastDroppedPath(), image);
    EXPECT_TRUE(document.coverChanged);
    EXPECT_TRUE(shown(kClearImage));
    EXPECT_FALSE(designer->endResult().has_value());

    click(kViewFront);
    designer->dropFiles({image});
    EXPECT_EQ(document.fImagePath, image);
}

TEST_F(DesignerTest, DroppedImageOnTheCoverViewAlsoBecomesTheWholeCoverImage) {
    openDesigner(CoverTypeStandardDVD);
    const QString image = makeImage("wrap.png");
    designer->dropFiles({image});
    EXPECT_EQ(document.sImagePath, image);
    EXPECT_EQ(document.bImagePath, image);
    EXPECT_TRUE(document.fImagePath.isEmpty());
}

TEST_F(DesignerTest, DroppedFileWithoutAKnownExtensionIsIgnored) {
    openDesigner(CoverTypeStandardCD);
    designer->dropFiles({tempPath("notes.txt"), makeImage("later.png")});
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_FALSE(document.coverChanged);
    EXPECT_TRUE(designer->lastDroppedPath().isEmpty());
}

TEST_F(DesignerTest, DroppedCoverFileRestartsTheWindowOnIt) {
    openDesigner(CoverTypeStandardCD);
    const QString cover = tempPath("Summer.jkt");
    designer->dropFiles({cover});
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultDroppedCover);
    EXPECT_EQ(designer->pendingCoverPath(), cover);

    files->typeOfReadCover = CoverTypeSlimlineDVD;
    designer->startRun();
    EXPECT_EQ(files->reads, QStringList{cover});
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_FALSE(document.coverChanged);
    EXPECT_EQ(caption(kViewBack), "VIEW COVER");
    EXPECT_EQ(shownPreview(), designer->control(kDvdPreview));
}

// Such a file is neither opened nor kept as an image, which would show
// nothing and be saved into the cover; the user is told why.
TEST_F(DesignerTest, CoverFileWithUpperCaseExtensionIsRefusedAsAnImage) {
    openDesigner(CoverTypeStandardCD);
    const QString cover = tempPath("Summer.JKT");
    ASSERT_TRUE(HostileImageFiles::write(cover, "[BEGIN][END]"));
    prompter.answers.push_back(Prompter::Answer::Ok);
    designer->dropFiles({cover});
    EXPECT_FALSE(designer->endResult().has_value());
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_FALSE(document.coverChanged);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Invalid File");
    EXPECT_TRUE(prompter.messages[0].text.contains("Summer.JKT"));
    EXPECT_TRUE(prompter.messages[0].text.contains(ImageFileCheck::unknownFormat().reason));
}

TEST_F(DesignerTest, FilesDroppedFromTheDesktopArrive) {
    openDesigner(CoverTypeStandardCD);
    const QString image = makeImage("dragged.png");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(image)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(designer.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(designer.get(), &drop);
    EXPECT_EQ(document.bImagePath, image);
}

}  // namespace casewright
