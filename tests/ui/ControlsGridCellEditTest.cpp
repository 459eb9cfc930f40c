#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "controls/CGridCellEdit.h"

namespace casewright {

namespace {

using Reason = CGridCellEdit::CommitReason;

// A dialog with a grid, a default button, another control, and the editor
// placed over a cell, as the track listing editor arranges them.
class GridCellEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_.resize(400, 300);
        grid_ = new QTableWidget(4, 3, &dialog_);
        grid_->setGeometry(10, 10, 300, 200);
        other_ = new QPushButton(QStringLiteral("Insert Track"), &dialog_);
        other_->setGeometry(10, 250, 100, 30);
        other_->setAutoDefault(false);
        ok_ = new QPushButton(QStringLiteral("OK"), &dialog_);
        ok_->setGeometry(150, 250, 100, 30);
        ok_->setDefault(true);
        QObject::connect(ok_, &QPushButton::clicked, &dialog_, &QDialog::accept);
        editor_ = new CGridCellEdit(&dialog_);
        editor_->setGrid(grid_);
        dialog_.show();
        dialog_.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog_));

        QObject::connect(editor_, &CGridCellEdit::commitRequested, editor_, [this](Reason reason) {
            committed_ << editor_->text();
            reasons_.push_back(reason);
            editor_->endEdit();
        });
        QObject::connect(editor_, &CGridCellEdit::cancelRequested, editor_, [this] {
            ++cancels_;
            editor_->endEdit();
        });
    }

    void begin(const QString& text = QStringLiteral("Track one")) {
        editor_->beginEdit(QRect(20, 30, 120, 20), text, Qt::black, Qt::white);
        ASSERT_TRUE(editor_->hasFocus());
    }

    QDialog dialog_;
    QTableWidget* grid_ = nullptr;
    QPushButton* other_ = nullptr;
    QPushButton* ok_ = nullptr;
    CGridCellEdit* editor_ = nullptr;
    QStringList committed_;
    std::vector<Reason> reasons_;
    int cancels_ = 0;
};

TEST_F(GridCellEditTest, BeginEditShowsTheCellTextSelectedInTheCellColours) {
    editor_->beginEdit(QRect(20, 30, 120, 20), QStringLiteral("3:45"), Qt::blue, Qt::yellow);
    EXPECT_TRUE(editor_->isVisible());
    EXPECT_TRUE(editor_->isEditing());
    EXPECT_EQ(editor_->geometry(), QRect(20, 30, 120, 20));
    EXPECT_EQ(editor_->selectedText(), QStringLiteral("3:45"));
    EXPECT_EQ(editor_->textColor(), QColor(Qt::blue));
    EXPECT_EQ(editor_->backgroundColor(), QColor(Qt::yellow));
}

TEST_F(GridCellEditTest, EnterCommitsOnceAndNeverPressesTheDefaultButton) {
    begin();
    QTest::keyClicks(editor_, QStringLiteral("Intro"));
    QTest::keyClick(editor_, Qt::Key_Return);
    EXPECT_EQ(committed_, QStringList{QStringLiteral("Intro")});
    ASSERT_EQ(reasons_.size(), 1u);
    EXPECT_EQ(reasons_[0], Reason::EnterKey);
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_TRUE(dialog_.isVisible()) << "the dialog's OK was not pressed";
    EXPECT_EQ(dialog_.result(), 0);

    begin();
    QTest::keyClick(editor_, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(committed_.size(), 2);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(GridCellEditTest, EscapeCancelsWithoutClosingTheDialog) {
    begin();
    QTest::keyClicks(editor_, QStringLiteral("typo"));
    QTest::keyClick(editor_, Qt::Key_Escape);
    EXPECT_EQ(cancels_, 1);
    EXPECT_TRUE(committed_.isEmpty()) << "hiding after cancel is no focus-loss commit";
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(GridCellEditTest, TabCommitsAndTellsTheDirection) {
    begin();
    QTest::keyClick(editor_, Qt::Key_Tab);
    begin();
    QTest::keyClick(editor_, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(reasons_.size(), 2u);
    EXPECT_EQ(reasons_[0], Reason::TabKey);
    EXPECT_EQ(reasons_[1], Reason::BacktabKey);
}

TEST_F(GridCellEditTest, ArrowsHomeAndEndStayInTheEditor) {
    begin(QStringLiteral("abcdef"));
    QTest::keyClick(editor_, Qt::Key_Home);
    EXPECT_EQ(editor_->cursorPosition(), 0);
    QTest::keyClick(editor_, Qt::Key_Right);
    QTest::keyClick(editor_, Qt::Key_Right);
    EXPECT_EQ(editor_->cursorPosition(), 2);
    QTest::keyClick(editor_, Qt::Key_Left);
    EXPECT_EQ(editor_->cursorPosition(), 1);
    QTest::keyClick(editor_, Qt::Key_End);
    EXPECT_EQ(editor_->cursorPosition(), 6);
    QTest::keyClick(editor_, Qt::Key_Up);
    QTest::keyClick(editor_, Qt::Key_Down);
    EXPECT_TRUE(editor_->hasFocus());
    EXPECT_TRUE(editor_->isEditing());
    EXPECT_TRUE(committed_.isEmpty());
    EXPECT_EQ(cancels_, 0);
}

TEST_F(GridCellEditTest, FocusMovingToAnotherControlCommits) {
    begin(QStringLiteral("Outro"));
    other_->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(committed_, QStringList{QStringLiteral("Outro")});
    ASSERT_EQ(reasons_.size(), 1u);
    EXPECT_EQ(reasons_[0], Reason::FocusLost);
}

TEST_F(GridCellEditTest, FocusMovingToTheGridLeavesTheCommitToTheGrid) {
    begin();
    grid_->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(committed_.isEmpty());
    EXPECT_TRUE(editor_->isEditing());
}

TEST_F(GridCellEditTest, EndEditReportsNothing) {
    begin();
    editor_->endEdit();
    EXPECT_FALSE(editor_->isVisible());
    EXPECT_TRUE(committed_.isEmpty());
    EXPECT_EQ(cancels_, 0);
}

}  // namespace

}  // namespace casewright
