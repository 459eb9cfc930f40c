#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <atomic>
#include <thread>
#include <vector>

#include "ImageLoaderTestFiles.h"
#include "images/FreeImageSession.h"
#include "images/ImageFormatRule.h"
#include "images/ImageLoader.h"

namespace casewright {

namespace {

struct RuleCase {
    const char* path;
    ImageFileFormat format;
};

class ImageFormatRuleTest : public ::testing::TestWithParam<RuleCase> {};

class ImageLoaderTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QString writePng(const QString& name) const {
        const QString file = path(name);
        EXPECT_TRUE(ImageLoaderTestFiles::cornerPattern().save(file, "PNG"));
        return file;
    }

    FreeImageSession session_;
    QTemporaryDir dir_;
};

}  // namespace

TEST_P(ImageFormatRuleTest, ChoosesFormatFromUpperCasedPath) {
    EXPECT_EQ(ImageFormatRule::formatForPath(QString::fromUtf8(GetParam().path)), GetParam().format)
        << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ImageFormatRuleTest,
    ::testing::Values(
        RuleCase{"/p/photo.jpg", ImageFileFormat::Jpeg},
        RuleCase{"/p/PHOTO.JPG", ImageFileFormat::Jpeg},
        RuleCase{"/p/Photo.Jpeg", ImageFileFormat::Jpeg},
        RuleCase{"/p/a.png", ImageFileFormat::Png}, RuleCase{"/p/a.BMP", ImageFileFormat::Bmp},
        RuleCase{"/p/a.tif", ImageFileFormat::Tiff}, RuleCase{"/p/a.TIFF", ImageFileFormat::Tiff},
        RuleCase{"/p/a.gif", ImageFileFormat::Gif}, RuleCase{"/p/a.ico", ImageFileFormat::Ico},
        // The extension that ends the file's own name decides.
        RuleCase{"/p/a.jpg.png", ImageFileFormat::Png},
        RuleCase{"/p/a.png.jpg", ImageFileFormat::Jpeg},
        RuleCase{"/p/a.gif.ico.bmp", ImageFileFormat::Bmp},
        RuleCase{"/p/shots.png/photo.jpg", ImageFileFormat::Jpeg},
        RuleCase{"/tmp/x.gif.d/photo.png", ImageFileFormat::Png},
        RuleCase{"/home/u/My.Gifs/photo.PNG", ImageFileFormat::Png},
        RuleCase{"/p/a.gif.tiff", ImageFileFormat::Tiff},
        // A name that ends otherwise: the last rule found anywhere decides.
        RuleCase{"/p/scans.bmp/photo", ImageFileFormat::Bmp},
        RuleCase{"/p/scans.bmp/photo.txt", ImageFileFormat::Bmp},
        RuleCase{"/p/My.Gifs/photo", ImageFileFormat::Gif},
        RuleCase{"/p/a.gif.ico.old", ImageFileFormat::Ico},
        RuleCase{"/p/photo.jpgx", ImageFileFormat::Jpeg},
        RuleCase{"/p/tmpback.tmp", ImageFileFormat::None},
        RuleCase{"/p/png", ImageFileFormat::None}, RuleCase{"", ImageFileFormat::None}));

TEST_F(ImageLoaderTest, DoubleExtensionIsReadAsTheLastFormat) {
    const QString pngNamedTwice = writePng("a.jpg.png");
    const QString jpegNamedPng = path("b.jpg.png");
    ASSERT_TRUE(ImageLoaderTestFiles::cornerPattern().save(jpegNamedPng, "JPG"));

    EXPECT_FALSE(LoadImageFile(pngNamedTwice).isNull());
    EXPECT_TRUE(LoadImageFile(jpegNamedPng).isNull());
}

TEST_F(ImageLoaderTest, FolderNamedLikeAnImageDecidesForAFileWithoutExtension) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("scans.bmp"));
    const QString file = path("scans.bmp/picture");
    ASSERT_TRUE(ImageLoaderTestFiles::cornerPattern().save(file, "BMP"));

    const QImage loaded = LoadImageFile(file);

    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
}

// A folder named like an image no longer hides the format of the file in it.
TEST_F(ImageLoaderTest, FileInFolderNamedLikeAnotherFormatLoadsByItsOwnName) {
    for (const char* folder : {"x.gif.d", "My.Gifs", "old.jpg"}) {
        SCOPED_TRACE(folder);
        ASSERT_TRUE(QDir(dir_.path()).mkdir(folder));
        const QString file = writePng(QStringLiteral("%1/photo.png").arg(folder));

        const QImage loaded = LoadImageFile(file);

        ASSERT_FALSE(loaded.isNull());
        EXPECT_EQ(loaded.pixel(0, 0), qRgb(255, 0, 0));
    }
}

TEST_F(ImageLoaderTest, ExtractedTemporaryFileIsNotLoaded) {
    const QString file = path("tmpfront.tmp");
    ASSERT_TRUE(ImageLoaderTestFiles::cornerPattern().save(file, "PNG"));
    EXPECT_TRUE(LoadImageFile(file).isNull());
}

TEST_F(ImageLoaderTest, ExtensionCaseDoesNotMatter) {
    ASSERT_TRUE(ImageLoaderTestFiles::cornerPattern().save(path("Photo.Jpeg"), "JPG"));
    ASSERT_TRUE(ImageLoaderTestFiles::cornerPattern().save(path("PHOTO.JPEG"), "JPG"));
    const QImage mixed = LoadImageFile(path("Photo.Jpeg"));
    const QImage upper = LoadImageFile(path("PHOTO.JPEG"));
    ASSERT_FALSE(mixed.isNull());
    EXPECT_EQ(mixed, upper);
}

TEST_F(ImageLoaderTest, MissingUnreadableAndNonFilePathsGiveNothing) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.png"));
    ASSERT_TRUE(ImageLoaderTestFiles::writeBytes(path("garbage.png"), "not a picture at all"));
    ASSERT_TRUE(ImageLoaderTestFiles::writeBytes(path("empty.bmp"), QByteArray()));

    EXPECT_TRUE(LoadImageFile(path("nowhere.png")).isNull());
    EXPECT_TRUE(LoadImageFile(path("folder.png")).isNull());
    EXPECT_TRUE(LoadImageFile(path("garbage.png")).isNull());
    EXPECT_TRUE(LoadImageFile(path("empty.bmp")).isNull());
    EXPECT_TRUE(LoadImageFile(QString()).isNull());
}

// Thumbnails are decoded on worker threads while the previews decode on the
// user interface thread.
TEST_F(ImageLoaderTest, LoadsFromSeveralThreadsAtOnce) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 40; ++x) {
            picture.setPixel(x, y, qRgb(255, 0, 0));
        }
    }
    const QStringList files = {path("a.png"), path("b.jpg"), path("c.tif"), path("d.bmp")};
    ASSERT_TRUE(picture.save(files[0], "PNG"));
    ASSERT_TRUE(picture.save(files[1], "JPG", 100));
    ASSERT_TRUE(picture.save(files[2], "TIFF"));
    ASSERT_TRUE(picture.save(files[3], "BMP"));
    std::atomic_int failures{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&files, &failures, t] {
            for (int round = 0; round < 25; ++round) {
                const QImage loaded = LoadImageFile(files[(t + round) % files.size()]);
                if (loaded.size() != QSize(40, 30) || qRed(loaded.pixel(20, 5)) < 200 ||
                    qBlue(loaded.pixel(20, 25)) < 200) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(failures.load(), 0);
}

TEST_F(ImageLoaderTest, PathWithNonAsciiCharactersLoads) {
    const QString file = writePng(QString::fromUtf8("Été ünïcode.png"));
    EXPECT_FALSE(LoadImageFile(file).isNull());
}

}  // namespace casewright
