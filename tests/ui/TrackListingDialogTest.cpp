#include <gtest/gtest.h>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "text/TrackListingCodec.h"
#include "text/ui/CTrackListingDlg.h"
#include "text/ui/EditCoverTexts.h"
#include "text/ui/TrackGrid.h"
#include "ui/TextDialogDriver.h"

namespace casewright {

namespace {

QString Row(const QString& number, const QString& title, const QString& length) {
    return "[DELIM]" + number + "[/DELIM][DELIM]" + title + "[/DELIM][DELIM]" + length +
           "[/DELIM]\n\r";
}

const QString kTwoTracks = Row("1.", "Intro", "3:12") + Row("2.", "Outro", "0:45");

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks a cell, as the user opens it for editing.
void ClickCell(TrackGrid* grid, int row, int column) {
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}

QStringList Column(TrackGrid* grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row) {
        cells << grid->cellText(row, column);
    }
    return cells;
}

class TrackListingDialog : public ::testing::Test {
protected:
    void open(const QString& listing, const QString& spine = QString()) {
        dialog_ = std::make_unique<CTrackListingDlg>(listing, spine, true);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        grid_ = dialog_->grid();
    }
    QPushButton* button(const char* name) { return Child<QPushButton>(*dialog_, name); }
    QLineEdit* editor() { return grid_->cellEditor(); }

    std::unique_ptr<CTrackListingDlg> dialog_;
    TrackGrid* grid_ = nullptr;
};

}  // namespace

TEST_F(TrackListingDialog, NewListingOpensNumberedOneToEightUnderTheHeadings) {
    open(QString());
    EXPECT_EQ(dialog_->windowTitle(), "Edit Track Listing");
    ASSERT_EQ(grid_->rowCount(), 8);
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn),
              (QStringList{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8."}));
    EXPECT_EQ(Column(grid_, TrackGrid::TitleColumn), QStringList(8, QString()));
    EXPECT_EQ(grid_->horizontalHeaderItem(1)->text(), "No.");
    EXPECT_EQ(grid_->horizontalHeaderItem(2)->text(), "Title.");
    EXPECT_EQ(grid_->horizontalHeaderItem(3)->text(), "Length");
    EXPECT_TRUE(grid_->isColumnHidden(TrackGrid::HiddenColumn));
    // 400, 4000 and 1000 twips at 96 dpi.
    EXPECT_EQ(grid_->columnWidth(1), 27);
    EXPECT_EQ(grid_->columnWidth(2), 267);
    EXPECT_EQ(grid_->columnWidth(3), 67);
    EXPECT_FALSE(Child<QWidget>(*dialog_, "spineTextEdit")->isHidden());

    Click(button("okButton"));
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    QString eightRows;
    for (int i = 1; i <= 8; ++i) {
        eightRows += Row(QString::number(i) + ".", "", "");
    }
    EXPECT_EQ(dialog_->trackListingText(), eightRows);
}

TEST_F(TrackListingDialog, StoredListingOpensAsItsRowsAndWritesBackUnchanged) {
    open(kTwoTracks, "Spine");
    ASSERT_EQ(grid_->rowCount(), 2);
    EXPECT_EQ(grid_->listing(), TrackListingCodec::Parse(kTwoTracks));
    EXPECT_EQ(Child<QLineEdit>(*dialog_, "spineTextEdit")->text(), "Spine");
    Click(button("okButton"));
    EXPECT_EQ(dialog_->trackListingText(), kTwoTracks);
    EXPECT_FALSE(dialog_->textsChanged());
}

TEST_F(TrackListingDialog, ClickEditsTheCellInPlaceAndEnterCommits) {
    open(kTwoTracks);
    ClickCell(grid_, 1, TrackGrid::TitleColumn);
    ASSERT_TRUE(grid_->isEditing());
    const QRect cell = grid_->visualRect(grid_->model()->index(1, TrackGrid::TitleColumn));
    EXPECT_EQ(editor()->geometry().topLeft(),
              grid_->viewport()->mapTo(dialog_.get(), cell.topLeft()));
    EXPECT_EQ(editor()->text(), "Outro");
    EXPECT_EQ(editor()->selectedText(), "Outro");
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_EQ(editor()->font().pixelSize(), 11);  // 8.25 points at 96 dpi

    QTest::keyClicks(editor(), "Finale");
    QTest::keyClick(editor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(grid_->cellText(1, TrackGrid::TitleColumn), "Finale");
    EXPECT_TRUE(grid_->hasFocus());
    EXPECT_TRUE(dialog_->isVisible());  // Enter in the grid never presses OK

    QTest::keyClick(grid_, Qt::Key_Return);  // Enter in the grid opens the editor again
    EXPECT_TRUE(grid_->isEditing());
    EXPECT_EQ(editor()->text(), "Finale");
}

TEST_F(TrackListingDialog, ArrowKeysStayInTheEditor) {
    open(kTwoTracks);
    ClickCell(grid_, 0, TrackGrid::TitleColumn);
    QTest::keyClick(editor(), Qt::Key_Home);
    QTest::keyClick(editor(), Qt::Key_Right);
    QTest::keyClick(editor(), Qt::Key_Down);
    QTest::keyClicks(editor(), "-");
    EXPECT_TRUE(grid_->isEditing());
    EXPECT_EQ(editor()->text(), "I-ntro");
    EXPECT_EQ(grid_->currentRow(), 0);
}

TEST_F(TrackListingDialog, TabMovesOnAndEscapeLeavesTheCellAsItWas) {
    open(kTwoTracks);
    ClickCell(grid_, 0, TrackGrid::LengthColumn);
    QTest::keyClicks(editor(), "4:00");
    QTest::keyClick(editor(), Qt::Key_Tab);
    EXPECT_EQ(grid_->cellText(0, TrackGrid::LengthColumn), "4:00");
    ASSERT_TRUE(grid_->isEditing());
    EXPECT_EQ(grid_->currentRow(), 1);
    EXPECT_EQ(editor()->text(), "2.");

    QTest::keyClicks(editor(), "X");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(grid_->cellText(1, TrackGrid::NumberColumn), "2.");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(grid_->hasFocus());
}

TEST_F(TrackListingDialog, MovingToAnotherCellCommitsTheOneBeingEdited) {
    open(kTwoTracks);
    ClickCell(grid_, 0, TrackGrid::LengthColumn);
    QTest::keyClicks(editor(), "9:99");
    ClickCell(grid_, 1, TrackGrid::NumberColumn);
    QApplication::processEvents();
    EXPECT_EQ(grid_->cellText(0, TrackGrid::LengthColumn), "9:99");
    EXPECT_EQ(grid_->cellText(1, TrackGrid::NumberColumn), "2.");
    ASSERT_TRUE(grid_->isEditing());  // now on the clicked cell
    EXPECT_EQ(editor()->text(), "2.");
}

TEST_F(TrackListingDialog, ScrollingCommits) {
    open(QString());
    grid_->showListing(TrackListing::Numbered(40));
    ClickCell(grid_, 0, TrackGrid::TitleColumn);
    QTest::keyClicks(editor(), "First");
    grid_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->maximum());
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(grid_->cellText(0, TrackGrid::TitleColumn), "First");
}

TEST_F(TrackListingDialog, LeavingTheGridCommits) {
    open(kTwoTracks);
    ClickCell(grid_, 0, TrackGrid::TitleColumn);
    QTest::keyClicks(editor(), "Opening");
    Child<QLineEdit>(*dialog_, "spineTextEdit")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(grid_->cellText(0, TrackGrid::TitleColumn), "Opening");
    EXPECT_TRUE(Child<QLineEdit>(*dialog_, "spineTextEdit")->hasFocus());
}

TEST_F(TrackListingDialog, OkKeepsTextStillInTheEditor) {
    open(kTwoTracks);
    ClickCell(grid_, 1, TrackGrid::LengthColumn);
    QTest::keyClicks(editor(), "1:01");
    Click(button("okButton"));
    QApplication::processEvents();
    EXPECT_EQ(dialog_->trackListingText(), Row("1.", "Intro", "3:12") + Row("2.", "Outro", "1:01"));
}

TEST_F(TrackListingDialog, InsertOnTheLastRowAppendsAndInTheMiddleShifts) {
    open(kTwoTracks);
    grid_->setCurrentCell(1, TrackGrid::TitleColumn);
    Click(button("insertTrackButton"));
    EXPECT_EQ(Column(grid_, TrackGrid::TitleColumn), (QStringList{"Intro", "Outro", ""}));
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn), (QStringList{"1.", "2.", "3."}));
    EXPECT_EQ(grid_->currentRow(), 2);

    grid_->setCurrentCell(1, TrackGrid::TitleColumn);
    Click(button("insertTrackButton"));
    EXPECT_EQ(Column(grid_, TrackGrid::TitleColumn), (QStringList{"Intro", "", "Outro", ""}));
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn), (QStringList{"1.", "2.", "3.", "4."}));
    EXPECT_EQ(grid_->currentRow(), 1);
}

TEST_F(TrackListingDialog, HandMadeNumbersSurviveInsertAndRemove) {
    open(Row("1.", "A", "") + Row("1a", "B", "") + Row("3.", "C", ""));
    grid_->setCurrentCell(0, TrackGrid::NumberColumn);
    Click(button("insertTrackButton"));
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn), (QStringList{"", "1.", "1a", "3."}));
    grid_->setCurrentCell(3, TrackGrid::NumberColumn);
    Click(button("removeTrackButton"));
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn), (QStringList{"", "1.", "1a"}));
    EXPECT_EQ(grid_->currentRow(), 2);
}

TEST_F(TrackListingDialog, RemoveRenumbersAndKeepsThePlace) {
    open(kTwoTracks + Row("3.", "Coda", ""));
    grid_->setCurrentCell(0, TrackGrid::TitleColumn);
    Click(button("removeTrackButton"));
    EXPECT_EQ(Column(grid_, TrackGrid::TitleColumn), (QStringList{"Outro", "Coda"}));
    EXPECT_EQ(Column(grid_, TrackGrid::NumberColumn), (QStringList{"1.", "2."}));
    EXPECT_EQ(grid_->currentRow(), 0);
}

TEST_F(TrackListingDialog, RemovingTheOnlyRowLeavesOneEmptyRow) {
    open(Row("1.", "Only", "9:00"));
    Click(button("removeTrackButton"));
    ASSERT_EQ(grid_->rowCount(), 1);
    EXPECT_EQ(grid_->listing().row(0), TrackRow{});
    Click(button("okButton"));
    EXPECT_EQ(dialog_->trackListingText(), Row("", "", ""));
}

TEST_F(TrackListingDialog, InsertCommitsAnOpenEditFirst) {
    open(kTwoTracks);
    ClickCell(grid_, 0, TrackGrid::TitleColumn);
    QTest::keyClicks(editor(), "Typed");
    Click(button("insertTrackButton"));
    QApplication::processEvents();
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(Column(grid_, TrackGrid::TitleColumn), (QStringList{"", "Typed", "Outro"}));
}

TEST_F(TrackListingDialog, F1OpensTheManualPage) {
    ScriptedPrompter prompter;
    const ScratchManual manual({"index.html", "texts.html"});
    open(kTwoTracks);
    QTest::keyClick(grid_, Qt::Key_F1);
    ASSERT_EQ(prompter.openedUrls.size(), 1);
    EXPECT_TRUE(prompter.openedUrls.first().endsWith("/texts.html"));
}

TEST(TrackListingDialogCaller, OkWritesTheListingAndSpineAndMarksTheDesign) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    WhenDialogOpens([](QDialog& dialog) {
        auto* grid = Child<TrackGrid>(dialog, "trackGrid");
        grid->setCellText(0, TrackGrid::TitleColumn, "Intro");
        Child<QLineEdit>(dialog, "spineTextEdit")->setText("Live 1999");
        Click(Child<QPushButton>(dialog, "okButton"));
    });
    EXPECT_TRUE(EditCoverTexts(nullptr, doc, CoverSide::Back));
    EXPECT_TRUE(doc.coverChanged);
    EXPECT_TRUE(doc.bCoverText.startsWith(Row("1.", "Intro", "") + Row("2.", "", "")));
    EXPECT_EQ(doc.backCoverSpineText, "Live 1999");
}

TEST(TrackListingDialogCaller, OkWithoutChangesRefreshesOnlyTheSlimlineInsert) {
    for (int type : {CoverTypeStandardCD, CoverTypeOther, CoverTypeSlimlineCD}) {
        CoverDocument doc;
        doc.ResetToNewDesign(type, 96);
        doc.bCoverText = kTwoTracks;
        WhenDialogOpens([](QDialog& dialog) { Click(Child<QPushButton>(dialog, "okButton")); });
        EXPECT_EQ(EditCoverTexts(nullptr, doc, CoverSide::Back), type == CoverTypeSlimlineCD);
        EXPECT_TRUE(doc.coverChanged) << type;
        EXPECT_EQ(doc.bCoverText, kTwoTracks);
    }
}

TEST(TrackListingDialogCaller, CancelLeavesTheDocumentUntouchedAfterEdits) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    doc.bCoverText = kTwoTracks;
    doc.backCoverSpineText = "Spine";
    WhenDialogOpens([](QDialog& dialog) {
        auto* grid = Child<TrackGrid>(dialog, "trackGrid");
        grid->setCellText(0, TrackGrid::TitleColumn, "Changed");
        Click(Child<QPushButton>(dialog, "insertTrackButton"));
        Click(Child<QPushButton>(dialog, "removeTrackButton"));
        Child<QLineEdit>(dialog, "spineTextEdit")->setText("Changed");
        Click(Child<QPushButton>(dialog, "cancelButton"));
    });
    EXPECT_FALSE(EditCoverTexts(nullptr, doc, CoverSide::Back));
    EXPECT_FALSE(doc.coverChanged);
    EXPECT_EQ(doc.bCoverText, kTwoTracks);
    EXPECT_EQ(doc.backCoverSpineText, "Spine");
}

TEST(TrackListingDialogCaller, TwentyTracksSurviveASecondEditingRound) {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    WhenDialogOpens([](QDialog& dialog) {
        auto* grid = Child<TrackGrid>(dialog, "trackGrid");
        grid->setCurrentCell(7, TrackGrid::TitleColumn);
        for (int i = 0; i < 12; ++i) {
            Click(Child<QPushButton>(dialog, "insertTrackButton"));
        }
        for (int row = 0; row < grid->rowCount(); ++row) {
            grid->setCellText(row, TrackGrid::TitleColumn, QStringLiteral("Track %1").arg(row + 1));
        }
        Click(Child<QPushButton>(dialog, "okButton"));
    });
    EditCoverTexts(nullptr, doc, CoverSide::Back);
    const TrackListing first = TrackListingCodec::Parse(doc.bCoverText);
    ASSERT_EQ(first.rowCount(), 20);
    EXPECT_EQ(first.row(19), (TrackRow{"20.", "Track 20", ""}));

    WhenDialogOpens([](QDialog& dialog) {
        auto* grid = Child<TrackGrid>(dialog, "trackGrid");
        EXPECT_EQ(grid->rowCount(), 20);
        EXPECT_EQ(grid->currentRow(), 19);  // Insert Track adds at the end
        Click(Child<QPushButton>(dialog, "insertTrackButton"));
        Click(Child<QPushButton>(dialog, "okButton"));
    });
    EditCoverTexts(nullptr, doc, CoverSide::Back);
    EXPECT_EQ(TrackListingCodec::Parse(doc.bCoverText).rowCount(), 21);
}

}  // namespace casewright
