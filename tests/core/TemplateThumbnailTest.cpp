#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include "TemplateTestFolder.h"
#include "images/FreeImageSession.h"
#include "images/TemplateThumbnailCache.h"
#include "images/TemplateThumbnailDiskCache.h"
#include "images/TemplateThumbnailLoader.h"
#include "images/TemplateThumbnailPainter.h"
#include "support/TestEnvironment.h"
#include "support/TinyFileSystem.h"

namespace casewright {

namespace {

const QRgb kGrey = qRgb(192, 192, 192);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

QImage halves(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kRed);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) {
            picture.setPixel(x, y, kBlue);
        }
    }
    return picture;
}

class TemplateThumbnailLoaderTest : public IsolatedSettingsTest {
protected:
    void SetUp() override {
        IsolatedSettingsTest::SetUp();
        TemplateThumbnailCache::clear();
    }
    void TearDown() override {
        TemplateThumbnailCache::clear();
        IsolatedSettingsTest::TearDown();
    }

    static void setModified(const QString& path, const QDateTime& when) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }

    FreeImageSession session_;
    TemplateTestFolder folder_;
};

}  // namespace

TEST(TemplateThumbnailPainterTest, StretchesWholePictureInsideGreyFrame) {
    const QImage thumbnail = TemplateThumbnailPainter::paint(halves(200, 20), false);

    ASSERT_EQ(thumbnail.size(), QSize(60, 60));
    for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 59), QPoint(59, 59)}) {
        EXPECT_EQ(thumbnail.pixel(corner), kGrey);
    }
    EXPECT_EQ(thumbnail.pixel(30, 0), kGrey);
    // No proportions kept: the wide picture fills the square from top to bottom.
    EXPECT_EQ(thumbnail.pixel(2, 2), kRed);
    EXPECT_EQ(thumbnail.pixel(28, 57), kRed);
    EXPECT_EQ(thumbnail.pixel(32, 2), kBlue);
    EXPECT_EQ(thumbnail.pixel(57, 57), kBlue);
}

TEST(TemplateThumbnailPainterTest, DiscViewCutsToCircleOnWhite) {
    const QImage thumbnail = TemplateThumbnailPainter::paint(halves(60, 60), true);

    EXPECT_EQ(thumbnail.pixel(0, 0), kGrey);
    EXPECT_EQ(thumbnail.pixel(4, 4), kWhite);
    EXPECT_EQ(thumbnail.pixel(55, 55), kWhite);
    EXPECT_EQ(thumbnail.pixel(15, 30), kRed);
    EXPECT_EQ(thumbnail.pixel(45, 30), kBlue);
    // The circle's black outline touches the frame at the middle of each side.
    EXPECT_EQ(thumbnail.pixel(0, 30), qRgb(0, 0, 0));
    EXPECT_EQ(thumbnail.pixel(30, 59), qRgb(0, 0, 0));
}

TEST(TemplateThumbnailPainterTest, TransparentPartsShowWhiteAndNullGivesNull) {
    QImage picture(10, 10, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    EXPECT_EQ(TemplateThumbnailPainter::paint(picture, false).pixel(30, 30), kWhite);
    EXPECT_TRUE(TemplateThumbnailPainter::paint(QImage(), false).isNull());
}

TEST_F(TemplateThumbnailLoaderTest, UndecodableFilesGiveNoThumbnail) {
    ASSERT_TRUE(folder_.addBytes("CD-[BACK]-Broken.jpg", "no picture in here"));
    ASSERT_TRUE(folder_.addImage("CD-[BACK]-Wrong.png", Qt::red, "JPG"));
    ASSERT_TRUE(folder_.addImage("CD-[BACK]-Notes.txt", Qt::red, "PNG"));

    for (const char* name : {"CD-[BACK]-Broken.jpg", "CD-[BACK]-Wrong.png", "CD-[BACK]-Notes.txt",
                             "CD-[BACK]-Missing.png"}) {
        EXPECT_TRUE(TemplateThumbnailLoader::produce(folder_.file(name), false).isNull()) << name;
    }
}

TEST_F(TemplateThumbnailLoaderTest, LargeJpegIsDrawnFromReducedDecoding) {
    QImage picture = halves(1600, 1200);
    ASSERT_TRUE(picture.save(folder_.file("CD-[BACK]-Large.jpg"), "JPG", 95));

    const QImage thumbnail =
        TemplateThumbnailLoader::produce(folder_.file("CD-[BACK]-Large.jpg"), false);

    ASSERT_EQ(thumbnail.size(), QSize(60, 60));
    EXPECT_GT(qRed(thumbnail.pixel(10, 30)), 230);
    EXPECT_LT(qBlue(thumbnail.pixel(10, 30)), 30);
    EXPECT_GT(qBlue(thumbnail.pixel(50, 30)), 230);
    EXPECT_EQ(thumbnail.pixel(0, 0), kGrey);
}

TEST_F(TemplateThumbnailLoaderTest, DeliversEveryIndexInBackgroundThenFromCache) {
    ASSERT_TRUE(folder_.addImage("a.png", Qt::red));
    ASSERT_TRUE(folder_.addBytes("b.jpg", "broken"));
    ASSERT_TRUE(folder_.addImage("c.bmp", Qt::blue));
    const QStringList paths = {folder_.file("a.png"), folder_.file("b.jpg"), folder_.file("c.bmp")};

    TemplateThumbnailLoader first;
    QSignalSpy ready(&first, &TemplateThumbnailLoader::thumbnailReady);
    QSignalSpy finished(&first, &TemplateThumbnailLoader::finished);
    first.start(paths, false);
    ASSERT_TRUE(finished.count() == 1 || finished.wait(5000));

    ASSERT_EQ(ready.count(), 3);
    QMap<int, QImage> byIndex;
    for (const QList<QVariant>& signal : ready) {
        byIndex[signal[0].toInt()] = signal[1].value<QImage>();
    }
    EXPECT_EQ(byIndex[0].pixel(30, 30), kRed);
    EXPECT_TRUE(byIndex[1].isNull());
    EXPECT_EQ(byIndex[2].pixel(30, 30), kBlue);
    EXPECT_TRUE(first.isFinished());

    // A second window gets them all at once, before any event is processed.
    TemplateThumbnailLoader second;
    QSignalSpy again(&second, &TemplateThumbnailLoader::thumbnailReady);
    second.start(paths, false);
    EXPECT_EQ(again.count(), 3);
    EXPECT_TRUE(second.isFinished());
}

TEST_F(TemplateThumbnailLoaderTest, ReplacedFileIsDrawnAgain) {
    const QString path = folder_.file("a.png");
    ASSERT_TRUE(folder_.addImage("a.png", Qt::red));
    EXPECT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), kRed);

    ASSERT_TRUE(folder_.addImage("a.png", Qt::blue));
    setModified(path, QDateTime::currentDateTime().addSecs(60));
    EXPECT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), kBlue);

    // Nor does a later run of the program show the old picture.
    ASSERT_TRUE(folder_.addImage("a.png", Qt::green));
    setModified(path, QDateTime::currentDateTime().addSecs(120));
    TemplateThumbnailCache::clear();
    EXPECT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), qRgb(0, 255, 0));
}

TEST_F(TemplateThumbnailLoaderTest, LaterRunTakesUnchangedThumbnailFromCacheFolder) {
    const QString path = folder_.file("a.png");
    ASSERT_TRUE(folder_.addImage("a.png", Qt::red));
    const QDateTime stamp = QFileInfo(path).lastModified();
    ASSERT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), kRed);
    EXPECT_EQ(QDir(TemplateThumbnailDiskCache::folder()).entryList(QDir::Files).size(), 1);

    // Same size and time, but no longer decodable: only the kept one can show.
    QFile file(path);
    const qint64 size = file.size();
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    file.close();
    setModified(path, stamp);
    TemplateThumbnailCache::clear();

    EXPECT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), kRed);
    EXPECT_TRUE(TemplateThumbnailLoader::produce(path, true).isNull());
}

// A cut-short entry would keep its stamp and show a broken thumbnail in
// every later run; with the disk full there is no entry at all.
TEST_F(TemplateThumbnailLoaderTest, AFullDiskLeavesNoCacheEntry) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    qputenv("XDG_CACHE_HOME", disk.path(QStringLiteral("cache")).toUtf8());
    const QString path = folder_.file("a.png");
    ASSERT_TRUE(folder_.addImage("a.png", Qt::red));
    disk.fill(1);

    EXPECT_EQ(TemplateThumbnailLoader::produce(path, false).pixel(30, 30), kRed);
    EXPECT_TRUE(QDir(TemplateThumbnailDiskCache::folder()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(TemplateThumbnailDiskCache::find(path, false).isNull());
}

TEST_F(TemplateThumbnailLoaderTest, DestroyingLoaderWhileBusyIsSafe) {
    QStringList paths;
    for (int i = 0; i < 40; ++i) {
        const QString name = QStringLiteral("t%1.png").arg(i);
        ASSERT_TRUE(folder_.addImage(name, Qt::green));
        paths.append(folder_.file(name));
    }
    {
        TemplateThumbnailLoader loader;
        loader.start(paths, false);
    }
    SUCCEED();
}

TEST_F(TemplateThumbnailLoaderTest, EmptyListFinishesAtOnce) {
    TemplateThumbnailLoader loader;
    QSignalSpy finished(&loader, &TemplateThumbnailLoader::finished);
    loader.start({}, true);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(loader.isFinished());
}

}  // namespace casewright
