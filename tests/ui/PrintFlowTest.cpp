#include "print/ui/PrintFlow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "app/SettingsStore.h"
#include "core/PrintPdfInspection.h"
#include "core/PrintRecordingDevice.h"
#include "document/CoverDocument.h"
#include "print/ui/PrinterSheetPrinter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"
#include "support/TinyFileSystem.h"

namespace casewright {

using namespace PrintPdfInspection;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class PrintFlowTest : public IsolatedSettingsTest {
protected:
    void SetUp() override {
        IsolatedSettingsTest::SetUp();
        doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    }

    // A flow whose printer is the recording device, with the orientation
    // the user left in the system print dialog.
    std::unique_ptr<PrintFlow> recordingFlow() {
        auto flow = std::make_unique<PrintFlow>(nullptr, doc);
        flow->hasDefaultPrinter = [] { return true; };
        flow->makePrinterDevice = [this](QPrinter& printer) {
            presetOrientation = printer.pageLayout().orientation();
            auto device = std::make_unique<Forwarding>(recorder);
            recorder.userOrientation = printer.pageLayout().orientation();
            return device;
        };
        flow->paperPrompt = &paperPrompt;
        return flow;
    }

    // Lends the test's recorder to the flow, which owns its device.
    class Forwarding : public SheetPrinter {
    public:
        explicit Forwarding(PrintRecordingDevice& d) : d_(d) {}
        bool beginDocument(const SheetRequest& r) override { return d_.beginDocument(r); }
        QPainter& painter() override { return d_.painter(); }
        int resolution() const override { return d_.resolution(); }
        QPoint printableOffset() const override { return d_.printableOffset(); }
        QSize printableSize() const override { return d_.printableSize(); }
        bool endPage() override { return d_.endPage(); }
        void abortDocument() override { d_.abortDocument(); }
        bool endDocument() override { return d_.endDocument(); }
        bool finish() override { return d_.finish(); }
        QString errorText() const override { return d_.errorText(); }
        QPageLayout::Orientation chosenOrientation() const override {
            return d_.chosenOrientation();
        }
        bool usesPaper() const override { return d_.usesPaper(); }

    private:
        PrintRecordingDevice& d_;
    };

    CoverDocument doc;
    ScriptedPrompter prompter;
    ScriptedPaperPrompt paperPrompt;
    PrintRecordingDevice recorder;
    QPageLayout::Orientation presetOrientation = QPageLayout::Landscape;
};

}  // namespace

TEST_F(PrintFlowTest, WithoutDefaultPrinterNothingIsPrinted) {
    auto flow = recordingFlow();
    flow->hasDefaultPrinter = [] { return false; };
    prompter.answers = {Prompter::Answer::Ok};

    EXPECT_FALSE(flow->printOnPrinter(LabelSelection()));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Default Printer");
    EXPECT_EQ(prompter.messages[0].text, PrintFlow::NoDefaultPrinterText());
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Information);
    EXPECT_EQ(prompter.printDialogs, 0);
    EXPECT_TRUE(recorder.sheets.empty());
}

TEST_F(PrintFlowTest, CancelledPrintDialogEndsQuietlyWithoutRefresh) {
    auto flow = recordingFlow();
    prompter.printerChoices = {false};
    EXPECT_FALSE(flow->printOnPrinter(LabelSelection()));
    EXPECT_TRUE(recorder.sheets.empty());
}

TEST_F(PrintFlowTest, PrintDialogStartsAtPortraitA4AndTheUsersOrientationIsKept) {
    auto flow = recordingFlow();
    QPageSize::PageSizeId presetPaper = QPageSize::Custom;
    prompter.printerChoices = {true};
    prompter.configurePrinter = [&presetPaper](QPrinter& printer) {
        presetPaper = printer.pageLayout().pageSize().id();
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        printer.setPageOrientation(QPageLayout::Landscape);
    };
    doc.ResetToNewDesign(CoverTypeStandardDVD, 96);
    EXPECT_TRUE(flow->printOnPrinter(LabelSelection()));
    EXPECT_EQ(presetPaper, QPageSize::A4);
    ASSERT_EQ(recorder.sheets.size(), 2u);
    EXPECT_EQ(recorder.sheets[1].request.orientation, QPageLayout::Landscape);
}

TEST_F(PrintFlowTest, PrinterThatCannotBeOpenedIsReported) {
    auto flow = recordingFlow();
    recorder.cannotOpen = true;
    prompter.printerChoices = {true};
    prompter.answers = {Prompter::Answer::Ok};
    EXPECT_TRUE(flow->printOnPrinter(LabelSelection()));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Print");
    EXPECT_EQ(prompter.messages[0].text, "the test printer is off");
}

// A printer that writes to a file gets both sheets as pages of that file,
// where separate documents would each overwrite the one before, and asks
// for no paper.
TEST_F(PrintFlowTest, PrintToFileKeepsBothSheetsInOneFile) {
    SettingsStore settings;
    settings.dvdFormatDisc = "Neato CD/DVD Labels (A4)";
    ASSERT_TRUE(settings.save());
    doc.ResetToNewDesign(CoverTypeStandardDVD, 96);

    PrintFlow flow(nullptr, doc);
    flow.hasDefaultPrinter = [] { return true; };
    flow.paperPrompt = &paperPrompt;
    const QString path = tempPath("printed.pdf");
    prompter.printerChoices = {true};
    prompter.configurePrinter = [&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    };
    EXPECT_TRUE(flow.printOnPrinter(LabelSelection()));
    EXPECT_TRUE(paperPrompt.texts.isEmpty());
    EXPECT_EQ(PageCount(path), 2);
    EXPECT_EQ(MediaBoxes(path), Boxes({kA4Landscape, kA4Portrait}));
}

// Like saving a cover: one question before an existing file is replaced, and
// none about paper, even with a label sheet chosen for the disc.
TEST_F(PrintFlowTest, SaveAsPdfAsksOnlyBeforeReplacingAFile) {
    SettingsStore settings;
    settings.cdFormatDisc = "Neato CD/DVD Labels (A4)";
    ASSERT_TRUE(settings.save());
    PrintFlow flow(nullptr, doc);
    flow.hasDefaultPrinter = [] { return false; };  // a desktop without printers
    flow.paperPrompt = &paperPrompt;
    const QString path = tempPath("saved.pdf");
    WriteFile(path, "an older PDF");
    prompter.fileNames = {path};
    prompter.answers = {Prompter::Answer::Yes};
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("savePdfButton"))->click();
    });
    EXPECT_TRUE(flow.run());
    EXPECT_EQ(prompter.printDialogs, 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Overwrite?");
    EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(PageCount(path), 2);
    EXPECT_TRUE(paperPrompt.texts.isEmpty());
}

TEST_F(PrintFlowTest, SaveAsPdfOnAFullDiskSaysSoAndKeepsTheOldFile) {
    TinyFileSystem disk(256);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString path = disk.path(QStringLiteral("cover.pdf"));
    WriteFile(path, "the PDF of yesterday");
    disk.fill(4);
    prompter.answers = {Prompter::Answer::Ok};
    PrintFlow flow(nullptr, doc);
    EXPECT_TRUE(flow.printToPdf(path, LabelSelection()));

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Print");
    EXPECT_TRUE(prompter.messages[0].text.contains("could not be written completely"))
        << prompter.messages[0].text.toStdString();
    EXPECT_EQ(ReadLatin1(path), "the PDF of yesterday");
    EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files).size(), 2)
        << "only the old file and the filler remain";
}

TEST_F(PrintFlowTest, CancelInThePrintDialogPrintsNothing) {
    auto flow = recordingFlow();
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    EXPECT_FALSE(flow->run());
    EXPECT_EQ(prompter.printDialogs, 0);
    EXPECT_TRUE(recorder.sheets.empty());
}

// The real dialogs, each naming the sheet the user chose.
TEST_F(PrintFlowTest, InsertPaperDialogsAskBeforeEachSheet) {
    SettingsStore settings;
    settings.cdFormatDisc = "Avery 8960 CD/DVD Labels (Letter)";
    ASSERT_TRUE(settings.save());
    auto flow = recordingFlow();
    flow->paperPrompt = nullptr;
    prompter.printerChoices = {true};
    QStringList shown;
    auto answer = [&shown](const char* button) {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown << dialog->findChild<QLabel*>(QStringLiteral("promptLabel"))->text();
        dialog->findChild<QPushButton*>(QLatin1String(button))->click();
    };
    QTimer::singleShot(0, [&] {
        answer("skipButton");
        QTimer::singleShot(0, [&] { answer("printButton"); });
    });
    EXPECT_TRUE(flow->printOnPrinter(LabelSelection()));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].contains("'Plain Paper'"));
    EXPECT_TRUE(shown[1].contains("'Avery 8960 CD/DVD Labels (Letter)'"));
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].request.paper, QPageSize::Letter);
}

}  // namespace casewright
