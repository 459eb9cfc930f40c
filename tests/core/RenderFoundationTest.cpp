#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>

#include "RenderTestHelpers.h"
#include "render/SurfaceDrawing.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceImageCache.h"
#include "render/SurfaceText.h"
#include "render/TrackColumnsPainter.h"
#include "support/HostileImageFiles.h"

namespace casewright {

using namespace render_test;

namespace {

LogFont Arial(int32_t height) {
    LogFont font;
    font.setFaceName(QStringLiteral("Arial"));
    font.height = height;
    font.weight = 400;
    return font;
}

}  // namespace

TEST(RenderFontScaling, HeightsGoThroughWholePointsAndMulDiv) {
    // 16 px at 96 dpi is 12 pt; at 600 dpi 12 pt is 100 px.
    EXPECT_EQ(ScaledFontHeight(-16, 96, 600, 1.0), -100);
    EXPECT_EQ(ScaledFontHeight(-16, 96, 96, 1.0), -16);
    // 15 px at 96 dpi is 11.25 pt, truncated to 11; 11 pt at 600 dpi is 91.67,
    // rounded to 92.
    EXPECT_EQ(ScaledFontHeight(-15, 96, 600, 1.0), -92);
    // The preview scale applies last and truncates toward zero.
    EXPECT_EQ(ScaledFontHeight(-16, 96, 96, 0.7), -11);
    // A file whose heights were made for 120 dpi keeps its point sizes.
    EXPECT_EQ(ScaledFontHeight(-20, 120, 96, 1.0), -16);
    // Without a reference, heights are pixels at 96 dpi, not at the device's.
    EXPECT_EQ(ScaledFontHeight(-16, 0, 600, 1.0), -100);
    EXPECT_EQ(ScaledFontHeight(-16, -1, 192, 1.0), -32);
    // Absurd stored heights stay within range instead of overflowing.
    EXPECT_LT(ScaledFontHeight(-2000000000, 1, 1200, 1.0), 0);
}

TEST(RenderFontScaling, SpineFontsHaveFixedPointSizesRegularAndUpright) {
    LogFont font = Arial(-40);
    font.weight = 700;
    font.italic = 1;
    font.underline = 1;
    const LogFont spine = SpineLogFont(font, 11, 96, 0.5, kEscapementTopToBottom);
    EXPECT_EQ(spine.height, -7);  // MulDiv(11, 96, 72) = 15, halved and truncated
    EXPECT_EQ(spine.weight, 400);
    EXPECT_EQ(spine.italic, 0);
    EXPECT_EQ(spine.underline, 1);
    EXPECT_EQ(spine.escapement, -900);
    EXPECT_EQ(spine.faceName, QStringLiteral("Arial"));
    EXPECT_EQ(SpineLogFont(font, 14, 600, 1.0, kEscapementBottomToTop).height, -117);
}

TEST(RenderFontScaling, TwelvePointsPrintTwelvePointsHigh) {
    // 12 pt is 100 pixels at 600 dpi; a capital H of Arial is about 0.72 em.
    QImage canvas = Canvas(1200, 300, kPrinterDpi, Qt::white);
    QPainter painter(&canvas);
    painter.setFont(TextFontFor(Arial(FontHeightAt96(12)), 96, DeviceDpiY(painter), 1.0));
    EXPECT_EQ(painter.font().pixelSize(), 100);
    painter.setPen(Qt::black);
    DrawAlignedText(painter, canvas.rect(), QStringLiteral("H"), 0);
    painter.end();
    const QRect ink = InkBox(canvas, canvas.rect(), Qt::black);
    EXPECT_NEAR(ink.height(), 72, 4);
}

TEST(RenderText, LinesBreakAtCrLfCrAndLf) {
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\r\nb\rc\nd")), QStringList({"a", "b", "c", "d"}));
    // A line feed followed by a carriage return is two breaks.
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\n\rb")), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitTextLines(QStringLiteral("a\r")), QStringList({"a", ""}));
}

class RenderTextDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        canvas = Canvas(300, 200, kScreenDpi, Qt::white);
        painter.begin(&canvas);
        painter.setFont(TextFontFor(Arial(FontHeightAt96(18)), 96, 96, 1.0));
        painter.setPen(Qt::black);
    }
    QRect InkIn(const QRect& area) {
        painter.end();
        return InkBox(canvas, area, Qt::black);
    }

    QImage canvas;
    QPainter painter;
};

TEST_F(RenderTextDrawing, AmpersandIsDrawnAsItself) {
    DrawAlignedText(painter, QRect(10, 10, 200, 100), QStringLiteral("&"), 0);
    EXPECT_FALSE(InkIn(canvas.rect()).isNull());
}

TEST_F(RenderTextDrawing, AlignmentPlacesEachLineWithoutWrapping) {
    const QRect rect(20, 10, 260, 180);
    DrawAlignedText(painter, rect, QStringLiteral("II\r\nIIIIII"), 2);
    const QRect ink = InkIn(rect);
    EXPECT_GE(ink.right(), rect.right() - 3);
    EXPECT_LE(ink.right(), rect.right());
    const int lineHeight = QFontMetrics(painter.font()).height();
    EXPECT_GT(ink.height(), lineHeight);  // two rows, not one wrapped line
}

TEST_F(RenderTextDrawing, TextIsClippedToItsRectangle) {
    const QRect rect(20, 20, 100, 30);
    DrawAlignedText(painter, rect, QStringLiteral("HHHHHHHHHHHHHHHHHHHH\r\nHHHH\r\nHHHH"), 0);
    const QRect ink = InkIn(canvas.rect());
    EXPECT_EQ(ink.right(), rect.right());
    EXPECT_LE(ink.bottom(), rect.bottom());
    EXPECT_GE(ink.left(), rect.left());
}

TEST_F(RenderTextDrawing, TitleMovesTheTextDownOneLine) {
    const int lineHeight = LineHeight(painter);
    EXPECT_EQ(lineHeight, QFontMetrics(painter.font()).height());
    QRect rect(10, 10, 280, 180);
    DrawTitle(painter, rect, QStringLiteral("Title"), 0);
    EXPECT_EQ(rect.top(), 10 + lineHeight);
    EXPECT_EQ(rect.bottom(), 189);
    QRect untouched(10, 10, 280, 180);
    DrawTitle(painter, untouched, QString(), 0);
    EXPECT_EQ(untouched.top(), 10);
}

TEST(RenderTrackListing, CellsGoToThreeColumnsInTurn) {
    const TrackColumnsPainter listing = TrackColumnsPainter::Parse(
        "[DELIM]1[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
        "[DELIM]12[/DELIM][DELIM]Song & Dance[/DELIM][DELIM]10:02[/DELIM]\n\r");
    EXPECT_EQ(listing.column(0), QStringLiteral("1\r12\r"));
    EXPECT_EQ(listing.column(1), QStringLiteral("Intro\rSong & Dance\r"));
    EXPECT_EQ(listing.column(2), QStringLiteral("3:12\r10:02\r"));
    EXPECT_EQ(listing.widestFirstCell(), QStringLiteral("12"));
}

TEST(RenderTrackListing, UnclosedLastCellTakesTheRestAndOddMarkupIsTolerated) {
    const TrackColumnsPainter open =
        TrackColumnsPainter::Parse("[DELIM]1[/DELIM][DELIM]Outro\r\nmore");
    EXPECT_EQ(open.column(1), QStringLiteral("Outro\r\nmore\r"));
    EXPECT_TRUE(open.column(2).isEmpty());

    // An opening marker inside a cell starts the next cell from there.
    const TrackColumnsPainter nested = TrackColumnsPainter::Parse("[DELIM]a[DELIM]b[/DELIM]");
    EXPECT_EQ(nested.column(0), QStringLiteral("a[DELIM]b\r"));
    EXPECT_EQ(nested.column(1), QStringLiteral("b\r"));

    EXPECT_TRUE(TrackColumnsPainter::Parse("plain text").column(0).isEmpty());
}

TEST(RenderTrackListing, FirstOfTheLongestFirstCellsSetsTheGap) {
    const TrackColumnsPainter listing = TrackColumnsPainter::Parse(
        "[DELIM]ab[/DELIM][DELIM]x[/DELIM][DELIM]y[/DELIM]"
        "[DELIM]cd[/DELIM][DELIM]x[/DELIM][DELIM]y[/DELIM]"
        "[DELIM]a&[/DELIM]");
    // "a&" counts three characters, as its ampersand is written twice.
    EXPECT_EQ(listing.widestFirstCell(), QStringLiteral("a&"));
    const TrackColumnsPainter tie = TrackColumnsPainter::Parse(
        "[DELIM]ab[/DELIM][DELIM][/DELIM][DELIM][/DELIM][DELIM]cd[/DELIM]");
    EXPECT_EQ(tie.widestFirstCell(), QStringLiteral("ab"));
}

TEST(RenderImages, ImagesStretchToFillTheirDestination) {
    QTemporaryDir dir;
    const QImage image = LoadSurfaceImage(SplitPng(dir.path(), "split", Qt::red, Qt::blue, 10, 40));
    QImage canvas = Canvas(200, 50, kScreenDpi);
    QPainter painter(&canvas);
    DrawStretchedImage(painter, image, QRect(20, 5, 100, 20));
    DrawStretchedImage(painter, image, QRect(150, 5, 0, 20));  // empty: nothing
    painter.end();
    EXPECT_EQ(At(canvas, 20, 5), QColor(Qt::red));
    EXPECT_EQ(At(canvas, 69, 24), QColor(Qt::red));
    EXPECT_EQ(At(canvas, 70, 5), QColor(Qt::blue));
    EXPECT_EQ(At(canvas, 119, 24), QColor(Qt::blue));
    EXPECT_EQ(At(canvas, 120, 5), QColor(0, 255, 0));
    EXPECT_EQ(At(canvas, 20, 25), QColor(0, 255, 0));
    EXPECT_EQ(At(canvas, 150, 5), QColor(0, 255, 0));
}

TEST(RenderImages, OutlinesCoverTheGdiPixels) {
    QImage canvas = Canvas(40, 40, kScreenDpi, Qt::white);
    QPainter painter(&canvas);
    OutlineRect(painter, 30, 5, 10, 15);  // given right to left
    painter.end();
    EXPECT_EQ(At(canvas, 10, 5), QColor(Qt::black));
    EXPECT_EQ(At(canvas, 29, 14), QColor(Qt::black));
    EXPECT_EQ(At(canvas, 30, 10), QColor(Qt::white));
    EXPECT_EQ(At(canvas, 20, 15), QColor(Qt::white));
    EXPECT_EQ(At(canvas, 20, 10), QColor(Qt::white));
}

class RenderImageCache : public ::testing::Test {
protected:
    void SetUp() override { SurfaceImageCache::instance().clear(); }
    void TearDown() override {
        SurfaceImageCache::instance().setBudget(SurfaceImageCache::kDefaultBudgetBytes);
        SurfaceImageCache::instance().clear();
    }
    QTemporaryDir dir;
};

TEST_F(RenderImageCache, ChangedReplacedOrDeletedFilesShowTheirNewState) {
    const QString path = SolidPng(dir.path(), "img", Qt::red);
    EXPECT_EQ(LoadSurfaceImage(path).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(LoadSurfaceImage(path).pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(SurfaceImageCache::instance().entryCount(), 1);

    // Same size, same name: a rewrite must still be seen.
    QThread::msleep(20);
    SolidPng(dir.path(), "img", Qt::blue);
    EXPECT_EQ(LoadSurfaceImage(path).pixelColor(0, 0), QColor(Qt::blue));

    // Replaced by renaming another file over it.
    const QString other = SolidPng(dir.path(), "other", Qt::yellow);
    QFile::remove(path);
    QFile::rename(other, path);
    EXPECT_EQ(LoadSurfaceImage(path).pixelColor(0, 0), QColor(Qt::yellow));

    QFile::remove(path);
    EXPECT_TRUE(LoadSurfaceImage(path).isNull());
    EXPECT_TRUE(LoadSurfaceImage(QString()).isNull());
}

TEST_F(RenderImageCache, MemoryStaysWithinTheBudget) {
    SurfaceImageCache& cache = SurfaceImageCache::instance();
    const qint64 oneImage = 100 * 100 * 4;
    cache.setBudget(2 * oneImage);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(
            LoadSurfaceImage(SolidPng(dir.path(), QString::number(i), Qt::red, 100, 100)).isNull());
    }
    EXPECT_EQ(cache.entryCount(), 2);
    EXPECT_LE(cache.bytesHeld(), 2 * oneImage);
    // An image larger than the whole budget is drawn but not kept.
    EXPECT_FALSE(LoadSurfaceImage(SolidPng(dir.path(), "big", Qt::red, 300, 300)).isNull());
    EXPECT_LE(cache.bytesHeld(), 2 * oneImage);
}

// A picture too large to keep whole is kept at the size it is drawn at, so
// that switching views does not decode it again; it is read again only for a
// larger drawing, and never kept smaller than it was before.
TEST_F(RenderImageCache, LargePicturesAreKeptAtTheSizeTheyAreDrawn) {
    SurfaceImageCache& cache = SurfaceImageCache::instance();
    cache.setBudget(100 * 100 * 4);
    QImage halves(300, 200, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(150, 0, 150, 200, Qt::blue);
    const QString png = dir.filePath("halves.png");
    ASSERT_TRUE(halves.save(png));
    struct Draw {
        QSize drawnSize;
        QSize imageSize;
    };
    for (const Draw& draw :
         {Draw{QSize(60, 40), QSize(60, 40)}, Draw{QSize(50, 30), QSize(60, 40)},
          Draw{QSize(90, 60), QSize(90, 60)}, Draw{QSize(60, 40), QSize(90, 60)}}) {
        SCOPED_TRACE(draw.drawnSize.width());
        const QImage image = LoadSurfaceImage(png, draw.drawnSize);

        EXPECT_EQ(image.size(), draw.imageSize);
        EXPECT_EQ(image.pixelColor(5, 20), QColor(Qt::red));
        EXPECT_EQ(image.pixelColor(image.width() - 5, 20), QColor(Qt::blue));
        EXPECT_EQ(cache.entryCount(), 1);
        EXPECT_EQ(cache.bytesHeld(), draw.imageSize.width() * draw.imageSize.height() * 4);
    }
    // The whole picture is still drawn when asked for, without being kept.
    EXPECT_EQ(LoadSurfaceImage(png).size(), QSize(300, 200));
    EXPECT_EQ(cache.bytesHeld(), 90 * 60 * 4);

    // A JPEG file is decoded at the coarsest scale that still fills the drawing.
    const QString jpeg = dir.filePath("flat.jpg");
    ASSERT_TRUE(HostileImageFiles::write(jpeg, HostileImageFiles::flatJpeg(800, 600, 3)));
    EXPECT_EQ(LoadSurfaceImage(jpeg, QSize(90, 70)).size(), QSize(100, 75));
}

}  // namespace casewright
