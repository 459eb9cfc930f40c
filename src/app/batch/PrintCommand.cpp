#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <optional>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/ReadFailureText.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/DvdSpineSwitch.h"
#include "document/TemporaryImageFolder.h"
#include "print/AlwaysPrintPrompt.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
#include "print/ui/PrinterSheetPrinter.h"
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
        "Without -p the sheets are written as the pages of one PDF file, each page\n"
        "A4 (US Letter for the disc on a Letter label sheet), to print at actual size.");
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
    commandLine.addFlag({QStringLiteral("bottom-label")},
                        QStringLiteral("use the bottom label of a two-label sheet"));
    commandLine.addFontDpiOption();
}

QString UnknownStockMessage(const QString& name) {
    QString message = QStringLiteral("unknown disc stock \"%1\"; the stocks are:").arg(name);
    for (const QString& stock : LabelStocks::DiscStockNames()) {
        message += QStringLiteral("\n  ") + stock;
    }
    return message;
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
                       Description()) {
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
    std::optional<QString> usageProblem() const {
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
        if (commandLine_.isSet(QStringLiteral("disc-stock"))) {
            const QString stock = commandLine_.value(QStringLiteral("disc-stock"));
            if (!LabelStocks::Find(stock)) {
                return UnknownStockMessage(stock);
            }
        }
        if (!commandLine_.fontDpi()) {
            return QStringLiteral("--font-dpi takes a whole number from 1 to %1")
                .arg(BatchCommandLine::kMaxFontDpi);
        }
        return std::nullopt;
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
        choices.useTopDiscLabel = !commandLine_.isSet(QStringLiteral("bottom-label"));
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
        if (choices.printCover) {
            warnOfListingFit(doc);
        }
        PrintJob job(doc, PrintPlan::Make(doc.covertype, choices), fontDpi_);
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
    QString coverPath_;
    int fontDpi_ = LogFont::kHeightDpi;
};

}  // namespace

int RunPrintCommand(const QStringList& args, BatchIo io) {
    return PrintCommand(io).run(args);
}

}  // namespace casewright
