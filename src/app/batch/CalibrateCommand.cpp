#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

#include "app/SettingsStore.h"
#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/BatchStocks.h"
#include "document/CoverTypes.h"
#include "print/CalibrationPage.h"
#include "print/DiscSheet.h"
#include "print/PageLayouts.h"
#include "print/PdfSheetPrinter.h"
#include "print/ui/PrinterSheetPrinter.h"

namespace casewright {

namespace {

QString Description() {
    return QStringLiteral(
        "Prints a calibration page for a label sheet on plain paper: the outline of\n"
        "each of its labels, a cross with millimetre marks at each label's centre and\n"
        "millimetre rulers along the top and left edges, where the printer adjustments\n"
        "of the settings put them. Laid on the label sheet against the light, it shows\n"
        "how far the printer is off. Without -p the page is written to a PDF file of\n"
        "the sheet's paper size, to print at actual size.");
}

class CalibrateCommand {
public:
    explicit CalibrateCommand(BatchIo io)
        : io_(io),
          commandLine_(QStringLiteral("calibrate"), QStringLiteral("calibrate [options]"),
                       Description()),
          stocks_(QStringLiteral("calibrate"), io) {
        commandLine_.addOption({QStringLiteral("disc-stock")}, QStringLiteral("NAME"),
                               QStringLiteral("the label sheet, by its exact name"));
        commandLine_.addOption({QStringLiteral("o"), QStringLiteral("output")},
                               QStringLiteral("OUT.pdf"),
                               QStringLiteral("write the PDF here (default: calibration.pdf)"));
        commandLine_.addOption({QStringLiteral("p"), QStringLiteral("printer")},
                               QStringLiteral("PRINTER"), QStringLiteral("send it to a printer"));
    }

    int run(const QStringList& args) {
        const BatchCommandLine::Parsed parsed = commandLine_.parse(args, io_);
        if (parsed != BatchCommandLine::Parsed::Run) {
            return BatchCommandLine::exitCodeOf(parsed);
        }
        if (const std::optional<QString> error = usageProblem()) {
            return commandLine_.usageError(*error, io_);
        }
        const QString name = commandLine_.value(QStringLiteral("disc-stock"));
        const std::optional<LabelStock> stock = stocks_.find(name);
        if (!stock) {
            return commandLine_.usageError(stocks_.unknownStockMessage(name), io_);
        }
        if (!stock->discLayout && !stock->sheet) {
            return commandLine_.usageError(
                QStringLiteral("\"%1\" has no labels to calibrate against; name a label sheet")
                    .arg(name),
                io_);
        }
        const PrinterAdjustment adjustment = SettingsStore().printerAdjustment();
        const DiscSheet sheet = MakeDiscSheet(
            *stock, MakeCoverLayout(*DiscLayoutIndex(*stock, CoverTypeStandardCD), adjustment));
        const CalibrationPage::Captions captions{
            stock->name,
            CalibrationPage::DescribeAdjustment(MakeCoverLayout(kTemplateSheetLayout, adjustment))};
        return isPrinting() ? printOnPrinter(sheet, captions) : writePdf(sheet, captions);
    }

private:
    std::optional<QString> usageProblem() const {
        if (!commandLine_.positionals().isEmpty()) {
            return QStringLiteral("calibrate takes no files; name the PDF with -o");
        }
        if (!commandLine_.isSet(QStringLiteral("disc-stock"))) {
            return QStringLiteral("name the label sheet with --disc-stock");
        }
        if (commandLine_.isSet(QStringLiteral("output")) && isPrinting()) {
            return QStringLiteral("-o and -p cannot be used together");
        }
        return std::nullopt;
    }

    bool isPrinting() const { return commandLine_.isSet(QStringLiteral("printer")); }

    int writePdf(const DiscSheet& sheet, const CalibrationPage::Captions& captions) {
        const QString path = commandLine_.isSet(QStringLiteral("output"))
                                 ? commandLine_.value(QStringLiteral("output"))
                                 : QStringLiteral("calibration.pdf");
        PdfSheetPrinter pdf(path);
        const CalibrationPage::Result result = CalibrationPage::Print(pdf, sheet, captions);
        if (!result.ok) {
            return commandLine_.failure(result.error, io_);
        }
        io_.out << "wrote " << QDir::toNativeSeparators(path) << " (1 page, " << sheet.paperName
                << ")\n";
        return kExitOk;
    }

    int printOnPrinter(const DiscSheet& sheet, const CalibrationPage::Captions& captions) {
        const QString name = commandLine_.value(QStringLiteral("printer"));
        if (QPrinterInfo::printerInfo(name).isNull()) {
            return commandLine_.failure(QStringLiteral("no printer named \"%1\"").arg(name), io_);
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(name);
        PrinterSheetPrinter device(printer, true);
        const CalibrationPage::Result result = CalibrationPage::Print(device, sheet, captions);
        if (!result.ok) {
            return commandLine_.failure(result.error, io_);
        }
        io_.out << "sent the calibration page to " << name << "\n";
        return kExitOk;
    }

    BatchIo io_;
    BatchCommandLine commandLine_;
    BatchStocks stocks_;
};

}  // namespace

int RunCalibrateCommand(const QStringList& args, BatchIo io) {
    return CalibrateCommand(io).run(args);
}

}  // namespace casewright
