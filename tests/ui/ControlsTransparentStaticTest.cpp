#include <gtest/gtest.h>
#include <QImage>
#include <QWidget>

#include "controls/CTransparentStatic.h"

namespace casewright {

namespace {

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    widget.render(&image);
    return image;
}

int CountPixels(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += QColor(image.pixel(x, y)) == color ? 1 : 0;
        }
    }
    return count;
}

// A white parent, as the dialogs' background rectangle is.
class TransparentStaticTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.resize(200, 60);
        parent_.setAutoFillBackground(true);
        QPalette palette = parent_.palette();
        palette.setColor(QPalette::Window, Qt::white);
        parent_.setPalette(palette);
    }
    QWidget parent_;
};

TEST_F(TransparentStaticTest, DrawsItsTextInItsColourOverTheParent) {
    auto* label = new CTransparentStatic(QStringLiteral("WWWW"), &parent_);
    label->setGeometry(10, 10, 150, 30);
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    label->setTextColor(QColor(0, 51, 102));
    QPalette own = label->palette();
    own.setColor(QPalette::Window, Qt::green);  // would show if it painted a background
    label->setPalette(own);

    const QImage image = Render(parent_);
    const QRect area = label->geometry();
    EXPECT_GT(CountPixels(image, area, QColor(0, 51, 102)), 10);
    EXPECT_EQ(CountPixels(image, area, Qt::green), 0);
    EXPECT_EQ(QColor(image.pixel(area.right(), area.bottom())), QColor(Qt::white));
}

TEST_F(TransparentStaticTest, ChangedTextLeavesNoTraceOfTheOld) {
    auto* label = new CTransparentStatic(QStringLiteral("WWWWWWWW"), &parent_);
    label->setGeometry(10, 10, 180, 30);
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    label->setTextColor(Qt::red);
    ASSERT_GT(CountPixels(Render(parent_), label->geometry(), Qt::red), 0);

    label->setText(QStringLiteral("I"));
    const QRect rightPart(60, 10, 120, 30);
    EXPECT_EQ(CountPixels(Render(parent_), rightPart, Qt::red), 0);
}

TEST_F(TransparentStaticTest, DoubleAmpersandShowsOneAndSizeHintFitsTheText) {
    CTransparentStatic single(QStringLiteral("Case & Label"));
    CTransparentStatic doubled(QStringLiteral("Case && Label"));
    EXPECT_EQ(doubled.sizeHint().width(),
              single.sizeHint().width() + single.fontMetrics().horizontalAdvance('&'));
    EXPECT_GE(single.sizeHint().height(), single.fontMetrics().height());
}

}  // namespace

}  // namespace casewright
