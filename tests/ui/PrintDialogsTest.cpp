#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <QPrinter>

#include "app/SettingsStore.h"
#include "core/PrintRecordingDevice.h"
#include "core/SheetTestSupport.h"
#include "document/CoverTypes.h"
#include "print/LabelStock.h"
#include "print/StockCatalog.h"
#include "print/ui/CInsertPaperDlg.h"
#include "print/ui/CPrintDlg.h"
#include "print/ui/CPrinterAdjustmentDlg.h"
#include "print/ui/CSheetPicker.h"
#include "print/ui/UpDownEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

const QString kNeato = QStringLiteral("Neato CD/DVD Labels (A4)");

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class PrintDlgTest : public IsolatedSettingsTest {
protected:
    std::unique_ptr<CPrintDlg> open(int coverType, const StockCatalog& stocks = StockCatalog()) {
        auto dlg = std::make_unique<CPrintDlg>(nullptr, coverType, stocks);
        dlg->show();
        return dlg;
    }

    // Chooses a disc stock the way the user does: pick it and close the list.
    static void chooseDiscStock(CPrintDlg& dlg, const QString& name) {
        auto* list = Child<QComboBox>(&dlg, "discStockList");
        const int index = list->findText(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    ScriptedPrompter prompter;
};

}  // namespace

TEST_F(PrintDlgTest, CaptionsAndRememberedStocksFollowTheCaseType) {
    SettingsStore settings;
    settings.dvdSlimFormatDisc = kNeato;
    settings.cdFormatDisc = "PC Line CD/DVD Labels (A4)";
    ASSERT_TRUE(settings.save());

    auto slim = open(CoverTypeSlimlineDVD);
    EXPECT_EQ(Child<QCheckBox>(slim.get(), "coversCheck")->text(), "DVD Cover:");
    EXPECT_EQ(Child<QLabel>(slim.get(), "coverStockLabel")->text(), "Cover:");
    EXPECT_EQ(Child<QComboBox>(slim.get(), "coverStockList")->currentText(), "Plain Paper");
    EXPECT_EQ(Child<QComboBox>(slim.get(), "discStockList")->currentText(), kNeato);

    auto cd = open(CoverTypeStandardCD);
    EXPECT_EQ(Child<QCheckBox>(cd.get(), "coversCheck")->text(), "Back && Front CD Covers");
    EXPECT_EQ(Child<QLabel>(cd.get(), "coverStockLabel")->text(), "Covers:");
    EXPECT_EQ(Child<QComboBox>(cd.get(), "discStockList")->currentText(),
              "PC Line CD/DVD Labels (A4)");

    auto slimCd = open(CoverTypeSlimlineCD);
    EXPECT_EQ(Child<QCheckBox>(slimCd.get(), "coversCheck")->text(), "CD Cover:");

    auto* discList = Child<QComboBox>(cd.get(), "discStockList");
    QStringList shown;
    for (int i = 0; i < discList->count(); ++i) {
        shown << discList->itemText(i);
    }
    EXPECT_EQ(shown, LabelStocks::DiscStockNames());
    EXPECT_EQ(Child<QComboBox>(cd.get(), "coverStockList")->count(), 1);

    auto unknown = open(9);
    EXPECT_EQ(Child<QComboBox>(unknown.get(), "discStockList")->count(), 0);
    EXPECT_EQ(Child<QCheckBox>(unknown.get(), "coversCheck")->text(), "Covers:");
}

TEST_F(PrintDlgTest, LabelChoiceIsOnlyOfferedForLabelSheets) {
    auto dlg = open(CoverTypeStandardCD);
    auto* picker = Child<CSheetPicker>(dlg.get(), "sheetPicker");
    auto* edit = Child<QLineEdit>(dlg.get(), "labelsEdit");
    auto* disc = Child<QCheckBox>(dlg.get(), "discCheck");
    auto* discList = Child<QComboBox>(dlg.get(), "discStockList");
    EXPECT_FALSE(picker->isEnabled());
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(picker->labelCount(), 1);  // plain paper's one disc position

    chooseDiscStock(*dlg, kNeato);
    EXPECT_TRUE(picker->isEnabled());
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_EQ(picker->labelCount(), 2);

    disc->click();
    EXPECT_FALSE(disc->isChecked());
    EXPECT_FALSE(discList->isEnabled());
    EXPECT_FALSE(picker->isEnabled());

    auto* covers = Child<QCheckBox>(dlg.get(), "coversCheck");
    covers->click();
    EXPECT_FALSE(Child<QComboBox>(dlg.get(), "coverStockList")->isEnabled());
}

// The top and bottom labels of a two-label sheet are labels 1 and 2 of its
// picture; the choice starts on the top label at every opening.
TEST_F(PrintDlgTest, TopLabelIsChosenAtEveryOpening) {
    SettingsStore settings;
    settings.cdFormatDisc = kNeato;
    ASSERT_TRUE(settings.save());
    {
        auto dlg = open(CoverTypeStandardCD);
        auto* picker = Child<CSheetPicker>(dlg.get(), "sheetPicker");
        EXPECT_EQ(picker->selection(), LabelSelection::Of({1}));
        for (int label : {1, 0}) {  // the bottom label on, then the top one off
            QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier,
                              picker->labelRect(label).center().toPoint());
        }
        EXPECT_EQ(Child<QLineEdit>(dlg.get(), "labelsEdit")->text(), "2");
        QTest::mouseClick(Child<QPushButton>(dlg.get(), "printButton"), Qt::LeftButton);
        EXPECT_EQ(dlg->outcome(), CPrintDlg::Outcome::Print);
        EXPECT_EQ(dlg->discLabels(), LabelSelection::Of({2}));
    }
    auto again = open(CoverTypeStandardCD);
    EXPECT_EQ(Child<CSheetPicker>(again.get(), "sheetPicker")->selection(),
              LabelSelection::Of({1}));
    EXPECT_EQ(Child<QLineEdit>(again.get(), "labelsEdit")->text(), "1");
}

// The sheets of the template database follow the built-in stocks; the
// picture shows the chosen sheet's labels, chosen with the mouse, the
// keyboard or typed numbers.
TEST_F(PrintDlgTest, TemplateSheetsAndTheirLabelsAreChosenInThePicture) {
    const StockCatalog stocks({TestSheets::ThreeUp()});
    auto dlg = open(CoverTypeStandardCD, stocks);
    auto* list = Child<QComboBox>(dlg.get(), "discStockList");
    ASSERT_EQ(list->count(), 18);
    EXPECT_EQ(list->itemText(16), "PressIT CD/DVD Labels (A4)");
    EXPECT_EQ(list->itemText(17), TestSheets::ThreeUpName());

    chooseDiscStock(*dlg, TestSheets::ThreeUpName());
    auto* picker = Child<CSheetPicker>(dlg.get(), "sheetPicker");
    auto* edit = Child<QLineEdit>(dlg.get(), "labelsEdit");
    ASSERT_EQ(picker->labelCount(), 3);
    EXPECT_EQ(edit->text(), "1");

    // Label 2 lies on the left, between 1 and 3: Left from 1 reaches it,
    // Down from it reaches 3.
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Left);
    EXPECT_EQ(picker->currentIndex(), 1);
    QTest::keyClick(picker, Qt::Key_Space);
    QTest::keyClick(picker, Qt::Key_Down);
    EXPECT_EQ(picker->currentIndex(), 2);
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "1-3");
    QTest::keyClick(picker, Qt::Key_Home);
    QTest::keyClick(picker, Qt::Key_Space);
    EXPECT_EQ(edit->text(), "2,3");
    QTest::keyClick(picker, Qt::Key_A);
    EXPECT_EQ(edit->text(), "all");

    struct Typed {
        const char* text;
        const char* shown;
    };
    for (const Typed& t :
         {Typed{"1, 3", "1,3"}, Typed{"4", "1,3"}, Typed{"two", "1,3"}, Typed{"2-3", "2,3"}}) {
        SCOPED_TRACE(t.text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, t.text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), t.shown);
    }
    EXPECT_EQ(picker->selection(), LabelSelection::Of({2, 3}));

    // Another sheet keeps the chosen labels it has.
    chooseDiscStock(*dlg, kNeato);
    EXPECT_EQ(edit->text(), "2");
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "allLabelsButton"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "printButton"), Qt::LeftButton);
    EXPECT_EQ(dlg->discLabels(), LabelSelection::All());
    EXPECT_EQ(SettingsStore().cdFormatDisc, kNeato);
}

TEST_F(PrintDlgTest, NothingTickedKeepsTheDialogOpen) {
    SettingsStore settings;
    settings.printCover = 0;
    settings.printDisc = 0;
    ASSERT_TRUE(settings.save());
    prompter.answers = {Prompter::Answer::Ok, Prompter::Answer::Ok};

    auto dlg = open(CoverTypeStandardDVD);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "printButton"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "savePdfButton"), Qt::LeftButton);

    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text,
              "You have not selected any items to print.  Please tick the boxes next to the items "
              "you wish to print, or click 'Cancel' to return to the main screen.");
    EXPECT_EQ(prompter.messages[0].caption, "Print");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->outcome(), CPrintDlg::Outcome::Cancelled);
    EXPECT_TRUE(prompter.fileDialogCaptions.isEmpty());
}

TEST_F(PrintDlgTest, PrintStoresTheVisibleTextsOfThisCaseType) {
    auto dlg = open(CoverTypeSlimlineCD);
    chooseDiscStock(*dlg, kNeato);
    QTest::mouseClick(Child<QCheckBox>(dlg.get(), "discCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "printButton"), Qt::LeftButton);

    const SettingsStore settings;
    EXPECT_EQ(settings.printDisc, 0u);
    EXPECT_EQ(settings.printCover, 1u);
    // The disabled list's text is stored all the same.
    EXPECT_EQ(settings.cdSlimFormatDisc, kNeato);
    EXPECT_EQ(settings.cdSlimFormatCover, "Plain Paper");
    EXPECT_EQ(settings.cdFormatDisc, "Plain Paper");
}

TEST_F(PrintDlgTest, UnknownRememberedStockOpensUnselectedAndStoresEmpty) {
    SettingsStore settings;
    settings.dvdFormatDisc = "Glossy Labels";
    ASSERT_TRUE(settings.save());
    auto dlg = open(CoverTypeStandardDVD);
    auto* list = Child<QComboBox>(dlg.get(), "discStockList");
    EXPECT_EQ(list->currentIndex(), -1);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "printButton"), Qt::LeftButton);
    EXPECT_EQ(SettingsStore().dvdFormatDisc, "");
}

TEST_F(PrintDlgTest, CancelStoresNothing) {
    auto dlg = open(CoverTypeStandardCD);
    chooseDiscStock(*dlg, kNeato);
    QTest::mouseClick(Child<QCheckBox>(dlg.get(), "coversCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(dlg->outcome(), CPrintDlg::Outcome::Cancelled);
    const SettingsStore settings;
    EXPECT_EQ(settings.cdFormatDisc, "Plain Paper");
    EXPECT_EQ(settings.printCover, 1u);
}

TEST_F(PrintDlgTest, SaveAsPdfAsksForTheFileAndStoresTheChoices) {
    const QString existing = tempPath("older.pdf");
    {
        QFile file(existing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    prompter.fileNames = {QString(), existing, tempPath("my cover")};
    prompter.answers = {Prompter::Answer::No};
    auto dlg = open(CoverTypeStandardCD);
    chooseDiscStock(*dlg, kNeato);
    auto* savePdf = Child<QPushButton>(dlg.get(), "savePdfButton");

    // The file dialog cancelled, then replacing an existing file declined:
    // back in the dialog each time, with nothing stored.
    for (int attempt = 0; attempt < 2; ++attempt) {
        SCOPED_TRACE(attempt);
        savePdf->click();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->outcome(), CPrintDlg::Outcome::Cancelled);
        EXPECT_EQ(SettingsStore().cdFormatDisc, "Plain Paper");
    }
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, CPrintDlg::PdfExistsText());
    EXPECT_EQ(prompter.messages[0].caption, "Overwrite?");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Question);

    // A new name is taken without a question.
    savePdf->click();
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(dlg->outcome(), CPrintDlg::Outcome::SaveAsPdf);
    EXPECT_EQ(dlg->pdfPath(), tempPath("my cover.pdf"));
    EXPECT_EQ(prompter.fileDialogFilters.value(0), "PDF Files (*.pdf)");
    EXPECT_EQ(SettingsStore().cdFormatDisc, kNeato);
    EXPECT_EQ(prompter.printDialogs, 0);
}

TEST_F(PrintDlgTest, AdjustButtonOpensThePrinterAdjustment) {
    auto dlg = open(CoverTypeStandardCD);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        }
    });
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "adjustButton"), Qt::LeftButton);
    EXPECT_EQ(seen, "Printer Adjustment");
    EXPECT_TRUE(dlg->isVisible());
}

namespace {

class PrinterAdjustmentDlgTest : public IsolatedSettingsTest {
protected:
    std::unique_ptr<CPrinterAdjustmentDlg> open() {
        auto dlg = std::make_unique<CPrinterAdjustmentDlg>(nullptr);
        dlg->show();
        return dlg;
    }

    ScriptedPrompter prompter;
};

}  // namespace

TEST_F(PrinterAdjustmentDlgTest, OpensWithZeroesLeftAndUp) {
    auto dlg = open();
    for (const char* name : {"expandCoverEdit", "expandDiscEdit", "moveXEdit", "moveYEdit"}) {
        EXPECT_EQ(Child<UpDownEdit>(dlg.get(), name)->text(), "0") << name;
    }
    EXPECT_TRUE(Child<QCheckBox>(dlg.get(), "leftCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg.get(), "rightCheck")->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(dlg.get(), "upCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(dlg.get(), "downCheck")->isChecked());
}

TEST_F(PrinterAdjustmentDlgTest, EachClickMovesTheTickToTheOtherBox) {
    auto dlg = open();
    auto* up = Child<QCheckBox>(dlg.get(), "upCheck");
    auto* down = Child<QCheckBox>(dlg.get(), "downCheck");
    up->click();  // the ticked box
    EXPECT_FALSE(up->isChecked());
    EXPECT_TRUE(down->isChecked());
    up->click();
    EXPECT_TRUE(up->isChecked());
    EXPECT_FALSE(down->isChecked());

    auto* left = Child<QCheckBox>(dlg.get(), "leftCheck");
    auto* right = Child<QCheckBox>(dlg.get(), "rightCheck");
    right->click();
    EXPECT_TRUE(right->isChecked());
    EXPECT_FALSE(left->isChecked());
}

TEST_F(PrinterAdjustmentDlgTest, UnknownDirectionLeavesBothBoxesClear) {
    SettingsStore settings;
    settings.moveDiscLeftRight = "sideways";
    ASSERT_TRUE(settings.save());
    auto dlg = open();
    auto* left = Child<QCheckBox>(dlg.get(), "leftCheck");
    auto* right = Child<QCheckBox>(dlg.get(), "rightCheck");
    EXPECT_FALSE(left->isChecked());
    EXPECT_FALSE(right->isChecked());
    left->click();
    EXPECT_TRUE(left->isChecked());
    EXPECT_FALSE(right->isChecked());
}

TEST_F(PrinterAdjustmentDlgTest, OkStoresTheDistancesAndDirections) {
    auto dlg = open();
    auto* expandDisc = Child<UpDownEdit>(dlg.get(), "expandDiscEdit");
    expandDisc->selectAll();
    QTest::keyClicks(expandDisc, " +12 ");
    auto* moveX = Child<UpDownEdit>(dlg.get(), "moveXEdit");
    moveX->selectAll();
    QTest::keyClicks(moveX, "-200");
    QTest::mouseClick(Child<QCheckBox>(dlg.get(), "rightCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(dlg.get(), "downCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "okButton"), Qt::LeftButton);

    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(prompter.messages.empty());
    const SettingsStore settings;
    EXPECT_EQ(settings.expandDiscMM, "12");
    EXPECT_EQ(settings.moveDiscMMX, "-200");
    EXPECT_EQ(settings.moveDiscLeftRight, "1");
    EXPECT_EQ(settings.moveDiscUpDown, "1");
    EXPECT_EQ(settings.expandCoverMM, "0");
}

// Only whole millimetres from -200 to 200 are taken; anything else is named
// to the user, and the dialog stays open with nothing stored.
TEST_F(PrinterAdjustmentDlgTest, OkRefusesAnythingButAWholeNumberWithinTheRange) {
    const struct {
        const char* edit;
        const char* field;
    } edits[] = {{"expandDiscEdit", "Expand my disc labels by"},
                 {"expandCoverEdit", "Expand my cover(s) by"},
                 {"moveXEdit", "Move my disc labels (to the left or right)"},
                 {"moveYEdit", "Move my disc labels (up or down)"}};
    for (const auto& e : edits) {
        for (const char* typed : {"abc", "250", "-201", "5mm", "", "4.5", "1e2", "- 3"}) {
            SCOPED_TRACE(std::string(e.edit) + " <- '" + typed + "'");
            auto dlg = open();
            auto* edit = Child<UpDownEdit>(dlg.get(), e.edit);
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, typed);
            prompter.messages.clear();
            prompter.answers = {Prompter::Answer::Ok};
            QTest::mouseClick(Child<QPushButton>(dlg.get(), "okButton"), Qt::LeftButton);

            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0].caption, "Printer Adjustment");
            EXPECT_EQ(prompter.messages[0].text,
                      CPrinterAdjustmentDlg::InvalidDistanceText(e.field));
            EXPECT_TRUE(prompter.messages[0].text.contains("-200 to 200"));
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_FALSE(QFile::exists(SettingsStore::filePath()));
        }
    }
}

// The edits show what a print does with the stored texts, so that OK keeps it.
TEST_F(PrinterAdjustmentDlgTest, StoredTextsOpenAsTheDistancesThatPrint) {
    SettingsStore settings;
    settings.expandDiscMM = "5000";
    settings.expandCoverMM = "abc";
    settings.moveDiscMMX = "5mm";
    settings.moveDiscMMY = "-300";
    ASSERT_TRUE(settings.save());
    auto dlg = open();
    EXPECT_EQ(Child<UpDownEdit>(dlg.get(), "expandDiscEdit")->text(), "200");
    EXPECT_EQ(Child<UpDownEdit>(dlg.get(), "expandCoverEdit")->text(), "0");
    EXPECT_EQ(Child<UpDownEdit>(dlg.get(), "moveXEdit")->text(), "5");
    EXPECT_EQ(Child<UpDownEdit>(dlg.get(), "moveYEdit")->text(), "-200");
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "okButton"), Qt::LeftButton);
    EXPECT_FALSE(dlg->isVisible());
    const SettingsStore back;
    EXPECT_EQ(back.expandDiscMM, "200");
    EXPECT_EQ(back.expandCoverMM, "0");
    EXPECT_EQ(back.moveDiscMMX, "5");
    EXPECT_EQ(back.moveDiscMMY, "-200");
}

TEST_F(PrinterAdjustmentDlgTest, CancelStoresNothing) {
    auto dlg = open();
    auto* expandCover = Child<UpDownEdit>(dlg.get(), "expandCoverEdit");
    expandCover->selectAll();
    QTest::keyClicks(expandCover, "7");
    QTest::mouseClick(Child<QCheckBox>(dlg.get(), "upCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg.get(), "cancelButton"), Qt::LeftButton);
    const SettingsStore settings;
    EXPECT_EQ(settings.expandCoverMM, "0");
    EXPECT_EQ(settings.moveDiscUpDown, "0");
}

TEST_F(PrinterAdjustmentDlgTest, ArrowsStepWithinMinusToPlusTwoHundred) {
    auto dlg = open();
    auto* edit = Child<UpDownEdit>(dlg.get(), "moveYEdit");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Up);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "2");
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "1");

    edit->setText("199");
    edit->stepBy(5);
    EXPECT_EQ(edit->text(), "200");
    edit->setText("-500");
    edit->stepBy(1);
    EXPECT_EQ(edit->text(), "-199");
    edit->setText("abc");
    edit->stepBy(1);
    EXPECT_EQ(edit->text(), "1");
}

TEST(InsertPaperDlgTest, PrintAcceptsAndSkipRejects) {
    CInsertPaperDlg print(nullptr, "Please insert the 'Plain Paper'");
    print.show();
    EXPECT_EQ(print.windowTitle(), "Print");
    EXPECT_EQ(Child<QLabel>(&print, "promptLabel")->text(), "Please insert the 'Plain Paper'");
    QTest::keyClick(&print, Qt::Key_Return);  // Print is the default button
    EXPECT_EQ(print.result(), QDialog::Accepted);

    CInsertPaperDlg skip(nullptr, "x");
    skip.show();
    QTest::mouseClick(Child<QPushButton>(&skip, "skipButton"), Qt::LeftButton);
    EXPECT_EQ(skip.result(), QDialog::Rejected);
}

}  // namespace casewright

namespace casewright {

namespace {

// Keeps what was printed on it after the flow has let go of it.
class KeptRecording : public PrintRecordingDevice {
public:
    explicit KeptRecording(std::vector<Sheet>& kept) : kept_(kept) {}
    ~KeptRecording() override { kept_ = sheets; }

private:
    std::vector<Sheet>& kept_;
};

}  // namespace

// The calibration page of the sheet chosen in the Print dialog, with the
// corrections as they stand in the dialog, before OK stores them.
TEST_F(PrinterAdjustmentDlgTest, PrintsTheChosenSheetsCalibrationPage) {
    auto plain = open();
    EXPECT_FALSE(Child<QPushButton>(plain.get(), "calibrationButton")->isEnabled());

    const StockCatalog stocks({TestSheets::ThreeUp()});
    CPrinterAdjustmentDlg dlg(nullptr, stocks.find(TestSheets::ThreeUpName()));
    dlg.show();
    std::vector<PrintRecordingDevice::Sheet> printed;
    dlg.calibrationFlow().hasDefaultPrinter = [] { return true; };
    dlg.calibrationFlow().makePrinterDevice = [&printed](QPrinter&) {
        return std::make_unique<KeptRecording>(printed);
    };
    ScriptedPrompter prompter;
    prompter.printerChoices = {true};
    auto* moveX = Child<UpDownEdit>(&dlg, "moveXEdit");
    moveX->selectAll();
    QTest::keyClicks(moveX, "3");
    QTest::mouseClick(Child<QCheckBox>(&dlg, "rightCheck"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(&dlg, "calibrationButton"), Qt::LeftButton);

    EXPECT_EQ(prompter.printDialogs, 1);
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].request.paper.id(), QPageSize::A4);
    EXPECT_EQ(printed[0].request.orientation, QPageLayout::Portrait);
    // The vertical arm of label 1's cross, 3 mm right of the label's centre.
    const QImage& page = printed[0].image;
    const QPointF centre = (TestSheets::ThreeUpCorner(1) + QPointF(55, 55) * TestSheets::kMm) * 100;
    const int below = static_cast<int>(centre.y() + 5 / 25.4 * 100);
    const int moved = static_cast<int>(centre.x() + 3 / 25.4 * 100);
    EXPECT_LT(qGray(page.pixel(moved, below)), 128);
    EXPECT_EQ(page.pixel(static_cast<int>(centre.x()), below), QColor(Qt::white).rgb());
    EXPECT_EQ(SettingsStore().moveDiscMMX, "0") << "nothing is stored before OK";
}

}  // namespace casewright
