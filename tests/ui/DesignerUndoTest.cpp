#include <QTest>
#include <QUndoStack>

#include "document/CoverDesign.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

namespace {
constexpr ColorRef kGreen = MakeColorRef(0, 160, 0);
}

class DesignerUndoTest : public DesignerTest {
protected:
    QUndoStack& stack() { return designer->design().undoStack(); }
    QString tooltip(int id) const { return designer->button(id)->toolTip(); }
    bool enabled(int id) const { return designer->button(id)->isEnabled(); }

    void pressKeys(const QKeySequence& keys) {
        const QKeyCombination combination = keys[0];
        QTest::keyClick(designer.get(), combination.key(), combination.keyboardModifiers());
    }

    // Three edits across the views: colour on every surface, borders of the
    // disc, alignment of the front.
    void makeEdits() {
        prompter.colors.push_back(kGreen);
        prompter.answers.push_back(Prompter::Answer::Yes);
        click(kChooseColor);
        click(kViewDisc);
        click(kPrintBorders);
        click(kViewFront);
        click(kAlignRight);
    }
};

TEST_F(DesignerUndoTest, ButtonsNameTheStepAndUndoEverythingBackToTheNewDesign) {
    openDesigner(CoverTypeStandardCD);
    const CoverDocument fresh = document;
    EXPECT_FALSE(enabled(kUndo));
    EXPECT_FALSE(enabled(kRedo));

    makeEdits();
    const CoverDocument edited = document;
    EXPECT_TRUE(enabled(kUndo));
    EXPECT_EQ(tooltip(kUndo), "Undo Align Text (Ctrl+Z)");
    EXPECT_EQ(stack().count(), 3);

    while (enabled(kUndo)) {
        click(kUndo);
    }
    EXPECT_EQ(document, fresh);
    EXPECT_EQ(tooltip(kRedo), "Redo Choose Color (Ctrl+Shift+Z)");
    EXPECT_FALSE(document.coverChanged);
    // The controls show the design they are back at.
    EXPECT_TRUE(designer->button(kAlignLeft)->isChecked());

    click(kExit);  // nothing to save: no question
    EXPECT_TRUE(prompter.messages.size() == 1u) << "only the colour question was asked";
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultExit);

    while (enabled(kRedo)) {
        click(kRedo);
    }
    EXPECT_EQ(document, edited);
    EXPECT_TRUE(document.coverChanged);
}

TEST_F(DesignerUndoTest, KeyboardUndoesAndRedoes) {
    openDesigner(CoverTypeSlimlineDVD);
    designer->show();
    designer->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(designer.get()));
    click(kPrintBorders);
    const CoverDocument edited = document;

    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(document.bShowBorder);
    EXPECT_TRUE(checked(kPrintBorders));
    pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(document, edited);
    EXPECT_FALSE(checked(kPrintBorders));
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Z));
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(document, edited);
}

TEST_F(DesignerUndoTest, CancelledDialogsAddNoStep) {
    openDesigner(CoverTypeStandardCD);
    prompter.colors.push_back(std::nullopt);
    click(kChooseColor);
    prompter.fonts.push_back(std::nullopt);
    click(kFont);
    EXPECT_EQ(stack().count(), 0);
    EXPECT_FALSE(enabled(kUndo));
}

TEST_F(DesignerUndoTest, StartOverAndLoadStartWithNothingToUndo) {
    const QString saved = tempPath("kept.jkt");
    for (int command : {kStartOver, kLoad}) {
        SCOPED_TRACE(command);
        openDesigner(CoverTypeStandardCD);
        click(kPrintBorders);
        prompter.answers.push_back(Prompter::Answer::No);
        if (command == kLoad) {
            QFile(saved).open(QIODevice::WriteOnly);
            prompter.fileNames.push_back(saved);
        }
        click(command);
        EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
        designer->startRun();
        EXPECT_EQ(stack().count(), 0);
        EXPECT_FALSE(enabled(kUndo));
        EXPECT_FALSE(document.coverChanged);
    }
}

TEST_F(DesignerUndoTest, UndoingBackToTheSavedDesignAsksNothingOnExit) {
    openDesigner(CoverTypeStandardCD);
    click(kPrintBorders);
    prompter.fileNames.push_back(tempPath("cover.jkt"));
    click(kSave);
    EXPECT_FALSE(document.coverChanged);
    click(kViewFront);
    click(kAlignCenter);
    click(kUndo);
    click(kExit);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultExit);
}

}  // namespace casewright
