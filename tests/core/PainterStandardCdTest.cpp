#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

#include "RenderTestHelpers.h"
#include "render/CMyFlatButton.h"
#include "render/SurfaceFonts.h"
#include "render/TrackColumnsPainter.h"

namespace casewright {

using namespace render_test;

namespace {

const QColor kBackground(0, 200, 0);
const QColor kImage(220, 0, 0);
const QColor kCanvas(0, 0, 255);

// The back cover of a standard CD case at 96 dpi: 568 x 444, spines of 24.
class StandardCdBack : public ::testing::Test {
protected:
    void SetUp() override {
        auto& p = cover.params;
        p.refWidth = 568;
        p.refHeight = 444;
        p.spineWidthPx = 24;
        p.backgroundColor = FromQColor(kBackground);
        p.font.setFaceName(QStringLiteral("Arial"));
        p.font.height = FontHeightAt96(18);
        p.textMarginLeft = p.textMarginTop = 0.1;
        p.isTrackListing = true;
        p.showBorder = false;
        p.imagePath = SolidPng(dir.path(), "image", kImage);
    }
    QImage Draw(int width = 568, int height = 444) {
        cover.params.xScale = double(width) / cover.params.refWidth;
        cover.params.yScale = double(height) / cover.params.refHeight;
        QImage canvas = Canvas(width, height, kScreenDpi, kCanvas);
        Paint(cover, canvas);
        return canvas;
    }

    QTemporaryDir dir;
    CMyFlatButton cover;
};

}  // namespace

TEST_F(StandardCdBack, WithoutPrintOverSpinesTheSpineStripsShowTheBackground) {
    cover.params.printOverSpines = false;
    const QImage image = Draw();
    EXPECT_EQ(At(image, 0, 200), kBackground);
    EXPECT_EQ(At(image, 23, 200), kBackground);
    EXPECT_EQ(At(image, 24, 200), kImage);
    EXPECT_EQ(At(image, 543, 200), kImage);
    EXPECT_EQ(At(image, 544, 200), kBackground);
    EXPECT_EQ(At(image, 567, 443), kBackground);

    // In a half-size preview the strips shrink with the scale.
    const QImage small = Draw(284, 222);
    EXPECT_EQ(At(small, 11, 100), kBackground);
    EXPECT_EQ(At(small, 12, 100), kImage);
    EXPECT_EQ(At(small, 271, 100), kImage);
    EXPECT_EQ(At(small, 272, 100), kBackground);
}

TEST_F(StandardCdBack, WithPrintOverSpinesTheImageFillsTheCover) {
    cover.params.printOverSpines = true;
    const QImage image = Draw();
    EXPECT_EQ(At(image, 0, 0), kImage);
    EXPECT_EQ(At(image, 567, 443), kImage);
}

TEST_F(StandardCdBack, FrameDrawsTheOutlineAndSpineLinesOnlyWithTheBorder) {
    cover.params.imagePath.clear();
    cover.params.showBorder = true;
    cover.params.spinesOn = true;
    QImage image = Draw();
    for (int x : {0, 24, 543, 567}) {
        EXPECT_EQ(At(image, x, 300), QColor(Qt::black)) << x;
    }
    EXPECT_EQ(At(image, 300, 0), QColor(Qt::black));
    EXPECT_EQ(At(image, 300, 443), QColor(Qt::black));
    for (int x : {1, 23, 25, 542, 544, 566}) {
        EXPECT_EQ(At(image, x, 300), kBackground) << x;
    }

    cover.params.spinesOn = false;
    image = Draw();
    EXPECT_EQ(At(image, 24, 300), kBackground);
    EXPECT_EQ(At(image, 0, 300), QColor(Qt::black));

    cover.params.spinesOn = true;
    cover.params.showBorder = false;
    image = Draw();
    EXPECT_EQ(At(image, 0, 300), kBackground);
    EXPECT_EQ(At(image, 24, 300), kBackground);
}

TEST_F(StandardCdBack, SpineTextReadsUpOnTheLeftAndDownOnTheRight) {
    cover.params.imagePath.clear();
    // Heavy letters first, light dots after: the heavy end shows which way
    // the text runs.
    cover.params.spineText = QStringLiteral("WWWW............");
    const QImage image = Draw();
    const QRect left = InkBox(image, QRect(0, 0, 24, 444), Qt::black);
    const QRect right = InkBox(image, QRect(544, 0, 24, 444), Qt::black);
    ASSERT_FALSE(left.isNull());
    ASSERT_FALSE(right.isNull());
    EXPECT_TRUE(InkBox(image, QRect(24, 0, 520, 444), Qt::black).isNull());

    // Both copies are centred vertically.
    EXPECT_NEAR(left.center().y(), 222, 3);
    EXPECT_NEAR(right.center().y(), 222, 3);
    // The right copy starts three pixels inside its spine.
    EXPECT_GE(right.left(), 544 + 3);
    EXPECT_LE(right.left(), 544 + 6);
    EXPECT_GE(left.left(), 3);

    auto upperInk = [&](const QRect& box) {
        return CountNear(image, QRect(box.left(), box.top(), box.width(), box.height() / 2),
                         Qt::black);
    };
    auto lowerInk = [&](const QRect& box) {
        return CountNear(image, QRect(box.left(), box.center().y(), box.width(), box.height() / 2),
                         Qt::black);
    };
    EXPECT_GT(lowerInk(left), 2 * upperInk(left));    // reads bottom to top
    EXPECT_GT(upperInk(right), 2 * lowerInk(right));  // reads top to bottom
}

TEST_F(StandardCdBack, TrackListingColumnsFollowTheWidestFirstCell) {
    cover.params.imagePath.clear();
    cover.params.textColor = FromQColor(Qt::black);
    cover.params.text = QStringLiteral(
        "[DELIM]1[/DELIM][DELIM]Intro[/DELIM][DELIM]3:12[/DELIM]\n\r"
        "[DELIM]1234[/DELIM][DELIM]Song[/DELIM][DELIM]10:02[/DELIM]\n\r");
    const QImage image = Draw();

    // Text rectangle: (L + 9 + 24, T + 9, R - 24 - 7, B).
    const QRect textRect(33, 9, 568 - 31 - 33, 444 - 9);
    QImage probe = Canvas(10, 10, kScreenDpi);
    QPainter painter(&probe);
    painter.setFont(TextFontFor(cover.params.font, 96, 96, 1.0));
    const TrackColumnsPainter listing = TrackColumnsPainter::Parse(cover.params.text);
    const int offset = listing.SecondColumnOffset(painter, 1.5);
    EXPECT_EQ(offset, static_cast<int>(painter.fontMetrics().horizontalAdvance("1234") * 1.5));

    const QRect firstColumn = InkBox(image, QRect(33, 0, offset - 2, 444), Qt::black);
    const QRect secondColumn = InkBox(image, QRect(33 + offset, 0, 150, 444), Qt::black);
    const QRect thirdColumn = InkBox(image, QRect(400, 0, 168, 444), Qt::black);
    ASSERT_FALSE(firstColumn.isNull());
    ASSERT_FALSE(secondColumn.isNull());
    ASSERT_FALSE(thirdColumn.isNull());
    EXPECT_NEAR(firstColumn.left(), textRect.left(), 3);
    EXPECT_NEAR(secondColumn.left(), textRect.left() + offset, 3);
    EXPECT_LE(thirdColumn.right(), textRect.right());
    EXPECT_GE(thirdColumn.right(), textRect.right() - 3);
    EXPECT_GE(firstColumn.top(), 9);
    painter.end();
}

TEST_F(StandardCdBack, PlainTextWhenNotATrackListing) {
    cover.params.imagePath.clear();
    cover.params.isTrackListing = false;
    cover.params.text = QStringLiteral("[DELIM]1[/DELIM]");
    const QImage image = Draw();
    // The markup is drawn as typed, so the line is much wider than "1".
    const QRect ink = InkBox(image, QRect(33, 0, 500, 444), Qt::black);
    EXPECT_GT(ink.width(), 60);
}

namespace {

// The front cover of a standard CD case at 96 dpi: 454 x 454, no spines.
class StandardCdFront : public StandardCdBack {
protected:
    void SetUp() override {
        StandardCdBack::SetUp();
        auto& p = cover.params;
        p.refWidth = p.refHeight = 454;
        p.spineWidthPx = 0;
        p.isTrackListing = false;
        p.imagePath.clear();
        // Solid blocks, so the clipped right edge is inked to the last pixel.
        p.text = QString(60, QChar(0x2588));
    }
};

}  // namespace

TEST_F(StandardCdFront, TextMarginsAreNinePixelsAtEveryPreviewSize) {
    for (int size : {454, 300, 227}) {
        const QImage image = Draw(size, size);
        const QRect ink = InkBox(image, image.rect(), Qt::black);
        ASSERT_FALSE(ink.isNull()) << size;
        EXPECT_GE(ink.left(), 9) << size;
        EXPECT_LE(ink.left(), 10) << size;
        EXPECT_EQ(ink.right(), size - 9 - 1) << size;  // clipped at the right margin
        EXPECT_GE(ink.top(), 9) << size;
    }
}

TEST_F(StandardCdFront, TitleComesFirstAndTheTextOneLineBelow) {
    cover.params.text = QStringLiteral("H");
    const QImage withoutTitle = Draw(454, 454);
    cover.params.title = QStringLiteral("T & T");
    const QImage withTitle = Draw(454, 454);
    const QRect textAlone = InkBox(withoutTitle, withoutTitle.rect(), Qt::black);
    QImage probe = Canvas(10, 10, kScreenDpi);
    QPainter painter(&probe);
    painter.setFont(TextFontFor(cover.params.font, 96, 96, 1.0));
    const int lineHeight = painter.fontMetrics().height();
    painter.end();
    // The "H" has moved down by exactly one line.
    const QRect below = InkBox(withTitle, QRect(0, textAlone.top() + 1, 40, 454), Qt::black);
    EXPECT_EQ(below.bottom(), textAlone.bottom() + lineHeight);
}

TEST_F(StandardCdFront, SpineTextWithoutSpinesShowsOnlyAlongTheLeftEdge) {
    cover.params.text.clear();
    cover.params.spineText = QStringLiteral("SPINE");
    const QImage image = Draw(454, 454);
    const QRect ink = InkBox(image, image.rect(), Qt::black);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.right(), 30);  // the right-hand copy is clipped away
    EXPECT_GE(ink.left(), 3);
}

}  // namespace casewright
