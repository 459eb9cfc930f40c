#include <gtest/gtest.h>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QEnterEvent>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "support/ScriptedPrompter.h"

namespace casewright {

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

QColor Pixel(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// A palette colour as an 8-bit-per-channel pixel would hold it.
QColor PaletteColor(const QWidget& widget, QPalette::ColorRole role) {
    return QColor(widget.palette().color(QPalette::Active, role).rgb());
}

bool Contains(const QImage& image, const QColor& color, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == color.rgb()) {
                return true;
            }
        }
    }
    return false;
}

bool Contains(const QImage& image, const QColor& color) {
    return Contains(image, color, image.rect());
}

void Enter(QWidget& widget) {
    const QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    QEnterEvent event(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &event);
}

void Leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

QImage Solid(const QSize& size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A button with distinct in, out and focus backgrounds and no caption.
void UseTestColors(CFlatImageButton& button) {
    button.setColor(CFlatImageButton::BackgroundIn, kRed);
    button.setColor(CFlatImageButton::BackgroundOut, kBlue);
    button.setColor(CFlatImageButton::BackgroundFocus, kGreen);
}

class FlatImageButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.resize(300, 200);
        host_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host_));
    }

    CFlatImageButton* addButton(const QString& text = QString()) {
        auto* button = new CFlatImageButton(text, &host_);
        button->setGeometry(10, 10 + 40 * buttons_++, 60, 30);
        button->show();
        return button;
    }

    QWidget host_;
    int buttons_ = 0;
};

TEST_F(FlatImageButtonTest, BackgroundFollowsHoverAndBorderShowsOnlyWhenAsked) {
    CFlatImageButton* button = addButton();
    UseTestColors(*button);
    const QColor light = PaletteColor(*button, QPalette::Light);
    const QColor dark = PaletteColor(*button, QPalette::Dark);

    QImage image = Render(*button);
    EXPECT_EQ(Pixel(image, 30, 15), kBlue);
    EXPECT_EQ(Pixel(image, 0, 0), kBlue) << "no border while the mouse is elsewhere";

    Enter(*button);
    EXPECT_TRUE(button->isHover());
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 30, 15), kRed);
    EXPECT_EQ(Pixel(image, 0, 0), light) << "raised border: highlight at the top left";
    EXPECT_EQ(Pixel(image, 59, 29), dark) << "raised border: shadow at the bottom right";

    button->setDrawBorder(false);
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 0, 0), kRed);
    EXPECT_EQ(Pixel(image, 59, 29), kRed);

    Leave(*button);
    EXPECT_FALSE(button->isHover());
    EXPECT_EQ(Pixel(Render(*button), 30, 15), kBlue);
}

TEST_F(FlatImageButtonTest, MovingAcrossButtonsHighlightsOnlyTheOneUnderTheMouse) {
    CFlatImageButton* first = addButton();
    CFlatImageButton* second = addButton();
    Enter(*first);
    Leave(*first);
    Enter(*second);
    EXPECT_FALSE(first->isHover());
    EXPECT_TRUE(second->isHover());
}

TEST_F(FlatImageButtonTest, DragStartedElsewhereDoesNotHighlight) {
    CFlatImageButton* button = addButton();
    const QPoint outside(250, 150);
    QTest::mousePress(host_.windowHandle(), Qt::LeftButton, Qt::NoModifier, outside);
    Enter(*button);
    const QPointF inside(30, 15);
    QMouseEvent move(QEvent::MouseMove, inside, button->mapToGlobal(inside), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
    EXPECT_FALSE(button->isHover());
    QTest::mouseRelease(host_.windowHandle(), Qt::LeftButton, Qt::NoModifier, outside);

    Enter(*button);
    EXPECT_TRUE(button->isHover());
    const QPointF away(90, 15);
    QMouseEvent moveOut(QEvent::MouseMove, away, button->mapToGlobal(away), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &moveOut);
    EXPECT_FALSE(button->isHover()) << "dragged off the button";
}

TEST_F(FlatImageButtonTest, FocusedButtonUsesTheFocusColours) {
    CFlatImageButton* button = addButton();
    UseTestColors(*button);
    host_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host_));
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(Pixel(Render(*button), 30, 15), kGreen);
    Enter(*button);
    EXPECT_EQ(Pixel(Render(*button), 30, 15), kRed) << "hover wins over focus";
}

TEST_F(FlatImageButtonTest, HoverEndsWhenTheButtonIsDisabledOrLosesFocus) {
    CFlatImageButton* button = addButton();
    Enter(*button);
    button->setEnabled(false);
    EXPECT_FALSE(button->isHover());

    button->setEnabled(true);
    Enter(*button);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(button, &focusOut);
    EXPECT_FALSE(button->isHover());
}

TEST_F(FlatImageButtonTest, PressedButtonIsSunkenAndMovesItsImageByTheStyleOffset) {
    CFlatImageButton* button = addButton();
    button->resize(20, 20);
    UseTestColors(*button);
    button->setBitmap(Solid(QSize(4, 4), Qt::black));  // centred at 8..11
    const QColor light = PaletteColor(*button, QPalette::Light);
    const QColor dark = PaletteColor(*button, QPalette::Dark);

    QImage image = Render(*button);
    EXPECT_EQ(Pixel(image, 8, 8), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 12, 12), kBlue);

    button->setDown(true);
    EXPECT_EQ(button->pressedOffset(), QPoint(1, 1));
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 15, 15), kRed) << "pressed uses the 'in' background";
    EXPECT_EQ(Pixel(image, 8, 8), kRed);
    EXPECT_EQ(Pixel(image, 12, 12), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 0, 0), dark) << "sunken border: shadow at the top left";
    EXPECT_EQ(Pixel(image, 19, 19), light);

    ASSERT_EQ(button->setPressedStyle(CFlatImageButton::PressedDown), CFlatImageButton::Ok);
    EXPECT_EQ(button->pressedOffset(), QPoint(0, 2));
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 8, 13), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 8, 9), kRed);

    button->setDrawBorder(false);
    EXPECT_EQ(Pixel(Render(*button), 0, 0), kRed) << "no border at all without drawBorder";
}

TEST_F(FlatImageButtonTest, CheckBoxTogglesAndShowsItsStateWithoutMoving) {
    CFlatImageButton* box = addButton();
    box->resize(20, 20);
    box->setMode(CFlatImageButton::Mode::CheckBox);
    UseTestColors(*box);
    box->setBitmap(Solid(QSize(4, 4), Qt::black));
    EXPECT_EQ(box->textPlacement(), CFlatImageButton::TextLeft);
    EXPECT_FALSE(box->autoDefault());

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->check(), 1);
    Leave(*box);
    const QImage image = Render(*box);
    EXPECT_EQ(Pixel(image, 15, 10), kRed) << "checked looks pressed";
    EXPECT_EQ(Pixel(image, 8, 8), QColor(Qt::black)) << "but the image stays in place";

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(box->isChecked());

    box->setCheck(2);
    EXPECT_TRUE(box->isChecked());
    box->setCheck(3);
    EXPECT_FALSE(box->isChecked());
}

TEST_F(FlatImageButtonTest, RadioClickClearsTheOthersOfItsGroupAndStaysChecked) {
    CFlatImageButton* a = addButton(QStringLiteral("A"));
    CFlatImageButton* b = addButton(QStringLiteral("B"));
    CFlatImageButton* c = addButton(QStringLiteral("C"));
    for (CFlatImageButton* button : {a, b, c}) {
        button->setMode(CFlatImageButton::Mode::Radio);
    }
    a->setCheck(1);

    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(b->isChecked());
    EXPECT_FALSE(c->isChecked());

    QSignalSpy clicks(b, &QAbstractButton::clicked);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->isChecked()) << "clicking the checked radio keeps it checked";
    EXPECT_EQ(clicks.count(), 1) << "and still tells the window";
}

TEST_F(FlatImageButtonTest, RadioButtonsInAButtonGroupFormTheirOwnGroup) {
    CFlatImageButton* a = addButton(QStringLiteral("A"));
    CFlatImageButton* b = addButton(QStringLiteral("B"));
    CFlatImageButton* outside = addButton(QStringLiteral("C"));
    for (CFlatImageButton* button : {a, b, outside}) {
        button->setMode(CFlatImageButton::Mode::Radio);
    }
    QButtonGroup group;
    group.addButton(a);
    group.addButton(b);
    outside->setCheck(1);
    QTest::mouseClick(a, Qt::LeftButton);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(a->isChecked());
    EXPECT_TRUE(b->isChecked());
    EXPECT_TRUE(outside->isChecked());
}

TEST_F(FlatImageButtonTest, BitmapTransparentColourIsKeyedOut) {
    CFlatImageButton* button = addButton();
    QImage bitmap = Solid(QSize(6, 6), kMagenta);
    bitmap.setPixel(2, 2, qRgb(0, 0, 0));
    bitmap.setPixel(3, 3, qRgb(254, 0, 255));  // close to magenta but not it
    button->setBitmap(bitmap);
    button->sizeToImage();
    EXPECT_EQ(button->size(), QSize(6, 6));
    button->setColor(CFlatImageButton::BackgroundOut, kGreen);

    const QImage image = Render(*button);
    EXPECT_FALSE(Contains(image, kMagenta));
    EXPECT_EQ(Pixel(image, 0, 0), kGreen);
    EXPECT_EQ(Pixel(image, 2, 2), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 3, 3), QColor(254, 0, 255));
}

TEST_F(FlatImageButtonTest, AlignmentBitmapsShowNoMagenta) {
    for (const char* path : {Artwork::kAlignLeft, Artwork::kAlignCenter, Artwork::kAlignRight,
                             Artwork::kChooseTemplate}) {
        CFlatImageButton* button = addButton();
        ASSERT_EQ(button->setBitmap(QString::fromLatin1(path)), CFlatImageButton::Ok) << path;
        button->setColor(CFlatImageButton::BackgroundOut, Qt::white);
        button->sizeToImage();
        const QImage image = Render(*button);
        EXPECT_FALSE(Contains(image, kMagenta)) << path;
        EXPECT_EQ(Pixel(image, 0, 0), QColor(Qt::white)) << path;
    }
}

TEST_F(FlatImageButtonTest, SecondIconShowsUntilTheMouseComesOrTheBoxIsChecked) {
    QTemporaryDir dir;
    const QString redPath = dir.filePath(QStringLiteral("red.png"));
    const QString bluePath = dir.filePath(QStringLiteral("blue.png"));
    ASSERT_TRUE(Solid(QSize(8, 8), kRed).save(redPath));
    ASSERT_TRUE(Solid(QSize(8, 8), kBlue).save(bluePath));

    CFlatImageButton* button = addButton();
    button->resize(20, 20);
    ASSERT_EQ(button->setIcons(redPath, bluePath), CFlatImageButton::Ok);
    EXPECT_EQ(button->imageSize(), QSize(8, 8));
    EXPECT_EQ(Pixel(Render(*button), 10, 10), kBlue);
    Enter(*button);
    EXPECT_EQ(Pixel(Render(*button), 10, 10), kRed);

    CFlatImageButton* box = addButton();
    box->resize(20, 20);
    box->setMode(CFlatImageButton::Mode::CheckBox);
    box->setIcons(redPath, bluePath);
    Enter(*box);
    EXPECT_EQ(Pixel(Render(*box), 10, 10), kBlue)
        << "check boxes show the main icon only when checked";
    box->setCheck(1);
    EXPECT_EQ(Pixel(Render(*box), 10, 10), kRed);
}

TEST_F(FlatImageButtonTest, DisabledButtonGreysItsImageAndEmbossesItsCaption) {
    CFlatImageButton* button = addButton(QStringLiteral("WWWW"));
    button->resize(120, 30);
    button->setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    button->setColor(CFlatImageButton::TextOut, kRed);
    button->setColor(CFlatImageButton::BackgroundOut, Qt::white);
    button->setBitmap(Solid(QSize(10, 10), kGreen));
    const QColor dark = PaletteColor(*button, QPalette::Dark);

    QImage image = Render(*button);
    EXPECT_TRUE(Contains(image, kRed));
    EXPECT_TRUE(Contains(image, kGreen));

    button->setEnabled(false);
    image = Render(*button);
    EXPECT_FALSE(Contains(image, kRed)) << "disabled text ignores the text colour";
    EXPECT_TRUE(Contains(image, dark)) << "and is drawn in the shadow colour";
    EXPECT_FALSE(Contains(image, kGreen)) << "disabled images are greyed";
}

TEST_F(FlatImageButtonTest, CaptionFollowsTheTextPlacement) {
    CFlatImageButton* button = addButton(QStringLiteral("II"));
    button->resize(200, 30);
    button->setColor(CFlatImageButton::BackgroundOut, Qt::white);
    button->setColor(CFlatImageButton::TextOut, Qt::black);

    auto inkColumns = [&](int* first, int* last) {
        const QImage image = Render(*button);
        *first = -1;
        *last = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (QColor(image.pixel(x, y)) != QColor(Qt::white)) {
                    *first = *first < 0 ? x : *first;
                    *last = x;
                }
            }
        }
    };
    int first = 0;
    int last = 0;
    inkColumns(&first, &last);
    EXPECT_NEAR((first + last) / 2.0, 100, 3) << "centred by default";

    button->setTextPlacement(CFlatImageButton::TextLeft);
    inkColumns(&first, &last);
    EXPECT_GE(first, CFlatImageButton::kSpacing);
    EXPECT_LE(first, CFlatImageButton::kSpacing + 3);

    button->setTextPlacement(CFlatImageButton::TextRight);
    inkColumns(&first, &last);
    EXPECT_LE(last, 199 - CFlatImageButton::kRightTextMargin);
    EXPECT_GE(last, 199 - CFlatImageButton::kRightTextMargin - 3);
}

TEST_F(FlatImageButtonTest, ImageSitsLeftOfTheCaptionOrAboveIt) {
    CFlatImageButton* button = addButton(QStringLiteral("Text"));
    button->resize(100, 60);
    button->setColor(CFlatImageButton::BackgroundOut, Qt::white);
    button->setBitmap(Solid(QSize(10, 10), kGreen));

    QImage image = Render(*button);
    EXPECT_EQ(Pixel(image, CFlatImageButton::kSpacing, 25), kGreen);
    EXPECT_NE(Pixel(image, CFlatImageButton::kSpacing - 1, 25), kGreen);

    button->setImagePlacement(CFlatImageButton::ImageAbove);
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 45, CFlatImageButton::kSpacing), kGreen);
    EXPECT_NE(Pixel(image, CFlatImageButton::kSpacing, 25), kGreen);

    button->setImagePlacement(CFlatImageButton::ImageOverlap);
    image = Render(*button);
    EXPECT_EQ(Pixel(image, 0, 0), kGreen);
}

TEST_F(FlatImageButtonTest, RefusesValuesOutOfRange) {
    CFlatImageButton* button = addButton();
    EXPECT_EQ(button->setColor(6, kRed), CFlatImageButton::BadColorIndex);
    EXPECT_EQ(button->setColor(-1, kRed), CFlatImageButton::BadColorIndex);
    EXPECT_EQ(button->setImagePlacement(4), CFlatImageButton::BadPlacement);
    EXPECT_EQ(button->setTextPlacement(3), CFlatImageButton::BadPlacement);
    EXPECT_EQ(button->setPressedStyle(2), CFlatImageButton::BadPressedStyle);
    EXPECT_EQ(button->setIcons(QStringLiteral("/no/such/icon.png")),
              CFlatImageButton::ImageUnreadable);
    EXPECT_EQ(
        button->setIcons(QString::fromLatin1(Artwork::kSave), QStringLiteral("/no/such/icon.png")),
        CFlatImageButton::ImageUnreadable);
    EXPECT_EQ(button->setBitmap(QStringLiteral("/no/such/bitmap.bmp")),
              CFlatImageButton::ImageUnreadable);
    EXPECT_EQ(button->imagePlacement(), CFlatImageButton::ImageLeft);
    EXPECT_EQ(button->pressedOffset(), QPoint(1, 1));
    EXPECT_TRUE(button->imageSize().isEmpty());
}

TEST_F(FlatImageButtonTest, UnsetColoursFollowThePaletteAndSetOnesStay) {
    CFlatImageButton* button = addButton();
    EXPECT_EQ(button->color(CFlatImageButton::BackgroundOut),
              button->palette().color(QPalette::Active, QPalette::Button));
    button->setColor(CFlatImageButton::BackgroundIn, kRed);

    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, kGreen);
    palette.setColor(QPalette::ButtonText, kBlue);
    button->setPalette(palette);
    EXPECT_EQ(button->color(CFlatImageButton::BackgroundIn), kRed);
    EXPECT_EQ(button->color(CFlatImageButton::BackgroundOut), kGreen);
    EXPECT_EQ(button->color(CFlatImageButton::TextFocus), kBlue);

    button->restoreSystemColors();
    EXPECT_EQ(button->color(CFlatImageButton::BackgroundIn), kGreen);
}

TEST_F(FlatImageButtonTest, LinkButtonOpensItsAddressThroughThePrompter) {
    ScriptedPrompter prompter;
    CFlatImageButton* link = addButton(QStringLiteral("Visit"));
    link->setLink(QStringLiteral("https://www.example.org/templates/"));
    link->setButtonCursor(Artwork::kLinkCursor);
    QSignalSpy clicks(link, &QAbstractButton::clicked);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(prompter.openedUrls.size(), 1);
    EXPECT_EQ(prompter.openedUrls.front(), QStringLiteral("https://www.example.org/templates/"));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    CFlatImageButton* box = addButton();
    box->setMode(CFlatImageButton::Mode::CheckBox);
    box->setLink(QStringLiteral("https://www.example.org/"));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(prompter.openedUrls.size(), 1) << "check boxes do not open links";
}

TEST(FlatImageButtonDialogTest, EnterPressesTheDefaultButtonButNeverACheckBox) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new QLineEdit(&dialog);
    auto* box = new CFlatImageButton(QStringLiteral("Box"), &dialog);
    box->setMode(CFlatImageButton::Mode::CheckBox);
    auto* print = new CFlatImageButton(QStringLiteral("&Print"), &dialog);
    print->setDefault(true);
    layout->addWidget(edit);
    layout->addWidget(box);
    layout->addWidget(print);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QSignalSpy printed(print, &QAbstractButton::clicked);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(printed.count(), 1);

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(printed.count(), 2);
}

}  // namespace

}  // namespace casewright
