#include <QRadioButton>
#include <QTest>

#include "designer/CNewCoverDlg.h"
#include "document/CoverDesign.h"
#include "ui/DesignerTestFixture.h"

namespace casewright {

using namespace DesignerIds;

class DesignerKeysTest : public DesignerTest {
protected:
    void openShown(int coverType) {
        openDesigner(coverType);
        designer->show();
        designer->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(designer.get()));
    }
    void press(const QKeySequence& keys) {
        const QKeyCombination combination = keys[0];
        QTest::keyClick(designer.get(), combination.key(), combination.keyboardModifiers());
    }
};

TEST_F(DesignerKeysTest, EachShortcutRunsItsCommand) {
    const struct {
        QKeySequence keys;
        const char* fileName;  // answer of the file dialog, when one opens
        std::optional<int> result;
        int writes;
    } cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), "a.jkt", std::nullopt, 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "b.jkt", std::nullopt, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "", std::nullopt, 0},
        {QKeySequence(Qt::CTRL | Qt::Key_N), nullptr, CCoverDesignerDlg::kResultStartOver, 0},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), nullptr, CCoverDesignerDlg::kResultExit, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys.toString().toStdString());
        openShown(CoverTypeStandardCD);
        if (c.fileName) {
            prompter.fileNames.push_back(*c.fileName ? tempPath(c.fileName) : QString());
        }
        press(c.keys);
        EXPECT_TRUE(prompter.fileNames.empty()) << "the file dialog opened";
        EXPECT_EQ(designer->endResult(), c.result);
        EXPECT_EQ(files->writes.size(), c.writes);
        designer->hide();
    }
}

TEST_F(DesignerKeysTest, TooltipsNameTheShortcuts) {
    openDesigner(CoverTypeStandardCD);
    const struct {
        int id;
        const char* keys;
    } cases[] = {{kPrint, "(Ctrl+P)"}, {kStartOver, "(Ctrl+N)"}, {kSave, "(Ctrl+S)"},
                 {kLoad, "(Ctrl+O)"},  {kHelp, "(F1)"},          {kExit, "(Ctrl+Q)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_TRUE(designer->control(c.id)->toolTip().contains(QLatin1String(c.keys)))
            << designer->control(c.id)->toolTip().toStdString();
    }
}

TEST_F(DesignerKeysTest, TitleNamesTheCoverAndMarksUnsavedChanges) {
    openDesigner(CoverTypeStandardCD);
    EXPECT_EQ(designer->windowTitle(), QStringLiteral("Untitled[*] \u2013 Casewright"));
    EXPECT_FALSE(designer->isWindowModified());
    click(kPrintBorders);
    EXPECT_TRUE(designer->isWindowModified());
    prompter.fileNames.push_back(tempPath("summer"));
    click(kSave);
    EXPECT_EQ(designer->windowTitle(), QStringLiteral("summer.jkt[*] \u2013 Casewright"));
    EXPECT_FALSE(designer->isWindowModified());
}

TEST_F(DesignerKeysTest, CancelInTheSaveQuestionKeepsTheDesign) {
    for (int command : {kStartOver, kLoad, kExit}) {
        SCOPED_TRACE(command);
        openDesigner(CoverTypeStandardCD);
        click(kPrintBorders);
        const CoverDocument edited = document;
        prompter.answers.push_back(Prompter::Answer::Cancel);
        click(command);
        EXPECT_EQ(prompter.messages.back().buttons, Prompter::Buttons::YesNoCancel);
        EXPECT_FALSE(designer->endResult().has_value());
        EXPECT_EQ(document, edited);
        EXPECT_TRUE(designer->design().isChanged());
        EXPECT_TRUE(prompter.fileDialogCaptions.isEmpty());
    }
}

TEST_F(DesignerKeysTest, StartOverAfterSaveStartsANewDesign) {
    openDesigner(CoverTypeStandardCD);
    prompter.fileNames.push_back(tempPath("kept"));
    click(kSave);
    click(kStartOver);
    EXPECT_EQ(designer->endResult(), CCoverDesignerDlg::kResultStartOver);
    // No cover to reopen: the program loop shows New Cover and a fresh window.
    EXPECT_TRUE(designer->pendingCoverPath().isEmpty());
}

TEST_F(DesignerKeysTest, ArrowKeysInNewCoverChooseTheCaseThatHasTheFocus) {
    CNewCoverDlg dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(dialog.radioForType(CoverTypeStandardCD)->hasFocus());
    const struct {
        Qt::Key key;
        int type;
    } steps[] = {{Qt::Key_Down, CoverTypeSlimlineCD},
                 {Qt::Key_Down, CoverTypeStandardDVD},
                 {Qt::Key_Right, CoverTypeSlimlineDVD},
                 {Qt::Key_Down, CoverTypeStandardCD},  // round the end, past the hidden one
                 {Qt::Key_Up, CoverTypeSlimlineDVD}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.type);
        QTest::keyClick(QApplication::focusWidget(), s.key);
        EXPECT_TRUE(dialog.radioForType(s.type)->hasFocus());
        EXPECT_EQ(dialog.chosenType(), s.type);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(SettingsStore().Option, static_cast<uint32_t>(CoverTypeSlimlineDVD));
}

TEST_F(DesignerKeysTest, TabReachesTheButtonsInOrderAndTheFocusIsDrawn) {
    openShown(CoverTypeStandardCD);
    QAbstractButton* save = designer->button(kSave);
    const QImage plain = save->grab().toImage();
    designer->button(kUndo)->setEnabled(true);
    designer->button(kUndo)->setFocus();
    QStringList reached;
    for (int i = 0; i < 40 && !save->hasFocus(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    ASSERT_TRUE(save->hasFocus()) << reached.join(' ').toStdString();
    EXPECT_LT(reached.indexOf("chooseTemplateButton"), reached.indexOf("fontButton"));
    EXPECT_LT(reached.indexOf("fontButton"), reached.indexOf("printButton"));
    EXPECT_LT(reached.indexOf("printButton"), reached.indexOf("startOverButton"));
    const QImage focused = save->grab().toImage();
    const QPoint edge(focused.width() / 2, 1);
    EXPECT_NE(focused.pixel(edge), plain.pixel(edge));
    EXPECT_EQ(QColor(focused.pixel(edge)), save->palette().color(QPalette::Highlight));

    // Enter clicks the focused command.
    prompter.fileNames.push_back(QString());
    QTest::keyClick(save, Qt::Key_Return);
    EXPECT_EQ(prompter.fileDialogCaptions.size(), 1);
}

}  // namespace casewright
