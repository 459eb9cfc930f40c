#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "designer/CoverFileCommands.h"
#include "designer/DocumentCoverFileGateway.h"
#include "document/CoverFileWriter.h"
#include "support/TinyFileSystem.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {
const char* const kSaveQuestion =
    "You have made changes to your cover, would you like to save the cover?";
}

TEST(CoverFileCommands, AppendsTheExtensionUnlessTheExactOneIsThere) {
    EXPECT_EQ(CoverFileCommands::WithCoverExtension("/d/Summer"), "/d/Summer.jkt");
    EXPECT_EQ(CoverFileCommands::WithCoverExtension("/d/Summer.jkt"), "/d/Summer.jkt");
    EXPECT_EQ(CoverFileCommands::WithCoverExtension("/d/Summer.JKT"), "/d/Summer.JKT.jkt");
    EXPECT_EQ(CoverFileCommands::WithCoverExtension("/d/old.jkt.d/Summer"), "/d/old.jkt.d/Summer");
    EXPECT_EQ(CoverFileCommands::FileFilter(), "Casewright Files (*.jkt)");
}

TEST(CoverFileCommands, StartFoldersExistEvenWithoutDesktopOrDocuments) {
    const QByteArray oldHome = qgetenv("HOME");
    QTemporaryDir bareHome;
    qputenv("HOME", bareHome.path().toLocal8Bit());
    EXPECT_EQ(CoverFileCommands::DesktopFolder(), QDir::homePath());
    EXPECT_EQ(CoverFileCommands::DocumentsFolder(), QDir::homePath());
    ASSERT_TRUE(QDir(bareHome.path()).mkpath("Desktop"));
    EXPECT_EQ(CoverFileCommands::DesktopFolder(),
              QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    qputenv("HOME", oldHome);
}

TEST_F(DesignerTest, SaveQuestionNoDropsTheChanges) {
    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.answers.push_back(Prompter::Answer::No);
    click(kStartOver);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, kSaveQuestion);
    EXPECT_EQ(prompter.messages[0].caption, "Save");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Question);
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
    EXPECT_FALSE(document.coverChanged);
    EXPECT_TRUE(files->writes.isEmpty());
}

TEST_F(DesignerTest, SaveQuestionYesThenCancelKeepsTheWindowAndDesign) {
    openDesigner(CoverTypeStandardCD);
    document.bCoverTitle = "Kept";
    document.coverChanged = true;
    for (int command : {kStartOver, kExit, kLoad}) {
        prompter.answers.push_back(Prompter::Answer::Yes);
        prompter.fileNames.push_back(QString());
        click(command);
        EXPECT_FALSE(designer->endResult().has_value()) << command;
    }
    EXPECT_EQ(prompter.fileDialogStarts.size(), 3);
    EXPECT_TRUE(document.coverChanged);
    EXPECT_EQ(document.bCoverTitle, "Kept");
    EXPECT_TRUE(files->writes.isEmpty());
}

TEST_F(DesignerTest, SaveQuestionYesSavesThenEnds) {
    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.answers.push_back(Prompter::Answer::Yes);
    prompter.fileNames.push_back(tempPath("Summer"));
    click(kStartOver);
    EXPECT_EQ(files->writes, QStringList{tempPath("Summer.jkt")});
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
    // Start Over after a save starts a new design, through New Cover.
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
}

TEST_F(DesignerTest, SaveAddsTheExtensionAndStartsOnTheDesktop) {
    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.fileNames.push_back(tempPath("Summer.JKT"));
    click(kSave);
    EXPECT_EQ(prompter.fileDialogStarts.value(0), CoverFileCommands::DesktopFolder());
    EXPECT_EQ(prompter.fileDialogFilters.value(0), "Casewright Files (*.jkt)");
    EXPECT_EQ(files->writes, QStringList{tempPath("Summer.JKT.jkt")});
    EXPECT_FALSE(document.coverChanged);
    EXPECT_EQ(designer->pendingCoverPath(), tempPath("Summer.JKT.jkt"));
    EXPECT_FALSE(designer->endResult().has_value());

    // The next Save and Load start at the saved file.
    prompter.fileNames.push_back(QString());
    click(kSave);
    EXPECT_EQ(prompter.fileDialogStarts.value(1), tempPath("Summer.JKT.jkt"));
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());  // a cancelled dialog forgets it
}

TEST_F(DesignerTest, OverwriteNoWritesNothingAndTheQuestionComesBack) {
    openDesigner(CoverTypeStandardCD);
    const QString existing = tempPath("Summer.jkt");
    RecordingCoverFiles().write(document, existing);
    document.coverChanged = true;

    prompter.fileNames.push_back(existing);
    prompter.answers.push_back(Prompter::Answer::No);
    click(kSave);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Overwrite?");
    EXPECT_EQ(prompter.messages[0].text,
              "A cover with this name already exists. Would you like to overwrite this cover?");
    EXPECT_TRUE(files->writes.isEmpty());
    EXPECT_TRUE(document.coverChanged);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());

    prompter.answers.push_back(Prompter::Answer::No);
    click(kExit);
    EXPECT_EQ(prompter.messages.back().text, kSaveQuestion);

    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.fileNames.push_back(existing);
    prompter.answers.push_back(Prompter::Answer::Yes);
    click(kSave);
    EXPECT_EQ(files->writes, QStringList{existing});
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, FailedSaveIsReportedAndTheDesignStaysUnsaved) {
    openDesigner(CoverTypeStandardCD);
    designer->setPendingCoverPath(tempPath("Earlier.jkt"));
    document.coverChanged = true;
    files->failWrites = true;
    prompter.fileNames.push_back(tempPath("Summer"));
    prompter.answers.push_back(Prompter::Answer::Ok);
    click(kSave);

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Error");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Error);
    EXPECT_TRUE(prompter.messages[0].text.contains(tempPath("Summer.jkt")));
    EXPECT_TRUE(prompter.messages[0].text.contains("The disk is full."));
    EXPECT_TRUE(document.coverChanged);
    EXPECT_EQ(designer->pendingCoverPath(), tempPath("Earlier.jkt"));

    // A failed save does not let Exit discard the design.
    prompter.answers.push_back(Prompter::Answer::Yes);
    prompter.fileNames.push_back(tempPath("Summer"));
    prompter.answers.push_back(Prompter::Answer::Ok);
    click(kExit);
    EXPECT_FALSE(designer->endResult().has_value());
}

TEST_F(DesignerTest, LoadRestartsTheWindowOnTheChosenCover) {
    openDesigner(CoverTypeStandardCD);
    const QString cover = tempPath("Winter.jkt");
    RecordingCoverFiles().write(document, cover);

    prompter.fileNames.push_back(tempPath("Winter"));
    click(kLoad);
    EXPECT_TRUE(prompter.messages.empty());  // nothing to save: no question
    EXPECT_EQ(prompter.fileDialogStarts.value(0), CoverFileCommands::DocumentsFolder());
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
    EXPECT_EQ(designer->pendingCoverPath(), cover);

    files->typeOfReadCover = CoverTypeStandardDVD;
    designer->startRun();
    EXPECT_EQ(files->reads, QStringList{cover});
    EXPECT_EQ(document.covertype, CoverTypeStandardDVD);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
    EXPECT_FALSE(designer->endResult().has_value());
}

TEST_F(DesignerTest, LoadOfAMissingFileStaysInTheWindow) {
    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.answers.push_back(Prompter::Answer::No);
    prompter.fileNames.push_back(tempPath("Nowhere.jkt"));
    click(kLoad);
    EXPECT_FALSE(designer->endResult().has_value());
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
    EXPECT_FALSE(document.coverChanged);
}

TEST_F(DesignerTest, CoverThatCannotBeReadShowsItsMessageAndANewDesign) {
    openDesigner(CoverTypeStandardCD);
    files->readOutcome = CoverFileOutcome::Failure(
        "Unable to load a cover from the file you specified.", "Invalid File");
    designer->setPendingCoverPath(tempPath("broken.jkt"));
    prompter.answers.push_back(Prompter::Answer::Ok);
    designer->startRun();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Invalid File");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
    EXPECT_EQ(document.covertype, CoverTypeStandardCD);
}

TEST_F(DesignerTest, ExitForgetsThePendingCover) {
    openDesigner(CoverTypeStandardCD);
    document.coverChanged = true;
    prompter.fileNames.push_back(tempPath("Summer"));
    click(kSave);
    click(kExit);
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultExit);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
}

TEST_F(DesignerTest, SavedCoverReopensThroughLoad) {
    openDesigner(CoverTypeSlimlineDVD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    document.bCoverTitle = "Summer Mix";
    click(kAlignRight);
    prompter.fileNames.push_back(tempPath("Summer"));
    click(kSave);
    ASSERT_TRUE(QFileInfo::exists(tempPath("Summer.jkt")));
    prompter.fileNames.push_back(tempPath("Summer.jkt"));
    click(kLoad);
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);

    // The saved type wins over the stored one.
    SettingsStore settings;
    settings.Option = CoverTypeStandardCD;
    settings.save();
    designer->startRun();
    EXPECT_EQ(document.covertype, CoverTypeSlimlineDVD);
    EXPECT_EQ(document.bCoverTitle, "Summer Mix");
    EXPECT_TRUE(checked(kAlignRight));
    EXPECT_FALSE(document.coverChanged);
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
}

TEST_F(DesignerTest, FileThatIsNotACoverShowsTheInvalidFileMessage) {
    openDesigner(CoverTypeStandardCD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    const QString notACover = tempPath("notes.jkt");
    QFile file(notACover);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just some text");
    file.close();

    designer->setPendingCoverPath(notACover);
    prompter.answers.push_back(Prompter::Answer::Ok);
    designer->startRun();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Invalid File");
    EXPECT_EQ(prompter.messages[0].text,
              "Unable to load a cover from the file you specified.\n\nPlease make sure that the "
              "file you are trying to load was created with Casewright.");

    // A missing file opens the new design without a word.
    designer->setPendingCoverPath(tempPath("gone.jkt"));
    designer->startRun();
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(DesignerTest, SaveIntoAMissingFolderReportsTheFailure) {
    openDesigner(CoverTypeStandardCD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    document.coverChanged = true;
    prompter.fileNames.push_back(tempPath("no/such/folder/Summer"));
    prompter.answers.push_back(Prompter::Answer::Ok);
    click(kSave);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Error");
    EXPECT_TRUE(document.coverChanged);
    EXPECT_FALSE(QFileInfo::exists(tempPath("no/such/folder/Summer.jkt")));
}

TEST_F(DesignerTest, PdfNameFollowsTheSavedCover) {
    openDesigner(CoverTypeStandardCD);
    EXPECT_TRUE(designer->suggestedPdfPath().isEmpty());
    prompter.fileNames.push_back(tempPath("Summer"));
    click(kSave);
    EXPECT_EQ(designer->suggestedPdfPath(), tempPath("Summer.pdf"));

    // Reopened from the file it keeps the name; a new design has none.
    prompter.fileNames.push_back(tempPath("Summer.jkt"));
    click(kLoad);
    designer->startRun();
    ASSERT_TRUE(designer->pendingCoverPath().isEmpty());
    EXPECT_EQ(designer->suggestedPdfPath(), tempPath("Summer.pdf"));
    designer->startRun();
    EXPECT_TRUE(designer->suggestedPdfPath().isEmpty());
}

TEST_F(DesignerTest, DvdSpineSwitchedOffStaysOffAfterSaveAndLoad) {
    openDesigner(CoverTypeStandardDVD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    click(kSpineCheck);
    ASSERT_FALSE(document.backCoverSpinesOn);
    prompter.fileNames.push_back(tempPath("NoSpine"));
    click(kSave);
    ASSERT_TRUE(QFileInfo::exists(tempPath("NoSpine.jkt")));

    designer->setPendingCoverPath(tempPath("NoSpine.jkt"));
    designer->startRun();
    EXPECT_FALSE(checked(kSpineCheck));
    EXPECT_FALSE(document.backCoverSpinesOn);

    // A new DVD design still starts with its spine printed.
    designer->startRun();
    EXPECT_TRUE(checked(kSpineCheck));
    EXPECT_TRUE(document.backCoverSpinesOn);
}

TEST_F(DesignerTest, ADamagedCoverOpensWithAWarningNamingTheLostPictures) {
    openDesigner(CoverTypeStandardCD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    const QString path = tempPath("damaged.jkt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[BEGIN][covertype]=2[ENDcovertype][bCoverTitle]=kept[ENDbCoverTitle]"
        "[fImagePath]=a.png[ENDfImagePath][bImagePath]=b.png[ENDbImagePath]"
        "[END][IMAGE1]front[ENDIMAGE1][IMAGE2]cut short");
    file.close();

    designer->setPendingCoverPath(path);
    prompter.answers.push_back(Prompter::Answer::Ok);
    designer->startRun();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Damaged Cover");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(
        "The picture of the back cover could not be recovered"))
        << prompter.messages[0].text.toStdString();
    EXPECT_EQ(document.bCoverTitle, "kept");
    EXPECT_TRUE(document.bImagePath.isEmpty());
    EXPECT_TRUE(document.fImagePath.endsWith("/tmpfront.png"));
    EXPECT_FALSE(document.coverChanged);
    // The type opened is the one the next new design starts with.
    EXPECT_EQ(SettingsStore().Option, uint32_t(CoverTypeStandardDVD));
}

TEST_F(DesignerTest, SaveOnAFullDiskShowsTheFailureAndKeepsTheOldCover) {
    TinyFileSystem disk(1024);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString cover = disk.path("F.jkt");
    CoverDocument old;
    old.ResetToNewDesign(CoverTypeStandardCD, 96);
    ASSERT_TRUE(WriteCoverFile(old, cover));
    const QByteArray oldBytes = [&] {
        QFile f(cover);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    disk.fill(100);

    openDesigner(CoverTypeStandardCD);
    designer->setCoverFileGateway(std::make_unique<DocumentCoverFileGateway>());
    document.fImagePath = tempPath("big.bmp");
    QFile image(document.fImagePath);
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(QByteArray(300 * 1024, 'b'));
    image.close();
    document.coverChanged = true;
    prompter.fileNames.push_back(cover);
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Ok};  // overwrite, then the error
    click(kSave);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].caption, "Error");
    EXPECT_EQ(prompter.messages[1].icon, Prompter::Icon::Error);
    EXPECT_TRUE(prompter.messages[1].text.contains("Unable to save the cover to \"" + cover))
        << prompter.messages[1].text.toStdString();
    EXPECT_TRUE(document.coverChanged);
    QFile after(cover);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), oldBytes);
}

}  // namespace casewright
