#pragma once

#include <QRect>
#include <QString>
#include <functional>
#include <memory>

#include "document/CoverDocument.h"
#include "print/CoverGeometry.h"
#include "print/PrintPlan.h"
#include "render/CoverPainter.h"
#include "render/SurfaceKind.h"

namespace casewright {

class PaperPrompt;
class SheetPrinter;
struct SheetRequest;

struct PrintJobResult {
    bool ok = true;  // false: the job was stopped by `error`
    QString error;
    int sheetsPrinted = 0;
    int sheetsSkipped = 0;
    int sheetsAborted = 0;  // the device refused to end the page
};

// Prints a design at true size: at most two sheets, covers first, each a
// document of its own, the disc on every chosen label of its sheet, with a paper prompt before each
// sheet when label stock is involved and the device puts the sheets on paper. Every surface is
// drawn by the painter that draws its preview, at the device's resolution with scales of 1.0.
class PrintJob {
public:
    using PainterFactory = std::function<std::unique_ptr<CoverPainter>(SurfaceKind)>;

    // `fontDpi` is the resolution the design's font heights are pixels at
    // (LogFont::kHeightDpi unless a file made elsewhere says otherwise). The
    // job prints a copy of the design and never changes the caller's.
    PrintJob(const CoverDocument& doc, const PrintPlan& plan, int fontDpi);

    void setPainterFactory(PainterFactory factory);

    PrintJobResult run(SheetPrinter& device, PaperPrompt& prompt);

private:
    enum class Sheet { Covers, Disc };

    QString promptText(Sheet sheet) const;
    SheetRequest requestFor(Sheet sheet, const SheetPrinter& device) const;
    bool printSheet(Sheet sheet, SheetPrinter& device, PrintJobResult& result);
    void drawCoversSheet(SheetPrinter& device);
    void drawDiscSheet(SheetPrinter& device);
    // `hubDiameter` (inches) and `clip` only matter for the disc.
    void drawSurface(SheetPrinter& device, SurfaceKind kind, const QRect& target,
                     double hubDiameter = 0, const QRect& clip = QRect());
    void ensureDesignGeometry();

    CoverDocument doc_;
    PrintPlan plan_;
    int fontDpi_;
    PainterFactory makePainter_;
};

}  // namespace casewright
