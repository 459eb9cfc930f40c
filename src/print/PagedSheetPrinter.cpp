#include "print/PagedSheetPrinter.h"

#include <QPagedPaintDevice>

namespace casewright {

PagedSheetPrinter::PagedSheetPrinter(bool sheetsInOneFile, bool followSheetPaper)
    : sheetsInOneFile_(sheetsInOneFile), followSheetPaper_(followSheetPaper) {}

bool PagedSheetPrinter::prepareDocument(const SheetRequest&) {
    return true;
}

bool PagedSheetPrinter::beginDocument(const SheetRequest& request) {
    if (!prepareDocument(request)) {
        return false;
    }
    applyLayout(request);
    if (painter_.isActive()) {
        // Only a one-file device keeps its document open between sheets.
        if (!device().newPage()) {
            setError(writeFailureText());
            return false;
        }
        return true;
    }
    if (!painter_.begin(&device())) {
        setError(openFailureText());
        return false;
    }
    return true;
}

void PagedSheetPrinter::applyLayout(const SheetRequest& request) {
    QPagedPaintDevice& d = device();
    if (followSheetPaper_) {
        d.setPageSize(request.paper);
    }
    d.setPageOrientation(request.orientation);
}

int PagedSheetPrinter::resolution() const {
    return device().logicalDpiX();
}

QPoint PagedSheetPrinter::printableOffset() const {
    return device().pageLayout().paintRectPixels(resolution()).topLeft();
}

QSize PagedSheetPrinter::printableSize() const {
    return device().pageLayout().paintRectPixels(resolution()).size();
}

bool PagedSheetPrinter::endPage() {
    return !pageFailed();
}

void PagedSheetPrinter::abortDocument() {
    abortDevice();
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PagedSheetPrinter::endDocument() {
    if (sheetsInOneFile_) {
        return true;
    }
    return finish();
}

bool PagedSheetPrinter::finish() {
    if (painter_.isActive() && !painter_.end()) {
        setError(writeFailureText());
        return false;
    }
    return true;
}

}  // namespace casewright
