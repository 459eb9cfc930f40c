#include "print/ui/PrintFlow.h"

#include <QDialog>
#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>

#include "controls/Prompter.h"
#include "document/CoverDocument.h"
#include "print/AlwaysPrintPrompt.h"
#include "print/PdfSheetPrinter.h"
#include "print/PrintJob.h"
#include "print/PrintPlan.h"
#include "print/SheetImagePrinter.h"
#include "print/ui/CPrintDlg.h"
#include "print/ui/CPrintPreviewDlg.h"
#include "print/ui/InsertPaperPrompt.h"
#include "print/ui/InstalledStocks.h"
#include "print/ui/PrinterSheetPrinter.h"
#include "render/ImageResolution.h"

namespace casewright {

namespace {

QPointF DefaultPrinterMargins() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return QPointF();
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    return QPointF(paint.topLeft()) / printer.resolution();
}

}  // namespace

PrintFlow::PrintFlow(QWidget* parent, const CoverDocument& doc)
    : hasDefaultPrinter([] { return !QPrinterInfo::defaultPrinter().isNull(); }),
      makePrinterDevice(
          [](QPrinter& printer) { return std::make_unique<PrinterSheetPrinter>(printer); }),
      makePdfDevice([](const QString& path) { return std::make_unique<PdfSheetPrinter>(path); }),
      printerMargins(DefaultPrinterMargins),
      parent_(parent),
      doc_(doc) {}

QString PrintFlow::NoDefaultPrinterText() {
    return CPrintDlg::NoPrinterText();
}

bool PrintFlow::run() {
    CPrintDlg dialog(parent_, doc_.covertype, catalog());
    dialog.setWarnings(
        LowResolutionWarnings(doc_, PrintedSurfaces(doc_.covertype), DrawnPictureSize));
    if (!suggestedPdfPath.isEmpty()) {
        dialog.setSuggestedPdfPath(suggestedPdfPath);
    }
    dialog.hasDefaultPrinter = hasDefaultPrinter;
    dialog.setPreviewer(
        [this, &dialog](const PrintChoices& choices) { return preview(&dialog, choices); });
    dialog.exec();
    switch (dialog.outcome()) {
        case CPrintDlg::Outcome::Print:
            return printOnPrinter(dialog.discLabels());
        case CPrintDlg::Outcome::SaveAsPdf:
            return printToPdf(dialog.pdfPath(), dialog.discLabels());
        case CPrintDlg::Outcome::SaveAsPng:
            return saveAsPng(dialog.pngFiles(), dialog.pngDpi());
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

bool PrintFlow::saveAsPng(const std::vector<SurfaceFile>& files, int dpi) {
    const PrinterAdjustment adjustment = PrintChoices::FromSettings(doc_.covertype).adjustment;
    for (const SurfaceFile& file : files) {
        const QImage image = RenderCoverSide(doc_, file.side, adjustment, dpi, fontDpi);
        const QString problem =
            image.isNull() ? QStringLiteral("The picture is too large to draw at %1 dpi.").arg(dpi)
                           : WritePngFile(image, file.path);
        if (!problem.isEmpty()) {
            warn(QStringLiteral("The picture \"%1\" could not be saved.  %2")
                     .arg(QDir::toNativeSeparators(file.path), problem),
                 QStringLiteral("Save as PNG"));
            return false;
        }
    }
    return !files.empty();
}

// The job of Print on a copy of the design, so that looking changes nothing.
std::vector<QImage> PrintFlow::previewPages(const PrintChoices& choices) {
    CoverDocument copy = doc_;
    PrintJob job(copy, PrintPlan::Make(copy.covertype, choices, catalog()), fontDpi);
    const QPointF margins = printerMargins ? printerMargins() : QPointF();
    SheetImagePrinter device(previewDpi, (margins * previewDpi).toPoint());
    AlwaysPrintPrompt noPaperChange;
    const PrintJobResult result = job.run(device, noPaperChange);
    if (!result.ok) {
        warn(result.error, QStringLiteral("Print Preview"));
    }
    return device.pages();
}

bool PrintFlow::preview(QWidget* parent, const PrintChoices& choices) {
    std::vector<QImage> pages = previewPages(choices);
    if (pages.empty()) {
        return false;
    }
    CPrintPreviewDlg window(parent, std::move(pages));
    return window.exec() == QDialog::Accepted;
}

void PrintFlow::warn(const QString& text, const QString& caption) {
    Prompter::instance().message(parent_, text, caption, Prompter::Buttons::Ok,
                                 Prompter::Icon::Warning);
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
        warn(result.error, QStringLiteral("Print"));
    }
}

bool RunPrintFlow(QWidget* parent, const CoverDocument& doc, const QString& suggestedPdfPath) {
    PrintFlow flow(parent, doc);
    flow.suggestedPdfPath = suggestedPdfPath;
    return flow.run();
}

}  // namespace casewright
