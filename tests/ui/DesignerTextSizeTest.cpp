#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include "controls/CFontColorDialog.h"
#include "controls/QtPrompter.h"
#include "core/PrintRecordingDevice.h"
#include "print/PageLayouts.h"
#include "print/PrinterPixels.h"
#include "print/ui/PrintFlow.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {

// Scripted answers, but the real font dialog, answered on screen.
class RealFontDialogPrompter : public ScriptedPrompter {
public:
    std::optional<FontChoice> chooseFont(QWidget* parent, const LogFont& initial,
                                         ColorRef color) override {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<CFontColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shownSize = dialog->sizeBox()->currentText();
            dialog->sizeBox()->setCurrentText(sizeToChoose);
            dialog->accept();
        });
        return QtPrompter().chooseFont(parent, initial, color);
    }

    QString sizeToChoose;
    QString shownSize;
};

// A recording device whose sheets outlive it, for a flow that owns its device.
class KeptSheets : public PrintRecordingDevice {
public:
    explicit KeptSheets(std::vector<Sheet>& kept) : kept_(kept) {}
    ~KeptSheets() override { kept_ = std::move(sheets); }

private:
    std::vector<Sheet>& kept_;
};

// The bounding box of the black pixels of `image` inside `area`, as shares
// of the area's width and height.
QRectF InkShareIn(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    const double w = area.width(), h = area.height();
    return QRectF((box.left() - area.left()) / w, (box.top() - area.top()) / h, box.width() / w,
                  box.height() / h);
}

}  // namespace

// The desktop's resolution changes neither what a design's fonts measure
// nor how large its texts print, and the preview shows each text at the
// share of the cover it prints at. This suite runs again with the desktop
// reporting 72 and 192 dpi (tests/CMakeLists.txt).
TEST_F(DesignerTest, TextsKeepTheirSizeOnEveryDesktopFromDialogToPaper) {
    openDesigner(CoverTypeStandardCD);
    // A screen large enough for the surface at its size on this desktop:
    // the test screen is too small for that at 192 dpi.
    designer->fitToScreen(QRect(0, 0, 8000, 6000));
    EXPECT_EQ(document.fCoverTextFont.height, -24);  // 18 pt
    EXPECT_EQ(document.dCoverTextFont.height, -16);  // 12 pt

    RealFontDialogPrompter fonts;
    fonts.sizeToChoose = QStringLiteral("12");
    click(kViewFront);
    click(kFont);
    EXPECT_EQ(fonts.shownSize, QStringLiteral("18"));
    EXPECT_EQ(document.fCoverTextFont.height, -16);
    EXPECT_EQ(document.fCoverTextPointSize, 120);

    document.fCoverTitle = QStringLiteral("HHHHHHHHHHHH");
    document.fShowBorder = false;
    designer->refreshPreview();

    std::vector<PrintRecordingDevice::Sheet> sheets;
    ScriptedPaperPrompt paper;
    PrintFlow flow(designer.get(), document);
    flow.makePdfDevice = [&sheets](const QString&) {
        auto device = std::make_unique<KeptSheets>(sheets);
        device->dpi = 600;
        return device;
    };
    flow.paperPrompt = &paper;
    ASSERT_TRUE(flow.printToPdf(tempPath("cover.pdf"), LabelSelection()));
    ASSERT_FALSE(sheets.empty());

    const CoverGeometry layout = MakeCoverLayout(LayoutStandardCD, PrinterAdjustment());
    const QRect front = SheetRect(layout.frontLeft, layout.frontTop, layout.frontWidth,
                                  layout.frontHeight, 600, QPoint());
    const QImage& page = sheets.front().image;
    const QRectF printed = InkShareIn(page, front);
    // 12 pt at 600 dpi is 100 pixels; a capital H of Arial is 0.69 of it.
    EXPECT_NEAR(printed.height() * front.height(), 69, 3);

    const QImage shown = designer->control(kStandardFrontPreview)->grab().toImage();
    const QRectF onScreen = InkShareIn(shown, shown.rect());
    EXPECT_NEAR(onScreen.left(), printed.left(), 0.01);
    EXPECT_NEAR(onScreen.right(), printed.right(), 0.01);
    EXPECT_NEAR(onScreen.top(), printed.top(), 0.01);
    EXPECT_NEAR(onScreen.bottom(), printed.bottom(), 0.01);
}

}  // namespace casewright
