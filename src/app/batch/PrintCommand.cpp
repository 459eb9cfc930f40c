#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <optional>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/BatchStocks.h"
#include "app/batch/ReadFailureText.h"
#include "app/batch/ResolutionWarnings.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/DvdSpineSwitch.h"
#include "document/TemporaryImageFolder.h"
#include "print/AlwaysPrintPrompt.h"
#include "print/DiscSheet.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
#include "print/ui/PrinterSheetPrinter.h"
#include "render/ImageResolution.h"
#include "render/SurfaceRenderer.h"
#include "render/TextFrame.h"

namespace casewright {

namespace {

QString Description() {
    return QStringLiteral(
        "Prints a cover file as the designer's Print command does: the covers sheet,\n"
        "then the disc sheet, each surface at true size at the position its paper or\n"
        "label sheet fixes, with the printer adjustments of the settings applied.\n"
        "What to print and the disc's label sheet come from the settings the Print\n"
        "dialog keeps for the file's case type, unless an option says otherwise.\n"
        "The disc goes on the first (top) label of a label sheet, or on the labels\n"
        "--labels names. Without -p the sheets are written as the pages of one PDF\n"
        "file, each page A4 (the disc's page the label sheet's own paper), to print at\n"
        "actual size.");
}

void DeclareOptions(BatchCommandLine& commandLine) {
    commandLine.addOption({QStringLiteral("o"), QStringLiteral("output")},
                          QStringLiteral("OUT.pdf"),
                          QStringLiteral("write the PDF here (default: FILE.pdf)"));
    commandLine.addOption({QStringLiteral("p"), QStringLiteral("printer")},
                          QStringLiteral("PRINTER"),
                          QStringLiteral("send the sheets to a printer"));
    commandLine.addFlag({QStringLiteral("covers")}, QStringLiteral("print the cover(s)"));
    commandLine.addFlag({QStringLiteral("no-covers")}, QStringLiteral("do not print the cover(s)"));
    commandLine.addFlag({QStringLiteral("disc")}, QStringLiteral("print the disc label"));
    commandLine.addFlag({QStringLiteral("no-disc")}, QStringLiteral("do not print the disc label"));
    commandLine.addOption({QStringLiteral("disc-stock")}, QStringLiteral("NAME"),
                          QStringLiteral("paper or label sheet for the disc, by its exact name"));
    commandLine.addOption(
        {QStringLiteral("labels")}, QStringLiteral("LABELS"),
        QStringLiteral("the sheet's labels for the disc: all, 1,3, 2-4 (default 1)"));
    commandLine.addFlag({QStringLiteral("bottom-label")},
                        QStringLiteral("use the bottom label of a two-label sheet (--labels 2)"));
    commandLine.addFontDpiOption();
}

int LabelCount(const PrintPlan& plan) {
    if (!plan.discLayout) {
        return 0;
    }
    return static_cast<int>(
        MakeDiscSheet(plan.discStock, MakeCoverLayout(*plan.discLayout, PrinterAdjustment()))
            .labels.size());
}

QString UnknownPrinterMessage(const QString& name) {
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    QString message = QStringLiteral("no printer named \"%1\"").arg(name);
    if (printers.isEmpty()) {
        return message + QStringLiteral("; no printer is installed (use -o to write a PDF)");
    }
    return message + QStringLiteral("; the printers are: ") + printers.join(QStringLiteral(", "));
}

// A pair of opposite switches: set, cleared, or left to the settings.
std::optional<bool> Switch(const BatchCommandLine& commandLine, const QString& on,
                           const QString& off) {
    if (commandLine.isSet(on)) {
        return true;
    }
    if (commandLine.isSet(off)) {
        return false;
    }
    return std::nullopt;
}

QString DefaultPdfPath(const QString& coverPath) {
    const QFileInfo info(coverPath);
    return QDir::cleanPath(info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf")));
}

class PrintCommand {
public:
    explicit PrintCommand(BatchIo io)
        : io_(io),
          commandLine_(QStringLiteral("print"), QStringLiteral("print [options] FILE.jkt"),
                       Description()),
          stocks_(QStringLiteral("print"), io) {
        DeclareOptions(commandLine_);
    }

    int run(const QStringList& args) {
        const BatchCommandLine::Parsed parsed = commandLine_.parse(args, io_);
        if (parsed != BatchCommandLine::Parsed::Run) {
            return BatchCommandLine::exitCodeOf(parsed);
        }
        if (const std::optional<QString> error = usageProblem()) {
            return commandLine_.usageError(*error, io_);
        }
        coverPath_ = commandLine_.positionals().first();
        if (!isPrinting() && sameFile(outputPath(), coverPath_)) {
            return commandLine_.usageError(
                QStringLiteral("the PDF would replace the cover file; name another with -o"), io_);
        }
        fontDpi_ = *commandLine_.fontDpi();
        CoverDocument doc;
        doc.ResetToNewDesign(static_cast<int>(SettingsStore().Option), fontDpi_);
        TemporaryImageFolder images(TemporaryImageFolder::DefaultParent());
        const CoverFileReadResult read = ReadCoverFile(doc, coverPath_, fontDpi_, images.path());
        if (!read.loaded()) {
            return commandLine_.failure(ReadFailureText(read.outcome, coverPath_), io_);
        }
        if (const QString lost = LostImagesText(read, coverPath_); !lost.isEmpty()) {
            commandLine_.warning(lost, io_);
        }
        RestoreDvdSpineSwitch(doc);
        const PrintChoices choices = choicesFor(doc.covertype);
        if (!choices.printCover && !choices.printDisc) {
            return commandLine_.usageError(
                QStringLiteral("nothing to print: the settings switch off both the cover(s) and "
                               "the disc; use --covers or --disc"),
                io_);
        }
        return print(doc, choices);
    }

private:
    std::optional<QString> usageProblem() {
        if (commandLine_.positionals().size() != 1) {
            return QStringLiteral("expected exactly one cover file");
        }
        if (commandLine_.isSet(QStringLiteral("output")) && isPrinting()) {
            return QStringLiteral("-o and -p cannot be used together");
        }
        for (const char* name : {"covers", "disc"}) {
            const QString on = QLatin1String(name);
            if (commandLine_.isSet(on) && commandLine_.isSet(QStringLiteral("no-") + on)) {
                return QStringLiteral("--%1 and --no-%1 cannot be used together").arg(on);
            }
        }
        if (commandLine_.isSet(QStringLiteral("labels")) &&
            commandLine_.isSet(QStringLiteral("bottom-label"))) {
            return QStringLiteral("--labels and --bottom-label cannot be used together");
        }
        QString labelsError;
        if (commandLine_.isSet(QStringLiteral("labels")) &&
            !LabelSelection::Parse(commandLine_.value(QStringLiteral("labels")), &labelsError)) {
            return QStringLiteral("--labels: ") + labelsError;
        }
        if (commandLine_.isSet(QStringLiteral("disc-stock"))) {
            const QString stock = commandLine_.value(QStringLiteral("disc-stock"));
            if (!stocks_.find(stock)) {
                return stocks_.unknownStockMessage(stock);
            }
        }
        if (!commandLine_.fontDpi()) {
            return QStringLiteral("--font-dpi takes a whole number from 1 to %1")
                .arg(BatchCommandLine::kMaxFontDpi);
        }
        return std::nullopt;
    }

    // Labels named with --labels that the disc's sheet does not have.
    std::optional<QString> labelProblem(const PrintPlan& plan) const {
        if (!commandLine_.isSet(QStringLiteral("labels")) || !plan.printDisc) {
            return std::nullopt;
        }
        // What was asked for: plain paper takes its one position whatever it is.
        const LabelSelection asked =
            *LabelSelection::Parse(commandLine_.value(QStringLiteral("labels")));
        const int count = LabelCount(plan);
        const std::vector<int> missing = asked.beyond(count);
        if (missing.empty()) {
            return std::nullopt;
        }
        return QStringLiteral("\"%1\" has %2 label%3; there is no label %4")
            .arg(plan.discStockName)
            .arg(count)
            .arg(count == 1 ? QString() : QStringLiteral("s"))
            .arg(missing.front());
    }

    bool isPrinting() const { return commandLine_.isSet(QStringLiteral("printer")); }

    QString outputPath() const {
        return commandLine_.isSet(QStringLiteral("output"))
                   ? commandLine_.value(QStringLiteral("output"))
                   : DefaultPdfPath(coverPath_);
    }

    static bool sameFile(const QString& a, const QString& b) {
        return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
    }

    PrintChoices choicesFor(int coverType) const {
        PrintChoices choices = PrintChoices::FromSettings(coverType);
        choices.printCover =
            Switch(commandLine_, QStringLiteral("covers"), QStringLiteral("no-covers"))
                .value_or(choices.printCover);
        choices.printDisc = Switch(commandLine_, QStringLiteral("disc"), QStringLiteral("no-disc"))
                                .value_or(choices.printDisc);
        if (commandLine_.isSet(QStringLiteral("disc-stock"))) {
            choices.discStock = commandLine_.value(QStringLiteral("disc-stock"));
        }
        if (commandLine_.isSet(QStringLiteral("labels"))) {
            choices.discLabels =
                *LabelSelection::Parse(commandLine_.value(QStringLiteral("labels")));
        } else if (commandLine_.isSet(QStringLiteral("bottom-label"))) {
            choices.discLabels = LabelSelection::Of({2});
        }
        return choices;
    }

    // What fitting does to the back cover's track listing, as a warning.
    void warnOfListingFit(const CoverDocument& doc) const {
        const std::optional<SurfaceKind> kind = SurfaceFor(doc.covertype, CoverSide::Back);
        const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
        if (!kind || !layout) {
            return;
        }
        CoverDocument sized = doc;
        sized.geometry = MakeCoverLayout(*layout, SettingsStore().printerAdjustment());
        const QString note = TrackListingFitNote(
            SurfaceListingFit(sized, *kind, TextFrame::kPreviewLayoutDpi, fontDpi_));
        if (!note.isEmpty()) {
            commandLine_.warning(note, io_);
        }
    }

    int print(CoverDocument& doc, const PrintChoices& choices) {
        const PrintPlan plan =
            PrintPlan::Make(doc.covertype, choices, stocks_.catalogFor(choices.discStock));
        if (const std::optional<QString> error = labelProblem(plan)) {
            return commandLine_.usageError(*error, io_);
        }
        warnOfBlurredImages(doc, plan, choices);
        if (choices.printCover) {
            warnOfListingFit(doc);
        }
        PrintJob job(doc, plan, fontDpi_);
        AlwaysPrintPrompt prompt;
        if (isPrinting()) {
            return printOnPrinter(job, prompt);
        }
        PdfSheetPrinter pdf(outputPath());
        const PrintJobResult result = job.run(pdf, prompt);
        if (!result.ok) {
            return commandLine_.failure(result.error, io_);
        }
        io_.out << "wrote " << QDir::toNativeSeparators(outputPath()) << " ("
                << result.sheetsPrinted << (result.sheetsPrinted == 1 ? " page" : " pages")
                << ")\n";
        return kExitOk;
    }

    void warnOfBlurredImages(const CoverDocument& doc, const PrintPlan& plan,
                             const PrintChoices& choices) const {
        // The surfaces' sizes are those of the case type's layout.
        const std::optional<LayoutIndex> layout = LayoutForCoverType(doc.covertype);
        if (!layout) {
            return;
        }
        CoverDocument measured = doc;
        measured.geometry = MakeCoverLayout(*layout, plan.adjustment);
        QVector<SurfaceKind> kinds = PrintedSurfaces(doc.covertype);
        kinds.removeIf([&choices](SurfaceKind kind) {
            return kind == SurfaceKind::Disc ? !choices.printDisc : !choices.printCover;
        });
        WarnOfBlurredImages(commandLine_, measured, kinds, io_);
    }

    int printOnPrinter(PrintJob& job, PaperPrompt& prompt) {
        const QString name = commandLine_.value(QStringLiteral("printer"));
        if (QPrinterInfo::printerInfo(name).isNull()) {
            return commandLine_.failure(UnknownPrinterMessage(name), io_);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(name);
        printer.setPageOrientation(QPageLayout::Portrait);
        PrinterSheetPrinter device(printer, true);
        const PrintJobResult result = job.run(device, prompt);
        if (!result.ok) {
            return commandLine_.failure(result.error, io_);
        }
        io_.out << "sent " << result.sheetsPrinted
                << (result.sheetsPrinted == 1 ? " sheet" : " sheets") << " to " << name << "\n";
        return result.sheetsAborted > 0 ? kExitFailure : kExitOk;
    }

    BatchIo io_;
    BatchCommandLine commandLine_;
    BatchStocks stocks_;
    QString coverPath_;
    int fontDpi_ = LogFont::kHeightDpi;
};

}  // namespace

int RunPrintCommand(const QStringList& args, BatchIo io) {
    return PrintCommand(io).run(args);
}

}  // namespace casewright
