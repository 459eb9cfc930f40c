#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextStream>
#include <QTimer>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommands.h"
#include "core/PrintRecordingDevice.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "print/ui/CPrintDlg.h"
#include "print/ui/CPrintPreviewDlg.h"
#include "print/ui/PrintFlow.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent ? parent->findChild<W*>(QLatin1String(name)) : nullptr;
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs `step` on the modal window that opens next.
void OnNextWindow(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] { step(QApplication::activeModalWidget()); });
}

bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return true;
            }
        }
    }
    return false;
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
    QPageLayout::Orientation chosenOrientation() const override { return d_.chosenOrientation(); }
    bool usesPaper() const override { return d_.usesPaper(); }

private:
    PrintRecordingDevice& d_;
};

class PrintPreviewPngTest : public IsolatedSettingsTest {
protected:
    // A design with something on every surface, and stored choices.
    void design(int coverType, const QString& discStock) {
        SettingsStore settings;
        settings.setDiscStock(coverType, discStock);
        settings.printCover = settings.printDisc = 1;
        PrinterAdjustment adjustment;
        adjustment.expandCoverMM = QStringLiteral("2");
        adjustment.moveDiscMMX = QStringLiteral("3");
        settings.setPrinterAdjustment(adjustment);
        ASSERT_TRUE(settings.save());
        doc.ResetToNewDesign(coverType, 96);
        doc.fBGColor = FromQColor(QColor(200, 30, 30));
        doc.bBGColor = FromQColor(QColor(30, 160, 30));
        doc.dBGColor = FromQColor(QColor(30, 30, 200));
        doc.fCoverTitle = QStringLiteral("Front title");
        doc.bCoverTitle = QStringLiteral("Back title");
        doc.dCoverTitle = QStringLiteral("Disc title");
        doc.dCoverAlign = LEFT;  // the job prints it centred
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(240, 200, 0));
        const QString picturePath = tempPath("picture.png");
        ASSERT_TRUE(picture.save(picturePath));
        doc.fImagePath = doc.sImagePath = doc.dImagePath = picturePath;
    }

    std::unique_ptr<PrintFlow> flow(bool printerInstalled = true) {
        auto f = std::make_unique<PrintFlow>(nullptr, doc);
        f->hasDefaultPrinter = [printerInstalled] { return printerInstalled; };
        f->makePrinterDevice = [this](QPrinter&) {
            return std::make_unique<Forwarding>(*recorder);
        };
        f->paperPrompt = &paperPrompt;
        f->previewDpi = recorder->dpi;
        return f;
    }

    CoverDocument doc;
    ScriptedPrompter prompter;
    ScriptedPaperPrompt paperPrompt;
    std::unique_ptr<PrintRecordingDevice> recorder = std::make_unique<PrintRecordingDevice>();
};

}  // namespace

// Preview... shows the sheets of the choices made in the dialog, whole
// sheets of which a printer prints the part it can reach, and Print there
// prints exactly those sheets.
TEST_F(PrintPreviewPngTest, PreviewShowsTheSheetsThatPrint) {
    struct Case {
        const char* name;
        int coverType;
        const char* discStock;
        const char* labels;
        QPoint printerOffset;
    };
    const Case cases[] = {
        {"standard CD on plain paper", CoverTypeStandardCD, "Plain Paper", "1", QPoint()},
        {"DVD, labels 1-2 of an A4 sheet, printer margins", CoverTypeStandardDVD,
         "Neato CD/DVD Labels (A4)", "1-2", QPoint(25, 18)},
        {"slimline CD, second label of a Letter sheet", CoverTypeSlimlineCD,
         "Avery 8960 CD/DVD Labels (Letter)", "2", QPoint(10, 10)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design(c.coverType, QString::fromLatin1(c.discStock));
        recorder = std::make_unique<PrintRecordingDevice>();
        recorder->dpi = 40;
        recorder->offset = c.printerOffset;
        paperPrompt.texts.clear();
        prompter.printerChoices = {true};
        auto printFlow = flow();
        printFlow->printerMargins = [&c] { return QPointF(c.printerOffset) / 40; };
        std::vector<QImage> preview;
        int promptsWhilePreviewing = -1;
        int alignWhilePreviewing = -1;
        OnNextWindow([&](QWidget* dialog) {
            auto* labels = Child<QLineEdit>(dialog, "labelsEdit");
            labels->setText(QString::fromLatin1(c.labels));
            emit labels->editingFinished();
            OnNextWindow([&](QWidget* window) {
                auto* previewWindow = dynamic_cast<CPrintPreviewDlg*>(window);
                ASSERT_NE(previewWindow, nullptr);
                for (int i = 0; i < previewWindow->pageCount(); ++i) {
                    preview.push_back(previewWindow->page(i));
                }
                promptsWhilePreviewing = static_cast<int>(paperPrompt.texts.size());
                alignWhilePreviewing = doc.dCoverAlign;
                Child<QPushButton>(window, "printButton")->click();
            });
            Child<QPushButton>(dialog, "previewButton")->click();
        });
        EXPECT_TRUE(printFlow->run());

        EXPECT_EQ(promptsWhilePreviewing, 0);
        EXPECT_EQ(alignWhilePreviewing, LEFT) << "looking changes nothing";
        ASSERT_EQ(preview.size(), 2u);
        ASSERT_EQ(recorder->sheets.size(), preview.size());
        for (size_t i = 0; i < preview.size(); ++i) {
            SCOPED_TRACE(i);
            const QImage& printed = recorder->sheets[i].image;
            EXPECT_TRUE(HasInk(printed));
            const QImage shown = preview[i].copy(QRect(c.printerOffset, printed.size()));
            int differ = 0;
            QPoint first(-1, -1);
            for (int y = 0; y < printed.height(); ++y)
                for (int x = 0; x < printed.width(); ++x)
                    if (shown.pixel(x, y) != printed.pixel(x, y)) {
                        if (!differ)
                            first = QPoint(x, y);
                        ++differ;
                    }
            EXPECT_EQ(differ, 0) << first.x() << "," << first.y() << " of " << printed.width()
                                 << "x" << printed.height() << " " << std::hex << shown.pixel(first)
                                 << " " << printed.pixel(first);
            EXPECT_EQ(shown, printed);
        }
    }
}

// The pictures are the ones `casewright-batch render` makes of the saved
// cover: one file when one surface is chosen, else one beside it per surface.
TEST_F(PrintPreviewPngTest, SaveAsPngWritesWhatRenderWrites) {
    struct Case {
        const char* name;
        int coverType;
        bool covers;
        bool disc;
        const char* chosenName;
        std::vector<std::pair<const char*, const char*>> files;  // file, render's surface
    };
    const Case cases[] = {
        {"standard CD, everything",
         CoverTypeStandardCD,
         true,
         true,
         "cd.png",
         {{"cd-front.png", "front"}, {"cd-back.png", "back"}, {"cd-disc.png", "disc"}}},
        {"DVD wrap only, name without extension",
         CoverTypeStandardDVD,
         true,
         false,
         "dvd",
         {{"dvd.png", "cover"}}},
        {"slimline CD, both",
         CoverTypeSlimlineCD,
         true,
         true,
         "slim.png",
         {{"slim-cover.png", "cover"}, {"slim-disc.png", "disc"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        design(c.coverType, QStringLiteral("Plain Paper"));
        prompter.fileNames = {tempPath(QString::fromLatin1(c.chosenName))};
        auto printFlow = flow();
        OnNextWindow([&](QWidget* dialog) {
            Child<QCheckBox>(dialog, "coversCheck")->setChecked(c.covers);
            Child<QCheckBox>(dialog, "discCheck")->setChecked(c.disc);
            auto* dpi = Child<QSpinBox>(dialog, "pngDpiBox");
            EXPECT_EQ(dpi->value(), 300);
            dpi->setValue(72);
            Child<QPushButton>(dialog, "savePngButton")->click();
        });
        EXPECT_TRUE(printFlow->run());
        EXPECT_EQ(prompter.fileDialogCaptions.last(), "Save as PNG");

        const QString cover = tempPath("saved.jkt");
        ASSERT_TRUE(WriteCoverFile(doc, cover));
        for (const auto& [file, surface] : c.files) {
            SCOPED_TRACE(file);
            const QString rendered = tempPath("rendered.png");
            QString out, err;
            QTextStream outStream(&out), errStream(&err);
            ASSERT_EQ(RunRenderCommand({cover, surface, "--dpi", "72", "-o", rendered},
                                       BatchIo{outStream, errStream}),
                      kExitOk);
            const QImage saved(tempPath(file));
            ASSERT_FALSE(saved.isNull());
            EXPECT_TRUE(HasInk(saved));
            EXPECT_EQ(saved, QImage(rendered));
            EXPECT_EQ(qRound(saved.dotsPerMeterX() * 0.0254), 72);
        }
    }
}

// A picture that cannot be written is told, naming the file; the job stops.
TEST_F(PrintPreviewPngTest, PictureThatCannotBeWrittenIsReported) {
    design(CoverTypeStandardCD, QStringLiteral("Plain Paper"));
    prompter.answers = {Prompter::Answer::Ok};
    const QString missing = tempPath("no such folder/cover-front.png");
    auto printFlow = flow();
    EXPECT_FALSE(printFlow->saveAsPng(
        {{CoverSide::Front, missing}, {CoverSide::Disc, tempPath("cover-disc.png")}}, 72));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Save as PNG");
    EXPECT_TRUE(prompter.messages[0].text.contains(missing))
        << prompter.messages[0].text.toStdString();
    EXPECT_FALSE(QFileInfo::exists(tempPath("cover-disc.png")));
}

// Without a printer Print explains where printers are set up and stays in
// the dialog, where Save as PDF and Save as PNG still work.
TEST_F(PrintPreviewPngTest, WithoutPrinterPrintKeepsTheDialogOpen) {
    design(CoverTypeStandardCD, QStringLiteral("Plain Paper"));
    auto printFlow = flow(false);
    prompter.answers = {Prompter::Answer::Ok};
    const QString png = tempPath("instead.png");
    prompter.fileNames = {png};
    bool openAfterMessage = false;
    OnNextWindow([&](QWidget* dialog) {
        Child<QCheckBox>(dialog, "discCheck")->setChecked(false);
        Child<QCheckBox>(dialog, "coversCheck")->setChecked(true);
        Child<QPushButton>(dialog, "printButton")->click();
        openAfterMessage = dialog->isVisible();
        Child<QPushButton>(dialog, "savePngButton")->click();
    });
    EXPECT_TRUE(printFlow->run());
    EXPECT_TRUE(openAfterMessage);
    ASSERT_EQ(prompter.messages.size(), 1u);
    const QString text = prompter.messages[0].text;
    EXPECT_EQ(text, CPrintDlg::NoPrinterText());
    for (const char* named : {"printer settings", "Save as PDF...", "Save as PNG..."}) {
        EXPECT_TRUE(text.contains(QLatin1String(named))) << named;
    }
    EXPECT_FALSE(text.contains(QLatin1String("Windows")));
    EXPECT_EQ(prompter.printDialogs, 0);
    EXPECT_TRUE(recorder->sheets.empty());
    EXPECT_TRUE(QFileInfo::exists(tempPath("instead-front.png")));
    EXPECT_TRUE(QFileInfo::exists(tempPath("instead-back.png")));
}

}  // namespace casewright
