#include "print/ui/PrintFlow.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "controls/Prompter.h"
#include "document/CoverDocument.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintPlan.h"
#include "print/ui/CPrintDlg.h"
#include "print/ui/InsertPaperPrompt.h"
#include "print/ui/InstalledStocks.h"
#include "print/ui/PrinterSheetPrinter.h"
#include "render/ImageResolution.h"

namespace casewright {

PrintFlow::PrintFlow(QWidget* parent, CoverDocument& doc)
    : hasDefaultPrinter([] { return !QPrinterInfo::defaultPrinter().isNull(); }),
      makePrinterDevice(
          [](QPrinter& printer) { return std::make_unique<PrinterSheetPrinter>(printer); }),
      makePdfDevice([](const QString& path) { return std::make_unique<PdfSheetPrinter>(path); }),
      parent_(parent),
      doc_(doc) {}

QString PrintFlow::NoDefaultPrinterText() {
    return QStringLiteral(
        "You do not have a default printer, or no printer is installed.  Please choose a default "
        "printer in the Windows Control Panel before printing.");
}

bool PrintFlow::run() {
    CPrintDlg dialog(parent_, doc_.covertype, catalog());
    dialog.setWarnings(
        LowResolutionWarnings(doc_, PrintedSurfaces(doc_.covertype), DrawnPictureSize));
    if (!suggestedPdfPath.isEmpty()) {
        dialog.setSuggestedPdfPath(suggestedPdfPath);
    }
    dialog.exec();
    switch (dialog.outcome()) {
        case CPrintDlg::Outcome::Print:
            return printOnPrinter(dialog.discLabels());
        case CPrintDlg::Outcome::SaveAsPdf:
            return printToPdf(dialog.pdfPath(), dialog.discLabels());
        case CPrintDlg::Outcome::Cancelled:
            break;
    }
    return false;
}

bool PrintFlow::printOnPrinter(const LabelSelection& discLabels) {
    Prompter& prompter = Prompter::instance();
    if (!hasDefaultPrinter()) {
        prompter.message(parent_, NoDefaultPrinterText(), QStringLiteral("Default Printer"),
                         Prompter::Buttons::Ok, Prompter::Icon::Information);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!prompter.choosePrinter(parent_, printer)) {
        return false;
    }
    const std::unique_ptr<SheetPrinter> device = makePrinterDevice(printer);
    runJob(*device, discLabels);
    return true;
}

bool PrintFlow::printToPdf(const QString& path, const LabelSelection& discLabels) {
    const std::unique_ptr<SheetPrinter> device = makePdfDevice(path);
    runJob(*device, discLabels);
    return true;
}

PrintChoices PrintFlow::choices(const LabelSelection& discLabels) const {
    PrintChoices c = PrintChoices::FromSettings(doc_.covertype);
    c.discLabels = discLabels;
    return c;
}

const StockCatalog& PrintFlow::catalog() const {
    return stocks ? *stocks : InstalledStocks::Catalog();
}

void PrintFlow::runJob(SheetPrinter& device, const LabelSelection& discLabels) {
    InsertPaperPrompt dialogPrompt(parent_);
    PaperPrompt& prompt = paperPrompt ? *paperPrompt : dialogPrompt;
    PrintJob job(doc_, PrintPlan::Make(doc_.covertype, choices(discLabels), catalog()), fontDpi);
    const PrintJobResult result = job.run(device, prompt);
    if (!result.ok) {
        Prompter::instance().message(parent_, result.error, QStringLiteral("Print"),
                                     Prompter::Buttons::Ok, Prompter::Icon::Warning);
    }
}

bool RunPrintFlow(QWidget* parent, CoverDocument& doc, const QString& suggestedPdfPath) {
    PrintFlow flow(parent, doc);
    flow.suggestedPdfPath = suggestedPdfPath;
    return flow.run();
}

}  // namespace casewright
