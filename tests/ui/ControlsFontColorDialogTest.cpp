#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controls/CFontColorDialog.h"
#include "controls/QtPrompter.h"

namespace casewright {

namespace {

// Runs `answer` on the next modal dialog of type T once it is showing.
template <typename T>
void AnswerNextModal(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "expected a modal dialog";
        answer(dialog);
    });
}

TEST(FontColorDialogTest, ShowsAndReturnsFontSizeEffectsAndColour) {
    CFontColorDialog dialog;
    QFont start(QStringLiteral("DejaVu Sans"));
    start.setPointSizeF(7.5);
    start.setWeight(QFont::Bold);
    start.setUnderline(true);
    dialog.setSelectedFont(start);
    dialog.setTextColor(QColor(0, 51, 102));

    EXPECT_EQ(dialog.sizeBox()->currentText(), QStringLiteral("7.5"));
    EXPECT_EQ(dialog.pointSizeTenths(), 75);
    EXPECT_TRUE(dialog.underlineBox()->isChecked());
    EXPECT_FALSE(dialog.strikeOutBox()->isChecked());
    EXPECT_EQ(dialog.styleBox()->currentText(), QStringLiteral("Bold"));

    dialog.sizeBox()->setCurrentText(QStringLiteral("12"));
    dialog.strikeOutBox()->setChecked(true);
    dialog.styleBox()->setCurrentIndex(1);  // Italic
    const QFont chosen = dialog.selectedFont();
    EXPECT_EQ(chosen.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_DOUBLE_EQ(chosen.pointSizeF(), 12.0);
    EXPECT_EQ(chosen.weight(), QFont::Normal);
    EXPECT_TRUE(chosen.italic());
    EXPECT_TRUE(chosen.underline());
    EXPECT_TRUE(chosen.strikeOut());
    EXPECT_EQ(dialog.textColor(), QColor(0, 51, 102));
}

TEST(FontColorDialogTest, KeepsAFaceThatIsNotInstalledAndAnUnusualWeight) {
    CFontColorDialog dialog;
    QFont start(QStringLiteral("No Such Face 123"));
    start.setPointSize(10);
    start.setWeight(QFont::DemiBold);
    dialog.setSelectedFont(start);
    EXPECT_EQ(dialog.selectedFont().family(), QStringLiteral("No Such Face 123"));
    EXPECT_EQ(dialog.selectedFont().weight(), QFont::DemiBold);

    dialog.styleBox()->setCurrentIndex(0);  // Regular
    EXPECT_EQ(dialog.selectedFont().weight(), QFont::Normal);
}

TEST(FontColorDialogTest, StaysOpenOnASizeThatIsNoNumber) {
    CFontColorDialog dialog;
    dialog.show();
    dialog.sizeBox()->setCurrentText(QStringLiteral("big"));
    EXPECT_EQ(dialog.pointSizeTenths(), 0);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.sizeBox()->setCurrentText(QStringLiteral("9,5"));
    EXPECT_EQ(dialog.pointSizeTenths(), 95);
    dialog.sizeBox()->setCurrentText(QStringLiteral("0"));
    EXPECT_EQ(dialog.pointSizeTenths(), 0);
}

TEST(FontColorDialogTest, ColourButtonOpensTheColourDialog) {
    CFontColorDialog dialog;
    dialog.setTextColor(Qt::black);
    dialog.show();
    AnswerNextModal<QColorDialog>([](QColorDialog* colors) {
        colors->setCurrentColor(QColor(200, 10, 20));
        colors->accept();
    });
    dialog.colorButton()->click();
    EXPECT_EQ(dialog.textColor(), QColor(200, 10, 20));

    AnswerNextModal<QColorDialog>([](QColorDialog* colors) {
        colors->setCurrentColor(Qt::green);
        colors->reject();
    });
    dialog.colorButton()->click();
    EXPECT_EQ(dialog.textColor(), QColor(200, 10, 20)) << "cancelled: colour unchanged";
}

TEST(QtPrompterFontTest, ChooseFontReturnsColourPointSizeAndDesignHeight) {
    LogFont initial;
    initial.height = -10;  // 7.5 pt at 96 dpi
    initial.weight = 700;
    initial.escapement = 900;
    initial.setFaceName(QStringLiteral("DejaVu Sans"));

    AnswerNextModal<CFontColorDialog>([](CFontColorDialog* dialog) {
        EXPECT_EQ(dialog->sizeBox()->currentText(), QStringLiteral("7.5"));
        EXPECT_EQ(dialog->textColor(), QColor(0, 0, 255));
        dialog->sizeBox()->setCurrentText(QStringLiteral("12"));
        dialog->underlineBox()->setChecked(true);
        dialog->setTextColor(QColor(255, 0, 0));
        dialog->accept();
    });
    QtPrompter prompter;
    const auto choice = prompter.chooseFont(nullptr, initial, MakeColorRef(0, 0, 255));
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->color, MakeColorRef(255, 0, 0));
    EXPECT_EQ(choice->pointSizeTenths, 120);
    EXPECT_EQ(choice->font.height, -16);
    EXPECT_EQ(choice->font.weight, 700);
    EXPECT_EQ(choice->font.underline, 1);
    EXPECT_EQ(choice->font.italic, 0);
    EXPECT_EQ(choice->font.faceName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(choice->font.escapement, 900) << "fields the dialog does not show are kept";

    AnswerNextModal<CFontColorDialog>([](CFontColorDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(prompter.chooseFont(nullptr, initial, 0).has_value());
}

}  // namespace

}  // namespace casewright
