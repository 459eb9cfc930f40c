#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "CoverFileTestSupport.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"
#include "document/TemporaryImageFolder.h"

namespace casewright {

class TemporaryImageFolderTest : public CoverFileTest {
protected:
    QString parent() const { return tempPath("images"); }

    QStringList entries() const {
        return QDir(parent()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name);
    }

    // Another process that holds a folder of its own in parent().
    QString startHolder(QProcess& holder) const {
        holder.start(QStringLiteral(CASEWRIGHT_HOLD_IMAGE_FOLDER), {parent()});
        EXPECT_TRUE(holder.waitForReadyRead(10000)) << holder.errorString().toStdString();
        return QString::fromLocal8Bit(holder.readLine()).trimmed();
    }

    static void Kill(QProcess& process) {
        process.kill();  // SIGKILL: nothing gets cleaned up
        process.waitForFinished(10000);
    }
};

TEST_F(TemporaryImageFolderTest, EachObjectHasAFolderOfItsOwnRemovedWithIt) {
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QString first;
    {
        TemporaryImageFolder a(parent());
        TemporaryImageFolder b(parent());
        EXPECT_TRUE(entries().isEmpty()) << "made only when first used";
        first = a.path();
        const QString second = b.path();
        EXPECT_EQ(a.path(), first);
        EXPECT_NE(first, second);
        for (const QString& folder : {first, second}) {
            EXPECT_TRUE(QFileInfo(folder).isDir());
            EXPECT_EQ(QFileInfo(folder).path(), parent());
            EXPECT_TRUE(QFileInfo(folder).fileName().startsWith(pid + "-"));
            EXPECT_TRUE(QFileInfo::exists(folder + ".lock"));
        }
        // Neither removes the other's folder as stale.
        TemporaryImageFolder c(parent());
        EXPECT_TRUE(QFileInfo(first).isDir());
        EXPECT_TRUE(QFileInfo(second).isDir());
    }
    EXPECT_TRUE(entries().isEmpty()) << entries().join(' ').toStdString();

    TemporaryImageFolder nowhere{QString()};
    EXPECT_EQ(nowhere.path(), "");
}

TEST_F(TemporaryImageFolderTest, FoldersOfKilledProcessesAreRemovedAtStartOthersKept) {
    QProcess alive;
    QProcess killed;
    const QString aliveFolder = startHolder(alive);
    const QString killedFolder = startHolder(killed);
    ASSERT_TRUE(QFileInfo::exists(aliveFolder + "/tmpfront.png"));
    ASSERT_TRUE(QFileInfo::exists(killedFolder + "/tmpfront.png"));
    Kill(killed);
    ASSERT_TRUE(QFileInfo::exists(killedFolder + "/tmpfront.png")) << "a kill leaves it behind";
    // An orphaned lock file and an unlocked folder of the same naming go too.
    QDir(parent()).mkdir("1-1");
    QFile emptyLock(parent() + "/2-7.lock");
    ASSERT_TRUE(emptyLock.open(QIODevice::WriteOnly));
    emptyLock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                          QFileDevice::FileModificationTime);
    emptyLock.close();

    TemporaryImageFolder mine(parent());
    EXPECT_FALSE(QFileInfo::exists(killedFolder));
    EXPECT_FALSE(QFileInfo::exists(killedFolder + ".lock"));
    EXPECT_FALSE(QFileInfo::exists(parent() + "/1-1"));
    EXPECT_TRUE(QFileInfo::exists(aliveFolder + "/tmpfront.png"));
    EXPECT_TRUE(QFileInfo::exists(aliveFolder + ".lock"));

    Kill(alive);
    TemporaryImageFolder::RemoveStaleFolders(parent());
    EXPECT_FALSE(QFileInfo::exists(aliveFolder));
    EXPECT_TRUE(entries().isEmpty()) << entries().join(' ').toStdString();
}

// Another process reading a cover cannot replace the pictures of a design
// this process has open: each extracts into its own folder.
TEST_F(TemporaryImageFolderTest, AnotherProcessLoadingACoverLeavesOurImagesAlone) {
    auto coverWithImage = [this](const QString& name, const QByteArray& image) {
        CoverDocument doc = NewDesign();
        doc.fImagePath = tempPath(name + ".png");
        WriteBytes(doc.fImagePath, image);
        const QString path = tempPath(name + ".jkt");
        EXPECT_TRUE(WriteCoverFile(doc, path));
        return path;
    };
    const QString a = coverWithImage("A", "picture of A");
    const QString b = coverWithImage("B", "picture of B");

    TemporaryImageFolder ours(parent());
    CoverDocument open = NewDesign();
    ASSERT_TRUE(ReadCoverFile(open, a, 96, ours.path()).loaded());
    {
        TemporaryImageFolder theirs(parent());
        CoverDocument other = NewDesign();
        ASSERT_TRUE(ReadCoverFile(other, b, 96, theirs.path()).loaded());
        EXPECT_EQ(QFileInfo(other.fImagePath).fileName(), "tmpfront.png");
        EXPECT_NE(other.fImagePath, open.fImagePath);
    }
    EXPECT_EQ(QFileInfo(open.fImagePath).fileName(), "tmpfront.png");
    EXPECT_EQ(ReadBytes(open.fImagePath), "picture of A");
}

}  // namespace casewright
