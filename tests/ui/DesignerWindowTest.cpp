#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "controls/ScreenDpi.h"
#include "designer/CoverFileCommands.h"
#include "designer/PreviewArea.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {

// Available areas of a 1600 x 1100 desktop at scale factors 1, 1.5 and 2,
// and of smaller screens, in logical pixels.
struct Screen {
    const char* name;
    QRect available;
};
const Screen kScreens[] = {
    {"1600x1100 at 1", QRect(0, 0, 1600, 1100)},
    {"1600x1100 at 1.5", QRect(0, 0, 1067, 733)},
    {"1600x1100 at 2", QRect(0, 0, 800, 550)},
    {"1366x768 with a panel", QRect(0, 32, 1366, 736)},
    {"1920x1080 at 1.25", QRect(0, 0, 1536, 864)},
    {"640x480", QRect(0, 0, 640, 480)},
};

}  // namespace

class DesignerWindowTest : public DesignerTest {
protected:
    // Every control shown is wholly inside the window, the preview in the
    // surface's proportions (within a pixel) and clear of the command column.
    void expectLayoutSound() {
        const QRect window = designer->rect();
        for (QWidget* child :
             designer->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            // Qt's size grip places itself in the corner when the window shows.
            if (child->isVisibleTo(designer.get()) && !child->isWindow() &&
                !child->inherits("QSizeGrip")) {
                EXPECT_TRUE(window.contains(child->geometry()))
                    << child->objectName().toStdString() << " at " << child->x() << ","
                    << child->y() << " " << child->width() << "x" << child->height();
            }
        }
        const CoverPreviewWidget* preview = designer->visiblePreview();
        ASSERT_NE(preview, nullptr);
        const PreviewParams& p = preview->coverPainter()->params;
        EXPECT_NEAR(preview->height(), preview->width() * double(p.refHeight) / p.refWidth, 1.0);
        const QRect area = designer->control(kPreviewBackground)->geometry();
        EXPECT_LT(area.right(), designer->control(kChooseTemplate)->x());
        EXPECT_LT(area.right(), designer->control(kPrint)->x());
    }
};

TEST_F(DesignerWindowTest, OpensWithinEveryScreenWithEveryControlInsideAndTheTrueProportions) {
    for (int type : {CoverTypeStandardCD, CoverTypeSlimlineCD, CoverTypeStandardDVD}) {
        openDesigner(type);
        for (const Screen& screen : kScreens) {
            SCOPED_TRACE(std::string(screen.name) + " type " + std::to_string(type));
            designer->fitToScreen(screen.available);
            EXPECT_LE(designer->width(), screen.available.width() - 16);
            EXPECT_LE(designer->height(), screen.available.height() - 40);
            EXPECT_EQ(designer->minimumSize(), designer->minimumLayoutSize());
            EXPECT_LE(designer->minimumWidth(), designer->width());
            expectLayoutSound();
            for (CoverSide view : {CoverSide::Disc, CoverSide::Back}) {
                click(view == CoverSide::Disc ? kViewDisc : kViewBack);
                expectLayoutSound();
            }
        }
    }
}

TEST_F(DesignerWindowTest, PreviewGrowsWithTheWindowAndKeepsItsProportions) {
    openDesigner(CoverTypeStandardDVD);
    designer->fitToScreen(QRect(0, 0, 2560, 1440));
    designer->show();
    // Growing sizes, then a wide and a tall one.
    const struct {
        QSize size;
        bool larger;
    } cases[] = {{designer->minimumLayoutSize(), true},
                 {{1000, 700}, true},
                 {{1400, 900}, true},
                 {{2540, 1400}, true},
                 {{1600, 600}, false},
                 {{900, 1300}, false}};
    int lastWidth = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size.width()) + "x" + std::to_string(c.size.height()));
        designer->resize(c.size);
        EXPECT_EQ(designer->size(), c.size);
        expectLayoutSound();
        if (c.larger) {
            EXPECT_GT(designer->visiblePreview()->width(), lastWidth);
            lastWidth = designer->visiblePreview()->width();
        }
    }
    // The scales that draw the surface follow the widget.
    const PreviewParams& p = designer->visiblePreview()->coverPainter()->params;
    EXPECT_DOUBLE_EQ(p.xScale, designer->visiblePreview()->width() / double(p.refWidth));
}

TEST_F(DesignerWindowTest, ZoomStepsFromFitThroughTrueSizeAndBack) {
    EXPECT_DOUBLE_EQ(PreviewArea::StepIn(0.8), 0.9);
    EXPECT_DOUBLE_EQ(PreviewArea::StepIn(1.0), 1.1);
    EXPECT_DOUBLE_EQ(PreviewArea::StepIn(4.0), 4.0);
    EXPECT_DOUBLE_EQ(PreviewArea::StepOut(1.0), 0.9);
    EXPECT_DOUBLE_EQ(PreviewArea::StepOut(0.95), 0.9);
    EXPECT_DOUBLE_EQ(PreviewArea::StepOut(0.25), 0.25);

    openDesigner(CoverTypeStandardCD);
    designer->show();
    designer->resize(designer->minimumLayoutSize());
    PreviewArea* area = designer->previewArea();
    area->setPhysicalDpi(120.0);
    EXPECT_EQ(area->zoom(), PreviewArea::kFit);
    const QSizeF inches(568 / 96.0, 444 / 96.0);  // the standard CD back at 96 dpi
    const double fitted = area->effectiveZoom();
    EXPECT_TRUE(designer->previewArea()->zoomText().startsWith("Fit ("));

    click(kZoomTrueSize);
    EXPECT_EQ(designer->visiblePreview()->width(), std::lround(inches.width() * 120.0));
    EXPECT_EQ(static_cast<QLabel*>(designer->control(kZoomLabel))->text(), "100 %");
    // Larger than the area: it scrolls.
    EXPECT_GT(area->widget()->width(), area->viewport()->width());

    const struct {
        int button;
        double zoom;
    } steps[] = {
        {kZoomIn, 1.1}, {kZoomIn, 1.25}, {kZoomOut, 1.1}, {kZoomOut, 1.0}, {kZoomOut, 0.9}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.zoom);
        click(step.button);
        EXPECT_DOUBLE_EQ(area->zoom(), step.zoom);
        EXPECT_EQ(designer->visiblePreview()->width(),
                  std::lround(inches.width() * 120.0 * step.zoom));
    }

    // Ctrl+wheel zooms, the plain wheel does not.
    for (const auto& [modifiers, expected] :
         {std::pair{Qt::KeyboardModifiers(Qt::NoModifier), 0.9},
          std::pair{Qt::KeyboardModifiers(Qt::ControlModifier), 1.0}}) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(area->viewport(), &wheel);
        EXPECT_DOUBLE_EQ(area->zoom(), expected);
    }

    click(kZoomFit);
    EXPECT_EQ(area->zoom(), PreviewArea::kFit);
    EXPECT_DOUBLE_EQ(area->effectiveZoom(), fitted);
    EXPECT_EQ(area->widget()->size(), area->viewport()->size());
}

TEST_F(DesignerWindowTest, ZoomKeysWorkInTheShownWindow) {
    openDesigner(CoverTypeStandardCD);
    designer->show();
    designer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(designer.get()));
    PreviewArea* area = designer->previewArea();
    const struct {
        QKeyCombination keys;
        double zoom;
    } keys[] = {{Qt::CTRL | Qt::Key_1, 1.0},
                {Qt::CTRL | Qt::Key_Plus, 1.1},
                {Qt::CTRL | Qt::Key_Equal, 1.25},
                {Qt::CTRL | Qt::Key_Minus, 1.1},
                {Qt::CTRL | Qt::Key_0, PreviewArea::kFit}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.zoom);
        QTest::keyClick(designer.get(), k.keys.key(), k.keys.keyboardModifiers());
        EXPECT_DOUBLE_EQ(area->zoom(), k.zoom);
    }
    designer->hide();
}

TEST_F(DesignerWindowTest, TheWindowRemembersItsSizeAndOpensWithinTheScreen) {
    openDesigner(CoverTypeStandardCD);
    designer->fitToScreen(QRect(0, 0, 1600, 1100));
    designer->show();
    designer->resize(1100, 750);
    click(kExit);
    EXPECT_EQ(SettingsStore().designerSize, QSize(1100, 750));
    EXPECT_FALSE(SettingsStore().designerMaximized);

    const struct {
        QRect available;
        QSize expected;
    } cases[] = {{QRect(0, 0, 1600, 1100), QSize(1100, 750)},
                 {QRect(0, 0, 800, 550), QSize(784, 510)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.available.width());
        auto again = std::make_unique<CCoverDesignerDlg>(document);
        again->startRun();
        again->fitToScreen(c.available);
        EXPECT_EQ(again->size(), c.expected);
    }
}

TEST_F(DesignerWindowTest, RecentCoversComeFirstAndStartTheFileDialogsInTheirFolder) {
    openDesigner(CoverTypeStandardCD);
    QDir().mkpath(tempPath("covers"));
    const QString first = tempPath("covers/First.jkt");
    prompter.fileNames.push_back(first);
    click(kSave);
    EXPECT_EQ(SettingsStore().recentCovers, QStringList{first});

    // A new run: both dialogs start in the folder of the cover saved last.
    openDesigner(CoverTypeStandardCD);
    prompter.fileNames.push_back(QString());
    prompter.fileNames.push_back(QString());
    click(kSave);
    click(kLoad);
    ASSERT_EQ(prompter.fileDialogStarts.size(), 3);
    EXPECT_EQ(prompter.fileDialogStarts.mid(1),
              (QStringList{tempPath("covers"), tempPath("covers")}));

    // Opening a cover puts it first; a missing one leaves the menu.
    const QString second = tempPath("Second.jkt");
    QFile(first).copy(second);
    designer->setPendingCoverPath(second);
    designer->startRun();
    EXPECT_EQ(SettingsStore().recentCovers, (QStringList{second, first}));
    QFile::remove(first);
    QMenu* menu = designer->recentCoversMenu();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Second.jkt");
    EXPECT_EQ(SettingsStore().recentCovers, QStringList{second});

    menu->actions()[0]->trigger();
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
    EXPECT_EQ(designer->pendingCoverPath(), second);
}

TEST_F(DesignerWindowTest, ARecentCoverAsksTheSaveQuestionFirst) {
    const QString cover = tempPath("Kept.jkt");
    QFile file(cover);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    CoverFileCommands::RememberCover(cover);
    openDesigner(CoverTypeStandardCD);
    EXPECT_EQ(designer->recentCoversMenu()->actions().size(), 1);
    document.coverChanged = true;
    prompter.answers.push_back(Prompter::Answer::Yes);
    prompter.fileNames.push_back(QString());  // the save is cancelled
    designer->recentCoversMenu()->actions()[0]->trigger();
    EXPECT_FALSE(designer->endResult().has_value());
    EXPECT_TRUE(document.coverChanged);

    // An empty list says so.
    QFile::remove(cover);
    ASSERT_EQ(designer->recentCoversMenu()->actions().size(), 1);
    EXPECT_FALSE(designer->recentCoversMenu()->actions()[0]->isEnabled());
}

}  // namespace casewright
