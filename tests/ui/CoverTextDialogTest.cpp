#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "controls/DialogUnits.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "text/ui/CCoverTextDlg.h"
#include "text/ui/EditCoverTexts.h"
#include "ui/TextDialogDriver.h"

namespace casewright {

namespace {

const char* const kAllControls[] = {
    "spineTextLabel", "spineTextEdit",  "frontTitleLabel", "frontTitleEdit", "frontTextLabel",
    "frontTextEdit",  "backTitleLabel", "backTitleEdit",   "backTextLabel",  "backTextEdit",
    "discTitleLabel", "discTitleEdit",  "discTextLabel",   "discTextEdit",
};

CoverDocument Design(int coverType) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    doc.backCoverSpineText = "spine";
    doc.fCoverTitle = "front title";
    doc.fCoverText = "front text";
    doc.bCoverTitle = "back title";
    doc.bCoverText = "back text";
    doc.dCoverTitle = "disc title";
    doc.dCoverText = "disc text";
    return doc;
}

QStringList ShownControls(QWidget& dialog) {
    QStringList shown;
    for (const char* name : kAllControls) {
        if (!Child<QWidget>(dialog, name)->isHidden()) {
            shown << name;
        }
    }
    return shown;
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

void TypeInto(QWidget* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
}

}  // namespace

TEST(CoverTextDialog, ShowsTheRowsOfEachCaseTypeAndView) {
    const QStringList front{"frontTitleLabel", "frontTitleEdit", "frontTextLabel", "frontTextEdit"};
    const QStringList disc{"discTitleLabel", "discTitleEdit", "discTextLabel", "discTextEdit"};
    const QStringList cover{"spineTextLabel", "spineTextEdit", "frontTitleLabel", "frontTitleEdit",
                            "frontTextLabel", "frontTextEdit", "backTitleLabel",  "backTitleEdit",
                            "backTextLabel",  "backTextEdit"};
    const struct {
        int type;
        CoverSide view;
        QStringList shown;
    } cases[] = {
        {CoverTypeStandardCD, CoverSide::Front, front},
        {CoverTypeSlimlineCD, CoverSide::Front, front},
        {CoverTypeOther, CoverSide::Disc, disc},
        {CoverTypeStandardDVD, CoverSide::Disc, disc},
        {CoverTypeStandardDVD, CoverSide::Back, cover},
        {CoverTypeSlimlineDVD, CoverSide::Back, cover},
    };
    for (const auto& c : cases) {
        CCoverTextDlg dialog(Design(c.type), c.view);
        EXPECT_EQ(ShownControls(dialog), c.shown) << c.type << " " << int(c.view);
        EXPECT_EQ(dialog.windowTitle(), "Cover Text");
    }
}

TEST(CoverTextDialog, TheSingleRowMovesUpIntoTheSpineRowsPlace) {
    CCoverTextDlg dialog(Design(CoverTypeStandardCD), CoverSide::Disc);
    const QRect spine = Child<QWidget>(dialog, "spineTextEdit")->geometry();
    const QRect title = Child<QWidget>(dialog, "discTitleEdit")->geometry();
    const QRect text = Child<QWidget>(dialog, "discTextEdit")->geometry();
    EXPECT_EQ(title, spine);
    EXPECT_EQ(Child<QWidget>(dialog, "discTitleLabel")->pos(),
              QPoint(Child<QWidget>(dialog, "spineTextLabel")->x(), spine.y()));
    EXPECT_EQ(text.x(), spine.x());
    EXPECT_GT(text.y(), spine.bottom());
    EXPECT_LT(text.y(), spine.bottom() + spine.height() / 2);
    EXPECT_EQ(Child<QWidget>(dialog, "discTextLabel")->y(), text.y());
    // Taller than the template's box, and still inside the dialog.
    EXPECT_GT(text.height(), DialogUnits::ToPixelsY(61));
    EXPECT_LE(text.bottom(), dialog.height());
    EXPECT_FALSE(text.intersects(Child<QWidget>(dialog, "okButton")->geometry()));
    EXPECT_FALSE(text.intersects(Child<QWidget>(dialog, "cancelButton")->geometry()));

    CCoverTextDlg cdFront(Design(CoverTypeStandardCD), CoverSide::Front);
    EXPECT_EQ(Child<QWidget>(cdFront, "frontTitleEdit")->geometry(), spine);

    CCoverTextDlg dvdCover(Design(CoverTypeStandardDVD), CoverSide::Back);
    EXPECT_EQ(Child<QWidget>(dvdCover, "frontTitleEdit")->geometry(),
              DialogUnits::ToPixels(71, 24, 247, 14));
    EXPECT_EQ(Child<QWidget>(dvdCover, "frontTextEdit")->geometry(),
              DialogUnits::ToPixels(71, 40, 247, 61));
}

TEST(CoverTextDialog, BoxesOpenWithTheDocumentsTexts) {
    CCoverTextDlg dialog(Design(CoverTypeSlimlineDVD), CoverSide::Back);
    EXPECT_EQ(Child<QLineEdit>(dialog, "spineTextEdit")->text(), "spine");
    EXPECT_EQ(Child<QLineEdit>(dialog, "backTitleEdit")->text(), "back title");
    EXPECT_EQ(Child<QPlainTextEdit>(dialog, "backTextEdit")->toPlainText(), "back text");
    EXPECT_EQ(Child<QPlainTextEdit>(dialog, "frontTextEdit")->toPlainText(), "front text");
    EXPECT_TRUE(Child<QLineEdit>(dialog, "discTitleEdit")->text().isEmpty());
}

TEST(CoverTextDialog, EnterAddsALineInTextBoxesAndNeverClosesTheDialog) {
    CoverDocument doc = Design(CoverTypeStandardDVD);
    doc.fCoverText.clear();
    CCoverTextDlg dialog(doc, CoverSide::Back);
    dialog.show();

    auto* title = Child<QLineEdit>(dialog, "frontTitleEdit");
    TypeInto(title, "!");
    QTest::keyClick(title, Qt::Key_Return);
    QTest::keyClick(Child<QLineEdit>(dialog, "spineTextEdit"), Qt::Key_Enter);
    EXPECT_EQ(title->text(), "front title!");

    auto* text = Child<QPlainTextEdit>(dialog, "frontTextEdit");
    TypeInto(text, "one");
    QTest::keyClick(text, Qt::Key_Return);
    TypeInto(text, "two");
    QTest::keyClick(Child<QPushButton>(dialog, "okButton"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    ClickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.texts().frontText, "one\r\ntwo");  // CR LF, as stored in cover files
}

TEST(CoverTextDialog, UntouchedBoxesGiveBackTheirTextWithItsOwnLineBreaks) {
    CoverDocument doc = Design(CoverTypeStandardCD);
    doc.fCoverText = "1 Intro 3:12\r2 Outro 0:45\r";  // as a flattened listing reads
    doc.dCoverText = "a\nb\u00a0c";
    CCoverTextDlg dialog(doc, CoverSide::Front);
    dialog.show();
    ClickOk(dialog);
    EXPECT_EQ(dialog.texts().frontText, doc.fCoverText);
    EXPECT_EQ(dialog.texts().discText, doc.dCoverText);
    EXPECT_FALSE(dialog.applyTo(doc));
}

TEST(CoverTextDialog, OkTakesHiddenBoxesToo) {
    CoverDocument doc = Design(CoverTypeStandardCD);
    CCoverTextDlg dialog(doc, CoverSide::Front);
    Child<QLineEdit>(dialog, "discTitleEdit")->setText("set while hidden");
    Child<QLineEdit>(dialog, "backTitleEdit")->setText("not in the group");
    dialog.show();
    ClickOk(dialog);
    EXPECT_EQ(dialog.texts().discTitle, "set while hidden");
    EXPECT_TRUE(dialog.applyTo(doc));
    EXPECT_EQ(doc.dCoverTitle, "set while hidden");
    EXPECT_EQ(doc.bCoverTitle, "back title");
}

TEST(CoverTextDialog, F1OpensTheManualPage) {
    ScriptedPrompter prompter;
    const ScratchManual manual({"index.html", "texts.html"});
    CCoverTextDlg dialog(Design(CoverTypeStandardCD), CoverSide::Front);
    dialog.show();
    QTest::keyClick(Child<QLineEdit>(dialog, "frontTitleEdit"), Qt::Key_F1);
    ASSERT_EQ(prompter.openedUrls.size(), 1);
    EXPECT_TRUE(prompter.openedUrls.first().endsWith("/texts.html"))
        << prompter.openedUrls.first().toStdString();
    EXPECT_TRUE(dialog.isVisible());
}

TEST(CoverTextDialogCaller, CdOkWithoutChangesMarksTheDesignButNeedsNoRefresh) {
    for (CoverSide view : {CoverSide::Front, CoverSide::Disc}) {
        CoverDocument doc = Design(CoverTypeStandardCD);
        WhenDialogOpens(ClickOk);
        EXPECT_FALSE(EditCoverTexts(nullptr, doc, view));
        EXPECT_TRUE(doc.coverChanged);
        EXPECT_EQ(doc.fCoverTitle, "front title");
    }
}

TEST(CoverTextDialogCaller, DvdDiscMarksOnEveryOkAndChangesOnlyDiscTexts) {
    CoverDocument doc = Design(CoverTypeSlimlineDVD);
    WhenDialogOpens([](QDialog& dialog) {
        Child<QLineEdit>(dialog, "discTitleEdit")->setText("Disc One");
        Child<QPlainTextEdit>(dialog, "discTextEdit")->setPlainText("");
        ClickOk(dialog);
    });
    EXPECT_TRUE(EditCoverTexts(nullptr, doc, CoverSide::Disc));
    EXPECT_TRUE(doc.coverChanged);
    EXPECT_EQ(doc.dCoverTitle, "Disc One");
    EXPECT_EQ(doc.dCoverText, "");
    const CoverDocument untouched = Design(CoverTypeSlimlineDVD);
    EXPECT_EQ(doc.fCoverTitle, untouched.fCoverTitle);
    EXPECT_EQ(doc.bCoverText, untouched.bCoverText);
    EXPECT_EQ(doc.backCoverSpineText, untouched.backCoverSpineText);

    doc.coverChanged = false;
    WhenDialogOpens(ClickOk);
    EXPECT_FALSE(EditCoverTexts(nullptr, doc, CoverSide::Disc));
    EXPECT_TRUE(doc.coverChanged);
}

TEST(CoverTextDialogCaller, DvdCoverMarksTheDesignOnlyWhenSomethingChanged) {
    CoverDocument doc = Design(CoverTypeStandardDVD);
    WhenDialogOpens(ClickOk);
    EXPECT_FALSE(EditCoverTexts(nullptr, doc, CoverSide::Back));
    EXPECT_FALSE(doc.coverChanged);

    WhenDialogOpens([](QDialog& dialog) {
        Child<QLineEdit>(dialog, "spineTextEdit")->setText("New Spine");
        ClickOk(dialog);
    });
    EXPECT_TRUE(EditCoverTexts(nullptr, doc, CoverSide::Back));
    EXPECT_TRUE(doc.coverChanged);
    EXPECT_EQ(doc.backCoverSpineText, "New Spine");
    EXPECT_EQ(doc.frontCoverSpineText, "");
}

TEST(CoverTextDialogCaller, CancelChangesNothing) {
    CoverDocument doc = Design(CoverTypeStandardCD);
    WhenDialogOpens([](QDialog& dialog) {
        Child<QLineEdit>(dialog, "frontTitleEdit")->setText("typed, then cancelled");
        QTest::mouseClick(Child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    EXPECT_FALSE(EditCoverTexts(nullptr, doc, CoverSide::Front));
    EXPECT_FALSE(doc.coverChanged);
    EXPECT_EQ(doc.fCoverTitle, "front title");

    WhenDialogOpens([](QDialog& dialog) {
        Child<QLineEdit>(dialog, "frontTitleEdit")->setText("typed, then escaped");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(EditCoverTexts(nullptr, doc, CoverSide::Front));
    EXPECT_EQ(doc.fCoverTitle, "front title");
}

}  // namespace casewright
