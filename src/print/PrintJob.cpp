#include "print/PrintJob.h"

#include <QPainter>

#include "app/ProductInfo.h"
#include "document/CaseTypeTable.h"
#include "document/CoverDocument.h"
#include "print/DiscSheet.h"
#include "print/PageLayouts.h"
#include "print/PaperPrompt.h"
#include "print/PrinterPixels.h"
#include "print/SheetPrinter.h"
#include "render/DevicePixels.h"
#include "render/PreviewParamsBuilder.h"

namespace casewright {

namespace {

bool IsUnset(const CoverGeometry& g) {
    return g.frontWidth == 0 && g.backWidth == 0 && g.discWidth == 0;
}

}  // namespace

PrintJob::PrintJob(const CoverDocument& doc, const PrintPlan& plan, int fontDpi)
    : doc_(doc), plan_(plan), fontDpi_(fontDpi), makePainter_(MakeCoverPainter) {}

void PrintJob::setPainterFactory(PainterFactory factory) {
    makePainter_ = std::move(factory);
}

PrintJobResult PrintJob::run(SheetPrinter& device, PaperPrompt& prompt) {
    PrintJobResult result;
    bool coversDone = !plan_.printCover;
    bool discDone = !plan_.printDisc;
    if (coversDone && discDone) {
        return result;
    }
    // Without a layout no sheet of this design could ever be printed.
    if (!plan_.coverLayout || !plan_.discLayout) {
        result.ok = false;
        result.error = QStringLiteral(
                           "This design's case type (%1) has no page layout, so it cannot be "
                           "printed.")
                           .arg(plan_.coverType);
        return result;
    }
    ensureDesignGeometry();

    while (!coversDone || !discDone) {
        const Sheet sheet = coversDone ? Sheet::Disc : Sheet::Covers;
        bool& done = sheet == Sheet::Covers ? coversDone : discDone;
        if (plan_.needsPaperPrompts() && device.usesPaper() &&
            prompt.askForPaper(promptText(sheet)) == PaperPrompt::Answer::Skip) {
            done = true;
            ++result.sheetsSkipped;
            continue;
        }
        if (!printSheet(sheet, device, result)) {
            result.ok = false;
            result.error = device.errorText();
            return result;
        }
        done = true;
    }
    if (!device.finish()) {
        result.ok = false;
        result.error = device.errorText();
    }
    return result;
}

QString PrintJob::promptText(Sheet sheet) const {
    return sheet == Sheet::Covers ? PaperPrompt::CoversText(plan_.coverStockName)
                                  : PaperPrompt::DiscText(plan_.discStockName);
}

SheetRequest PrintJob::requestFor(Sheet sheet, const SheetPrinter& device) const {
    SheetRequest request;
    request.documentName = ProductInfo::Name() + QStringLiteral(" Cover");
    const CaseTypeInfo* caseType = FindCaseType(plan_.coverType);
    if (sheet == Sheet::Covers && caseType && caseType->landscapeCovers) {
        request.orientation = QPageLayout::Landscape;
    } else {
        request.orientation = device.chosenOrientation();
    }
    if (sheet == Sheet::Disc) {
        request.paper = plan_.discPaper;
    }
    return request;
}

// False only when the device could not be opened or finished; a page the
// device refuses aborts that document and the job goes on.
bool PrintJob::printSheet(Sheet sheet, SheetPrinter& device, PrintJobResult& result) {
    if (!device.beginDocument(requestFor(sheet, device))) {
        return false;
    }
    if (sheet == Sheet::Covers) {
        drawCoversSheet(device);
    } else {
        drawDiscSheet(device);
    }
    if (!device.endPage()) {
        device.abortDocument();
        ++result.sheetsAborted;
        return true;
    }
    if (!device.endDocument()) {
        return false;
    }
    ++result.sheetsPrinted;
    return true;
}

void PrintJob::drawCoversSheet(SheetPrinter& device) {
    const CoverGeometry layout = MakeCoverLayout(*plan_.coverLayout, plan_.adjustment);
    const int dpi = device.resolution();
    const QPoint offset = device.printableOffset();
    const QRect back = SheetRect(layout.backLeft, layout.backTop, layout.backWidth,
                                 layout.backHeight, dpi, offset);
    const std::optional<SurfaceKind> backKind = SurfaceFor(plan_.coverType, CoverSide::Back);
    if (backKind == SurfaceKind::StandardBack) {
        const QRect front = SheetRect(layout.frontLeft, layout.frontTop, layout.frontWidth,
                                      layout.frontHeight, dpi, offset);
        drawSurface(device, SurfaceKind::StandardFront, front);
    }
    if (backKind) {
        drawSurface(device, *backKind, back);
    }
}

// The design goes on every chosen label of the sheet, each label clipped to
// its own area (a disc cut to a card's shape), with the sheet's hole.
void PrintJob::drawDiscSheet(SheetPrinter& device) {
    const DiscSheet sheet =
        MakeDiscSheet(plan_.discStock, MakeCoverLayout(*plan_.discLayout, plan_.adjustment));
    const int dpi = device.resolution();
    const QPoint offset = device.printableOffset();
    const auto pixels = [dpi, offset](const QRectF& r) {
        return SheetRect(r.left(), r.top(), r.width(), r.height(), dpi, offset);
    };
    for (const int index : plan_.discLabels.indexesOn(static_cast<int>(sheet.labels.size()))) {
        const PrintedLabel& label = sheet.labels[static_cast<size_t>(index)];
        drawSurface(device, SurfaceKind::Disc, pixels(label.disc), label.hubDiameter,
                    pixels(label.area));
    }
}

void PrintJob::drawSurface(SheetPrinter& device, SurfaceKind kind, const QRect& target,
                           double hubDiameter, const QRect& clip) {
    const int dpi = device.resolution();
    std::unique_ptr<CoverPainter> painter = makePainter_(kind);
    painter->params = BuildPreviewParams(doc_, kind, dpi);
    painter->params.xScale = 1.0;
    painter->params.yScale = 1.0;
    if (kind == SurfaceKind::Disc) {
        // The hole of the sheet in use, which differs between label makers.
        painter->params.hubDiameterPx = InchesToPixels(hubDiameter, dpi);
    }
    QPainter& p = device.painter();
    p.save();
    if (!clip.isNull()) {
        p.setClipRect(clip);
    }
    painter->PrintInto(p, target, fontDpi_);
    p.restore();
}

// A design read straight from a file, without the designer window, has no
// sizes yet; the designer gives it its case type's layout when it opens. Only
// the job's own copy gets them.
void PrintJob::ensureDesignGeometry() {
    if (IsUnset(doc_.geometry)) {
        doc_.geometry = MakeCoverLayout(*plan_.coverLayout, plan_.adjustment);
    }
}

}  // namespace casewright
