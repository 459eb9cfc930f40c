#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "BatchTestSupport.h"
#include "app/SettingsStore.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "support/TinyFileSystem.h"

namespace casewright {

namespace {

const QByteArray kEmptyImages =
    "[IMAGE1][ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4][ENDIMAGE4]";

}  // namespace

TEST_F(BatchTest, TextsThatLookLikeTagsComeBackFromNewAndInfo) {
    const QString path = tempPath("e.jkt");
    const Run made =
        RunCommand({"new", "--type", "1", "-o", path, "--set", "fCoverTitle=Live [END] Tour",
                    "--set", "fCoverText=see [dCoverTitle]=oops", "--set", "dCoverTitle=X"});
    ASSERT_EQ(made.code, kExitOk) << made.err.toStdString();
    const Run info = RunCommand({"info", path});
    ASSERT_EQ(info.code, kExitOk) << info.err.toStdString();
    EXPECT_EQ(InfoValue(info.out, "fCoverTitle"), "Live [END] Tour");
    EXPECT_EQ(InfoValue(info.out, "fCoverText"), "see [dCoverTitle]=oops");
    EXPECT_EQ(InfoValue(info.out, "dCoverTitle"), "X");
    for (const char* key :
         {"fCoverTextFontItalic", "fCoverTextFontUnderline", "fCoverTextFontStrikeout"}) {
        EXPECT_EQ(InfoValue(info.out, key), "FALSE") << key;
    }
}

TEST_F(BatchTest, InfoWarnsAboutPicturesADamagedFileLost) {
    const QString path = tempPath("damaged.jkt");
    WriteBytes(path,
               "[BEGIN][covertype]=2[ENDcovertype][fCoverTitle]=kept[ENDfCoverTitle]"
               "[fImagePath]=a.png[ENDfImagePath][dImagePath]=d.png[ENDdImagePath]"
               "[END][IMAGE1]front[ENDIMAGE1][IMAGE2][ENDIMAGE2][IMAGE3][ENDIMAGE3][IMAGE4]cut");
    const Run run = RunCommand({"info", path});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_EQ(InfoValue(run.out, "fCoverTitle"), "kept");
    EXPECT_EQ(InfoValue(run.out, "image1"), "5");
    EXPECT_EQ(InfoValue(run.out, "dImagePath"), "");
    EXPECT_TRUE(run.err.startsWith("casewright-batch info: warning: \"" + path +
                                   "\": The picture "
                                   "of the disc could not be recovered"))
        << run.err.toStdString();
}

// Looking at, drawing or printing a cover only reads the settings: the
// file stays as it was, and stays away when there was none.
TEST_F(BatchTest, InfoRenderAndPrintNeverWriteTheSettings) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeSlimlineDVD, 96);
    const QString cover = tempPath("look.jkt");
    ASSERT_TRUE(WriteCoverFile(doc, cover));
    const QList<QStringList> commands = {
        {"info", cover},
        {"render", cover, "-o", tempPath("look.png"), "--dpi", "30"},
        {"print", cover, "-o", tempPath("look.pdf")},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.first().toStdString());
        QFile::remove(configFile());
        ASSERT_EQ(RunCommand(command).code, kExitOk);
        EXPECT_FALSE(QFileInfo::exists(configFile()));

        SettingsStore stored;
        stored.Option = CoverTypeStandardCD;
        stored.printDisc = 0;
        ASSERT_TRUE(stored.save());
        QFile file(configFile());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("; a comment the program would not write\n");
        file.close();
        const QByteArray before = ReadBytes(configFile());
        ASSERT_EQ(RunCommand(command).code, kExitOk);
        EXPECT_EQ(ReadBytes(configFile()), before);
    }
}

TEST_F(BatchTest, NewOnAFullDiskFailsAndKeepsTheOldCover) {
    TinyFileSystem disk(1024);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString cover = disk.path("F.jkt");
    const QString image = tempPath("big.bmp");
    QImage picture(370, 370, QImage::Format_RGB888);  // about 400 KB as a bitmap
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(image, "BMP"));
    ASSERT_EQ(RunCommand({"new", "--type", "1", "-o", cover, "--front-image", image}).code,
              kExitOk);
    const QByteArray old = ReadBytes(cover);
    for (const int kilobytesLeft : {0, 200}) {
        SCOPED_TRACE(kilobytesLeft);
        disk.fill(kilobytesLeft);
        const Run run = RunCommand({"new", "--type", "1", "--force", "-o", cover, "--front-title",
                                    "NEW", "--front-image", image});
        EXPECT_EQ(run.code, kExitFailure);
        EXPECT_TRUE(run.err.contains("Unable to save the cover to \"" + cover + "\""))
            << run.err.toStdString();
        EXPECT_EQ(ReadBytes(cover), old);
    }
}

TEST_F(BatchTest, NewRefusesImagesThatAreNoFilesOrTooLarge) {
    const QString fifo = tempPath("pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = tempPath("huge.bmp");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(1) << 30));  // sparse
    file.close();
    const struct {
        QString image;
        const char* says;
    } cases[] = {
        {fifo, "not a regular file"},
        {"/dev/zero", "does not end in"},
        {huge, "cannot be read as a bitmap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.image.toStdString());
        const QString cover = tempPath("never.jkt");
        const Run run = RunCommand({"new", "-o", cover, "--disc-image", c.image});
        EXPECT_EQ(run.code, kExitFailure);
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(cover));
    }
    EXPECT_EQ(QDir(tempPath("")).entryList(QDir::Files | QDir::System),
              QStringList({"huge.bmp", "pipe.jpg"}));
}

}  // namespace casewright
