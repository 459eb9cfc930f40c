#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "document/LogFont.h"
#include "print/LabelSelection.h"
#include "print/PrintChoices.h"
#include "print/SurfaceExport.h"

class QPrinter;
class QWidget;

namespace casewright {

class CoverDocument;
class PaperPrompt;
class SheetPrinter;
class StockCatalog;

// The designer's Print command: the Print dialog, then the print job on a
// printer the user picks in the system print dialog, into a PDF file the
// user names, or pictures of the surfaces; from the dialog, a preview of the
// job's sheets. The hooks let tests run it without printers.
class PrintFlow {
public:
    PrintFlow(QWidget* parent, const CoverDocument& doc);

    // True when a job ran (past the system print dialog or the PDF file
    // dialog): the surfaces were drawn at printer scale, so the designer must
    // run its preview refresh.
    bool run();

    // The job after the Print dialog, with the choices it stored.
    bool printOnPrinter(const LabelSelection& discLabels);
    bool printToPdf(const QString& path, const LabelSelection& discLabels);
    // Each file as `casewright-batch render` writes it, with the stored
    // printer adjustment; a file that cannot be written is reported.
    bool saveAsPng(const std::vector<SurfaceFile>& files, int dpi);
    // The sheets the job prints for `choices`, each a whole sheet at
    // `previewDpi`, without asking for paper and without changing the design.
    std::vector<QImage> previewPages(const PrintChoices& choices);
    // The preview window over `parent`; true when the user chose Print there.
    bool preview(QWidget* parent, const PrintChoices& choices);

    static QString NoDefaultPrinterText();

    std::function<bool()> hasDefaultPrinter;
    std::function<std::unique_ptr<SheetPrinter>(QPrinter&)> makePrinterDevice;
    std::function<std::unique_ptr<SheetPrinter>(const QString&)> makePdfDevice;
    PaperPrompt* paperPrompt = nullptr;    // nullptr: the Insert Paper dialog
    const StockCatalog* stocks = nullptr;  // nullptr: the stocks installed here
    // The resolution the design's font heights are pixels at: the same on
    // every desktop, so a cover prints its texts at one size everywhere.
    int fontDpi = LogFont::kHeightDpi;
    QString suggestedPdfPath;
    int previewDpi = 120;
    // Where the printable area of the printer the system print dialog
    // offers first begins, in inches from the sheet's corner: the preview
    // moves what lies in the unprintable border as that printer will.
    std::function<QPointF()> printerMargins;

private:
    PrintChoices choices(const LabelSelection& discLabels) const;
    const StockCatalog& catalog() const;
    void runJob(SheetPrinter& device, const LabelSelection& discLabels);
    void warn(const QString& text, const QString& caption);

    QWidget* parent_;
    const CoverDocument& doc_;
};

// Entry for the designer window's Print command. Returns true when the
// preview refresh must run afterwards (the caller does it): the job drew the
// surfaces at printer scale and wrote the alignments the surfaces always
// print with into `doc`. `suggestedPdfPath` is where Save as PDF proposes to
// write (for example the cover file's name with ".pdf"); empty for
// "Cover.pdf" in the documents folder.
bool RunPrintFlow(QWidget* parent, const CoverDocument& doc,
                  const QString& suggestedPdfPath = QString());

}  // namespace casewright
