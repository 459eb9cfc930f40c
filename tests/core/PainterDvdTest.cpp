#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "RenderTestHelpers.h"
#include "render/CDVDCoverButton.h"

namespace casewright {

using namespace render_test;

namespace {

const QColor kBackground(0, 200, 0);
const QColor kFront(220, 0, 0);
const QColor kBack(240, 240, 0);
const QColor kWrap(0, 220, 220);

// A standard DVD wrap at 96 dpi: 1030 x 691 with an odd spine of 51 pixels,
// so the spine runs from 490 to 540 and the front image starts at 540.
class DvdWrap : public ::testing::Test {
protected:
    void SetUp() override {
        auto& p = cover.params;
        p.refWidth = 1030;
        p.refHeight = 691;
        p.spineWidthPx = 51;
        p.backgroundColor = FromQColor(kBackground);
        p.font.setFaceName(QStringLiteral("Arial"));
        p.font.height = FontHeightAt96(14);
        p.textMarginLeft = p.textMarginTop = p.frontTextTop = 0.25;
        p.frontTextLeft = 5.85;
        p.showBorder = false;
        p.frontImagePath = SolidPng(dir.path(), "front", kFront);
        p.backImagePath = SolidPng(dir.path(), "back", kBack);
    }
    QImage Draw() {
        QImage canvas = Canvas(1030, 691, kScreenDpi);
        Paint(cover, canvas);
        return canvas;
    }

    QTemporaryDir dir;
    CDVDCoverButton cover;
};

}  // namespace

TEST_F(DvdWrap, FrontAndBackImagesLeaveTheSpineWithAnOddWidth) {
    cover.params.imageMode = 1;
    const QImage image = Draw();
    EXPECT_EQ(At(image, 0, 300), kBack);
    EXPECT_EQ(At(image, 489, 300), kBack);
    EXPECT_EQ(At(image, 490, 300), kBackground);
    EXPECT_EQ(At(image, 539, 300), kBackground);
    // One pixel left of the spine rectangle's right edge (541).
    EXPECT_EQ(At(image, 540, 300), kFront);
    EXPECT_EQ(At(image, 1029, 690), kFront);
}

TEST_F(DvdWrap, WholeWrapModeWithoutItsImageDrawsNoImageAtAll) {
    cover.params.imageMode = 0;
    QImage image = Draw();
    for (int x : {10, 515, 1000}) {
        EXPECT_EQ(At(image, x, 300), kBackground) << x;
    }
    cover.params.stretchImagePath = SolidPng(dir.path(), "wrap", kWrap);
    image = Draw();
    for (int x : {0, 515, 1029}) {
        EXPECT_EQ(At(image, x, 300), kWrap) << x;
    }
    cover.params.imageMode = 2;
    EXPECT_EQ(At(Draw(), 515, 300), kBackground);
}

TEST_F(DvdWrap, FrameOutlinesTheSpineOnlyWhenSpinesAreOn) {
    cover.params.imageMode = 2;
    cover.params.showBorder = true;
    cover.params.spinesOn = true;
    QImage image = Draw();
    for (int x : {0, 490, 540, 1029}) {
        EXPECT_EQ(At(image, x, 300), QColor(Qt::black)) << x;
    }
    EXPECT_EQ(At(image, 541, 300), kBackground);
    cover.params.spinesOn = false;
    image = Draw();
    EXPECT_EQ(At(image, 490, 300), kBackground);
    EXPECT_EQ(At(image, 0, 300), QColor(Qt::black));
}

TEST_F(DvdWrap, SpineTextInsetIsAQuarterOrATenthOfTheSpine) {
    cover.params.imageMode = 2;
    cover.params.spineText = QStringLiteral("SPINE TEXT");
    const QRect spine(490, 0, 80, 691);
    const QRect wide = InkBox(Draw(), spine, Qt::black);
    cover.params.narrowSpineText = true;
    const QRect narrow = InkBox(Draw(), spine, Qt::black);
    ASSERT_FALSE(wide.isNull());
    ASSERT_FALSE(narrow.isNull());
    // 51 / 4 = 12 against 51 / 10 = 5.
    EXPECT_EQ(wide.left() - narrow.left(), 7);
    EXPECT_GE(narrow.left(), 490 + 5);
    EXPECT_NEAR(wide.center().y(), 345, 3);
}

TEST_F(DvdWrap, BackAndFrontTextsStartAtTheirMargins) {
    cover.params.imageMode = 2;
    cover.params.title = QStringLiteral("Back");
    cover.params.frontText = QStringLiteral("Front");
    const QImage image = Draw();
    const QRect back = InkBox(image, QRect(0, 0, 490, 691), Qt::black);
    const QRect front = InkBox(image, QRect(541, 0, 489, 691), Qt::black);
    ASSERT_FALSE(back.isNull());
    ASSERT_FALSE(front.isNull());
    EXPECT_NEAR(back.left(), 24, 2);    // 0.25 in
    EXPECT_NEAR(front.left(), 561, 2);  // 5.85 in
    EXPECT_GE(back.top(), 24);
    EXPECT_GE(front.top(), 24);
    EXPECT_LT(front.top(), 24 + 10);
}

}  // namespace casewright
