#include <gtest/gtest.h>
#include <QPainter>
#include <QTemporaryDir>

#include "RenderTestHelpers.h"
#include "render/CMyDiscButton.h"
#include "render/SurfaceFonts.h"

namespace casewright {

using namespace render_test;

namespace {

const QColor kBackground(0, 200, 0);
const QColor kImage(220, 0, 0);
const QColor kCanvas(0, 0, 255);

// A disc at 96 dpi: 449 x 449 with a hub of 77 pixels (radius 38).
class DiscLabel : public ::testing::Test {
protected:
    void SetUp() override {
        auto& p = disc.params;
        p.refWidth = p.refHeight = 449;
        p.hubDiameterPx = 77;
        p.backgroundColor = FromQColor(kBackground);
        p.font.setFaceName(QStringLiteral("Arial"));
        p.font.height = FontHeightAt96(12);
        p.textAlign = 1;
        p.showBorder = false;
    }
    QImage Draw(int size = 449, int dpi = kScreenDpi) {
        disc.params.xScale = disc.params.yScale = double(size) / disc.params.refWidth;
        QImage canvas = Canvas(size, size, dpi, kCanvas);
        Paint(disc, canvas);
        return canvas;
    }
    int LineHeight() {
        QImage probe = Canvas(4, 4, kScreenDpi);
        QPainter painter(&probe);
        painter.setFont(TextFontFor(disc.params.font, 96, 96, 1.0));
        return painter.fontMetrics().height();
    }

    QTemporaryDir dir;
    CMyDiscButton disc;
};

}  // namespace

TEST_F(DiscLabel, ImageFillsTheDiscAndNothingIsDrawnOutsideIt) {
    disc.params.imagePath = SolidPng(dir.path(), "image", kImage);
    disc.params.showBorder = true;
    disc.params.title = QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const QImage image = Draw();
    EXPECT_EQ(At(image, 224, 10), kImage);
    EXPECT_EQ(At(image, 10, 224), kImage);
    for (QPoint corner : {QPoint(0, 0), QPoint(448, 0), QPoint(0, 448), QPoint(448, 448),
                          QPoint(40, 40), QPoint(408, 408)}) {
        EXPECT_EQ(At(image, corner.x(), corner.y()), kCanvas) << corner.x() << "," << corner.y();
    }
    // The wide title is cut at the disc's edge.
    const int outsideInk = CountNear(image, QRect(0, 0, 60, 60), Qt::black, 60) +
                           CountNear(image, QRect(389, 0, 60, 60), Qt::black, 60);
    EXPECT_EQ(outsideInk, 0);
}

TEST_F(DiscLabel, HubIsWhiteUnlessPrintedOver) {
    disc.params.imagePath = SolidPng(dir.path(), "image", kImage);
    disc.params.printOverInnerCircleDisc = false;
    QImage image = Draw();
    EXPECT_EQ(At(image, 224, 224), QColor(Qt::white));
    EXPECT_EQ(At(image, 224 + 30, 224), QColor(Qt::white));
    EXPECT_EQ(At(image, 224 + 45, 224), kImage);

    disc.params.printOverInnerCircleDisc = true;
    image = Draw();
    EXPECT_EQ(At(image, 224, 224), kImage);

    disc.params.imagePath.clear();
    EXPECT_EQ(At(Draw(), 224, 224), kBackground);
}

TEST_F(DiscLabel, BorderOutlinesTheDiscAndTheHubEitherWay) {
    disc.params.showBorder = true;
    for (bool printOver : {false, true}) {
        disc.params.printOverInnerCircleDisc = printOver;
        const QImage image = Draw();
        // Hub rectangle (186, 186, 262, 262): its outline's top is row 186.
        EXPECT_EQ(At(image, 224, 186), QColor(Qt::black)) << printOver;
        EXPECT_EQ(At(image, 186, 224), QColor(Qt::black)) << printOver;
        EXPECT_EQ(At(image, 261, 224), QColor(Qt::black)) << printOver;
        // The disc outline spans pixels 0 to 447.
        EXPECT_EQ(At(image, 224, 0), QColor(Qt::black)) << printOver;
        EXPECT_EQ(At(image, 0, 224), QColor(Qt::black)) << printOver;
        EXPECT_NE(At(image, 448, 224), QColor(Qt::black)) << printOver;
    }
}

TEST_F(DiscLabel, TitleStartsFourSeventhsToTheHubAndTextTenPixelsBelowIt) {
    disc.params.title = QStringLiteral("Title");
    disc.params.text = QStringLiteral("Text");
    const QImage image = Draw();
    // d = 224 - 38 = 186; title top = 186 * 4/7 = 106.
    const QRect title = InkBox(image, QRect(0, 0, 449, 186), Qt::black);
    ASSERT_FALSE(title.isNull());
    EXPECT_GE(title.top(), 106);
    EXPECT_LT(title.top(), 106 + LineHeight() / 2);
    EXPECT_NEAR(title.center().x(), 224, 3);
    // Text top = 224 + 38 + 10 = 272.
    const QRect text = InkBox(image, QRect(0, 262, 449, 187), Qt::black);
    ASSERT_FALSE(text.isNull());
    EXPECT_GE(text.top(), 272);
    EXPECT_LT(text.top(), 272 + LineHeight() / 2);
    EXPECT_NEAR(text.center().x(), 224, 3);

    // The text's place does not depend on the title.
    disc.params.title.clear();
    const QRect alone = InkBox(Draw(), QRect(0, 262, 449, 187), Qt::black);
    EXPECT_EQ(alone.top(), text.top());
}

TEST_F(DiscLabel, GapBelowTheHubIsTenDevicePixelsWhenPrinting) {
    // 600 dpi: disc 2811 pixels, hub 486, radius 243; text top 1405 + 243 + 10.
    disc.params.refWidth = disc.params.refHeight = 2811;
    disc.params.hubDiameterPx = 486;
    disc.params.text = QStringLiteral("Text");
    QImage canvas = Canvas(2811, 2811, kPrinterDpi, kCanvas);
    QPainter painter(&canvas);
    disc.PrintInto(painter, canvas.rect(), 96);
    painter.end();
    const QRect text = InkBox(canvas, QRect(0, 1405 + 243, 2811, 600), Qt::black);
    ASSERT_FALSE(text.isNull());
    EXPECT_GE(text.top(), 1658);
    EXPECT_LT(text.top(), 1658 + 40);
    EXPECT_GT(text.height(), 60);  // 12 pt at 600 dpi, not at 96
}

}  // namespace casewright
