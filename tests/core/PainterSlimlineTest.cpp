#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

#include "RenderTestHelpers.h"
#include "render/CSlimlineCoverButton.h"

namespace casewright {

using namespace render_test;

namespace {

const QColor kBackground(0, 200, 0);
const QColor kLeft(220, 0, 0);
const QColor kRight(240, 240, 0);
const QColor kCanvas(0, 0, 255);
const QColor kGrey(172, 168, 153);

// A slimline insert at 96 dpi: 589 x 457, spine strip of 11 at 56,
// cut-outs of 136 x 7.
class SlimlineInsert : public ::testing::Test {
protected:
    void SetUp() override {
        auto& p = cover.params;
        p.refWidth = 589;
        p.refHeight = 457;
        p.spineWidthPx = 11;
        p.spineOffsetPx = 56;
        p.cutoutWidthPx = 136;
        p.cutoutHeightPx = 7;
        p.backgroundColor = FromQColor(kBackground);
        p.font.setFaceName(QStringLiteral("Arial"));
        p.font.height = FontHeightAt96(18);
        p.textMarginLeft = 0.84;
        p.textMarginTop = 0.25;
        p.showBorder = false;
        p.imagePath = SplitPng(dir.path(), "image", kLeft, kRight);
    }
    QImage Draw(int width = 589, int height = 457) {
        cover.params.xScale = double(width) / cover.params.refWidth;
        cover.params.yScale = double(height) / cover.params.refHeight;
        QImage canvas = Canvas(width, height, kScreenDpi, kCanvas);
        Paint(cover, canvas);
        return canvas;
    }

    QTemporaryDir dir;
    CSlimlineCoverButton cover;
};

}  // namespace

TEST_F(SlimlineInsert, WithoutPrintOverSpinesTheImageStartsRightOfTheSpineAndRunsOff) {
    cover.params.printOverSpines = false;
    const QImage image = Draw();
    EXPECT_EQ(At(image, 66, 200), kBackground);
    EXPECT_EQ(At(image, 67, 200), kLeft);
    // 567 pixels wide from 67: its halves meet near 67 + 283 (blended over
    // the few pixels a smoothly enlarged source pixel spans), and its last
    // 45 pixels fall past the right edge.
    EXPECT_EQ(At(image, 340, 200), kLeft);
    EXPECT_EQ(At(image, 361, 200), kRight);
    EXPECT_EQ(At(image, 588, 200), kRight);

    cover.params.printOverSpines = true;
    const QImage over = Draw();
    EXPECT_EQ(At(over, 0, 200), kLeft);
    EXPECT_EQ(At(over, 284, 200), kLeft);
    EXPECT_EQ(At(over, 308, 200), kRight);
}

TEST_F(SlimlineInsert, CutoutsAreWhiteOnPaperAndGreyInAPreview) {
    cover.params.showBorder = true;
    const QImage paper = Draw();
    EXPECT_EQ(At(paper, 5, 2), QColor(Qt::white));
    EXPECT_EQ(At(paper, 0, 0), QColor(Qt::white));
    EXPECT_EQ(At(paper, 135, 454), QColor(Qt::white));
    EXPECT_EQ(At(paper, 5, 456), QColor(Qt::white));
    // Only the strips' inner edges remain as lines: row T + d - 1 and
    // column c, and row B - d below.
    EXPECT_EQ(At(paper, 50, 6), QColor(Qt::black));
    EXPECT_EQ(At(paper, 136, 3), QColor(Qt::black));
    EXPECT_EQ(At(paper, 50, 450), QColor(Qt::black));
    EXPECT_EQ(At(paper, 137, 3), kLeft);

    // In a preview the strips keep their printed size.
    const QImage preview = Draw(392, 304);
    EXPECT_EQ(At(preview, 5, 2), kGrey);
    EXPECT_EQ(At(preview, 135, 2), kGrey);
    EXPECT_EQ(At(preview, 5, 301), kGrey);
    EXPECT_NE(At(preview, 140, 2), kGrey);

    cover.params.showBorder = false;
    EXPECT_EQ(At(Draw(), 50, 6), kLeft);
    EXPECT_EQ(At(Draw(), 50, 5), QColor(Qt::white));
}

TEST_F(SlimlineInsert, SpineStripLinesFollowTheScale) {
    cover.params.imagePath.clear();
    cover.params.showBorder = true;
    cover.params.spinesOn = true;
    QImage image = Draw();
    EXPECT_EQ(At(image, 56, 200), QColor(Qt::black));
    EXPECT_EQ(At(image, 67, 200), QColor(Qt::black));
    EXPECT_EQ(At(image, 57, 200), kBackground);
    // At 294 / 589: x1 = trunc(56 * 0.499) = 27, x2 = 27 + trunc(11 * 0.499) + 1.
    image = Draw(294, 228);
    EXPECT_EQ(At(image, 27, 100), QColor(Qt::black));
    EXPECT_EQ(At(image, 32, 100), QColor(Qt::black));
    EXPECT_NE(At(image, 33, 100), QColor(Qt::black));

    cover.params.spinesOn = false;
    EXPECT_EQ(At(Draw(), 56, 200), kBackground);
}

TEST_F(SlimlineInsert, TextIsAlwaysATrackListingWithEmptyFirstCellsGivingNoGap) {
    cover.params.imagePath.clear();
    cover.params.text = QStringLiteral(
        "[DELIM][/DELIM][DELIM]Song[/DELIM][DELIM]3:12[/DELIM]\n\r"
        "[DELIM][/DELIM][DELIM]Other[/DELIM][DELIM]4:40[/DELIM]\n\r");
    const QImage image = Draw();
    // Empty first cells: column 2 starts at the text rectangle's left edge
    // (0.84 in = 80), column 3 ends at w0 - 5.
    const QRect second = InkBox(image, QRect(70, 0, 200, 457), Qt::black);
    const QRect third = InkBox(image, QRect(400, 0, 189, 457), Qt::black);
    ASSERT_FALSE(second.isNull());
    ASSERT_FALSE(third.isNull());
    EXPECT_NEAR(second.left(), 80, 2);
    EXPECT_GE(second.top(), 24);  // 0.25 in
    EXPECT_LE(third.right(), 583);
    EXPECT_GE(third.right(), 580);
}

TEST_F(SlimlineInsert, SpineTextLiesAgainstTheStripsRightEdge) {
    cover.params.imagePath.clear();
    cover.params.spineText = QStringLiteral("SPINE");
    const QImage image = Draw();
    const QRect ink = InkBox(image, image.rect(), Qt::black);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 56);
    EXPECT_LE(ink.right(), 66);
    EXPECT_NEAR(ink.center().y(), 228, 3);
}

}  // namespace casewright
