#include <FreeImage.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "ImageLoaderTestFiles.h"
#include "images/FreeImageSession.h"
#include "images/ImageLoader.h"

namespace casewright {

using ImageLoaderTestFiles::Layout;

namespace {

class ImageLoaderFormatsTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Every pixel of `loaded` must equal `expected`, alpha included.
    static void expectSamePixels(const QImage& loaded, const QImage& expected) {
        ASSERT_FALSE(loaded.isNull());
        ASSERT_EQ(loaded.size(), expected.size());
        for (int y = 0; y < expected.height(); ++y) {
            for (int x = 0; x < expected.width(); ++x) {
                const QRgb want = expected.pixel(x, y);
                const QRgb got = loaded.pixel(x, y);
                if (qAlpha(want) == 0) {
                    EXPECT_EQ(qAlpha(got), 0) << "at " << x << "," << y;
                } else {
                    EXPECT_EQ(got, want)
                        << "at " << x << "," << y << std::hex << " got " << got << " want " << want;
                }
            }
        }
    }

    FreeImageSession session_;
    QTemporaryDir dir_;
};

struct BitmapCase {
    Layout layout;
    const char* name;
};

class BitmapDepthTest : public ImageLoaderFormatsTest,
                        public ::testing::WithParamInterface<BitmapCase> {};

}  // namespace

// Each pixel layout of a Windows bitmap arrives with its colours and with the
// top row on top and the left column on the left.
TEST_P(BitmapDepthTest, KeepsColoursAndOrientation) {
    QImage picture = ImageLoaderTestFiles::cornerPattern(5, 3);
    if (GetParam().layout == Layout::Palette1) {
        // Two colours only: a red top row whose last pixel stays white.
        picture.fill(Qt::white);
        for (int x = 0; x < 4; ++x) {
            picture.setPixel(x, 0, qRgb(255, 0, 0));
        }
    }
    const QString file = path(QString::fromLatin1(GetParam().name) + ".bmp");
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, GetParam().layout, FIF_BMP, file));

    const QImage loaded = LoadImageFile(file);

    expectSamePixels(loaded, picture);
    EXPECT_FALSE(loaded.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(
    AllDepths, BitmapDepthTest,
    ::testing::Values(BitmapCase{Layout::Palette1, "mono"}, BitmapCase{Layout::Palette4, "sixteen"},
                      BitmapCase{Layout::Palette8, "palette"}, BitmapCase{Layout::Rgb555, "rgb555"},
                      BitmapCase{Layout::Rgb565, "rgb565"}, BitmapCase{Layout::Rgb24, "truecolour"},
                      BitmapCase{Layout::Rgba32, "rgba"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImageLoaderFormatsTest, FiveBitChannelsAreNotConfusedWithSixBitGreen) {
    // Half-intensity green differs between the two 16-bit layouts.
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 132, 0));  // exact in 5-5-5 and 5-6-5
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Rgb555, FIF_BMP, path("a.bmp")));
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Rgb565, FIF_BMP, path("b.bmp")));
    EXPECT_EQ(LoadImageFile(path("a.bmp")).pixel(0, 0), qRgb(0, 132, 0));
    EXPECT_EQ(LoadImageFile(path("b.bmp")).pixel(0, 0), qRgb(0, 134, 0));
}

TEST_F(ImageLoaderFormatsTest, ThirtyTwoBitBitmapWithEmptyAlphaIsOpaque) {
    // Many programs write 32-bit bitmaps whose fourth byte is always zero.
    QImage picture = ImageLoaderTestFiles::cornerPattern();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y);
            picture.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), 0));
        }
    }
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Rgba32, FIF_BMP, path("zero.bmp")));

    const QImage loaded = LoadImageFile(path("zero.bmp"));

    expectSamePixels(loaded, ImageLoaderTestFiles::cornerPattern());
}

TEST_F(ImageLoaderFormatsTest, PngAlphaChannelIsKept) {
    QImage picture = ImageLoaderTestFiles::cornerPatternWithHole(7, 5);
    picture.setPixel(6, 4, qRgba(10, 20, 30, 128));
    ASSERT_TRUE(picture.save(path("alpha.png"), "PNG"));

    const QImage loaded = LoadImageFile(path("alpha.png"));

    expectSamePixels(loaded, picture);
    EXPECT_TRUE(loaded.hasAlphaChannel());
}

TEST_F(ImageLoaderFormatsTest, PalettePngTransparencyIsKept) {
    const QImage picture = ImageLoaderTestFiles::cornerPatternWithHole();
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Palette8, FIF_PNG, path("p.png")));
    expectSamePixels(LoadImageFile(path("p.png")), picture);
}

TEST_F(ImageLoaderFormatsTest, GifTransparentIndexIsKept) {
    const QImage picture = ImageLoaderTestFiles::cornerPatternWithHole();
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Palette8, FIF_GIF, path("t.gif")));
    expectSamePixels(LoadImageFile(path("t.gif")), picture);
}

TEST_F(ImageLoaderFormatsTest, TiffAlphaIsKept) {
    const QImage picture = ImageLoaderTestFiles::cornerPatternWithHole();
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Rgba32, FIF_TIFF, path("t.tif")));
    expectSamePixels(LoadImageFile(path("t.tif")), picture);
}

TEST_F(ImageLoaderFormatsTest, IconTransparencyIsKept) {
    QImage picture = ImageLoaderTestFiles::cornerPatternWithHole(16, 16);
    ASSERT_TRUE(picture.save(path("a.ico"), "ICO"));
    expectSamePixels(LoadImageFile(path("a.ico")), picture);
}

TEST_F(ImageLoaderFormatsTest, PaletteIconMaskIsKept) {
    // Low-colour icons carry their transparency in a separate mask.
    const QImage picture = ImageLoaderTestFiles::cornerPatternWithHole(16, 16);
    ASSERT_TRUE(ImageLoaderTestFiles::write(picture, Layout::Palette8, FIF_ICO, path("p.ico")));
    expectSamePixels(LoadImageFile(path("p.ico")), picture);
}

TEST_F(ImageLoaderFormatsTest, JpegKeepsOrientationAndApproximateColours) {
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 32; ++x) {
            picture.setPixel(x, y, qRgb(200, 0, 0));  // red band at the top
        }
    }
    ASSERT_TRUE(picture.save(path("band.jpg"), "JPG", 100));

    const QImage loaded = LoadImageFile(path("band.jpg"));

    ASSERT_EQ(loaded.size(), picture.size());
    EXPECT_NEAR(qRed(loaded.pixel(16, 2)), 200, 12);
    EXPECT_LT(qGreen(loaded.pixel(16, 2)), 20);
    EXPECT_GT(qGreen(loaded.pixel(16, 29)), 235);
}

TEST_F(ImageLoaderFormatsTest, SixteenBitPerChannelPngsAreReduced) {
    QImage grey(3, 2, QImage::Format_Grayscale16);
    grey.fill(QColor(128, 128, 128));
    grey.setPixel(0, 0, qRgb(255, 255, 255));
    ASSERT_TRUE(grey.save(path("grey16.png"), "PNG"));
    QImage colour(3, 2, QImage::Format_RGBX64);
    colour.fill(QColor(0, 0, 255));
    colour.setPixel(0, 0, qRgb(255, 0, 0));
    ASSERT_TRUE(colour.save(path("rgb48.png"), "PNG"));

    const QImage loadedGrey = LoadImageFile(path("grey16.png"));
    const QImage loadedColour = LoadImageFile(path("rgb48.png"));

    ASSERT_FALSE(loadedGrey.isNull());
    EXPECT_EQ(loadedGrey.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NEAR(qRed(loadedGrey.pixel(2, 1)), 128, 2);
    ASSERT_FALSE(loadedColour.isNull());
    EXPECT_EQ(loadedColour.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(loadedColour.pixel(2, 1), qRgb(0, 0, 255));
}

}  // namespace casewright
