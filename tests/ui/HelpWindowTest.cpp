#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <functional>
#include <memory>

#include "app/ui/CAboutDlg.h"
#include "app/ui/CHelpWindow.h"
#include "app/ui/HelpLocator.h"
#include "designer/CCoverDesignerDlg.h"
#include "designer/CNewCoverDlg.h"
#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "images/ui/CImagePositionDlg.h"
#include "images/ui/CTemplatesDlg.h"
#include "print/StockCatalog.h"
#include "print/ui/CPrintDlg.h"
#include "print/ui/CPrintPreviewDlg.h"
#include "print/ui/CPrinterAdjustmentDlg.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "text/ui/CCoverTextDlg.h"
#include "text/ui/CTrackListingDlg.h"

namespace casewright {

namespace {

// The manual as it ships, for pages with their real titles and sections.
class ShippedManual {
public:
    ShippedManual() { qputenv("CASEWRIGHT_HELP_DIR", CASEWRIGHT_SOURCE_DIR "/resources/help"); }
    ~ShippedManual() { qunsetenv("CASEWRIGHT_HELP_DIR"); }
};

class HelpWindowTest : public IsolatedSettingsTest {
protected:
    void SetUp() override {
        IsolatedSettingsTest::SetUp();
        doc.ResetToNewDesign(CoverTypeStandardDVD, 96);
    }

    // Shows `window`, makes it the active one and presses F1 in it.
    static void pressF1(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
    }

    CoverDocument doc;
    CoverDesign design{doc};
    ScriptedPrompter prompter;
    ShippedManual manual;
};

}  // namespace

// On a desktop that cannot open the manual, F1 shows the page about the
// window the user is in, in the program's own help window above it.
TEST_F(HelpWindowTest, F1WithoutBrowserShowsThePageOfEveryWindow) {
    struct Case {
        const char* window;
        std::function<std::unique_ptr<QWidget>()> open;
        const char* page;
        const char* section;
        const char* title;
    };
    const Case cases[] = {
        {"designer", [this] { return std::make_unique<CCoverDesignerDlg>(doc); }, "designer.html",
         "", "The designer window"},
        {"New Cover", [] { return std::make_unique<CNewCoverDlg>(); }, "newcover.html", "",
         "New Cover"},
        {"Print",
         [] { return std::make_unique<CPrintDlg>(nullptr, CoverTypeStandardCD, StockCatalog()); },
         "printing.html", "dialog", "Printing"},
        {"Print Preview",
         [] { return std::make_unique<CPrintPreviewDlg>(nullptr, std::vector<QImage>()); },
         "printing.html", "preview", "Printing"},
        {"Printer Adjustment", [] { return std::make_unique<CPrinterAdjustmentDlg>(nullptr); },
         "printing.html", "adjust", "Printing"},
        {"Image Position",
         [this] { return std::make_unique<CImagePositionDlg>(doc, QString(), [] {}); },
         "images.html", "position", "images"},
        {"Templates",
         [this] {
             return std::make_unique<CTemplatesDlg>(design, CoverTypeStandardDVD, false, nullptr,
                                                    QStringList());
         },
         "templates.html", "window", "Templates"},
        {"Cover Text", [this] { return std::make_unique<CCoverTextDlg>(doc, CoverSide::Back); },
         "texts.html", "", "texts"},
        {"Track Listing", [this] { return std::make_unique<CTrackListingDlg>(doc); }, "texts.html",
         "", "texts"},
        {"About", [] { return std::make_unique<CAboutDlg>(); }, "about.html", "about", "About"},
    };
    prompter.desktopOpensUrls = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        prompter.openedUrls.clear();
        const std::unique_ptr<QWidget> window = c.open();
        pressF1(window.get());

        ASSERT_EQ(prompter.openedUrls.size(), 1) << "the desktop is asked first";
        auto* help = window->findChild<CHelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->isWindow());
        EXPECT_EQ(help->page().fileName(), QLatin1String(c.page));
        EXPECT_EQ(help->page().fragment(), QLatin1String(c.section));
        EXPECT_TRUE(help->pageTitle().contains(QLatin1String(c.title), Qt::CaseInsensitive))
            << help->pageTitle().toStdString();
        EXPECT_FALSE(help->findChild<QTextBrowser*>()->toPlainText().isEmpty());

        QTest::keyClick(window.get(), Qt::Key_F1);
        EXPECT_EQ(window->findChildren<CHelpWindow*>().size(), 1) << "one help window per window";
    }
}

TEST_F(HelpWindowTest, ABrowserThatOpensTheManualLeavesNoHelpWindow) {
    CPrintDlg dialog(nullptr, CoverTypeStandardCD, StockCatalog());
    pressF1(&dialog);
    ASSERT_EQ(prompter.openedUrls.size(), 1);
    EXPECT_TRUE(prompter.openedUrls[0].endsWith("/printing.html#dialog"))
        << prompter.openedUrls[0].toStdString();
    EXPECT_EQ(dialog.findChild<CHelpWindow*>(), nullptr);
}

// Pages of the manual open in the help window, web addresses on the desktop.
TEST_F(HelpWindowTest, HelpWindowFollowsTheManualAndHandsWebLinksOn) {
    prompter.desktopOpensUrls = false;
    QWidget owner;
    HelpLocator::OpenHelp(QStringLiteral("printing.html#pdf"), &owner);
    auto* help = owner.findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    help->findChild<QPushButton*>(QStringLiteral("helpContentsButton"))->click();
    EXPECT_EQ(help->page().fileName(), "index.html");
    auto* back = help->findChild<QPushButton*>(QStringLiteral("helpBackButton"));
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(help->page().fileName(), "printing.html");

    auto* browser = help->findChild<QTextBrowser*>();
    emit browser->anchorClicked(QUrl(QStringLiteral("https://musicbrainz.org/")));
    EXPECT_EQ(prompter.openedUrls.last(), "https://musicbrainz.org/");
    EXPECT_EQ(help->page().fileName(), "printing.html");
}

}  // namespace casewright
