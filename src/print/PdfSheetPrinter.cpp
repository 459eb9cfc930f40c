#include "print/PdfSheetPrinter.h"

#include <QDir>

#include "app/ProductInfo.h"

namespace casewright {

namespace {

QString WithReason(const QString& reason) {
    return reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason);
}

}  // namespace

PdfSheetPrinter::PdfSheetPrinter(const QString& filePath)
    : PagedSheetPrinter(true, true), filePath_(filePath), file_(filePath), writer_(file_.device()) {
    writer_.setResolution(kResolution);
    writer_.setCreator(ProductInfo::Name() + QLatin1Char(' ') + ProductInfo::Version());
    writer_.setTitle(ProductInfo::Name() + QStringLiteral(" Cover"));
    // Positions are measured from the paper's edge: the whole page is printable.
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
}

PdfSheetPrinter::~PdfSheetPrinter() {
    // A job that stopped early: the PDF writer must end its document while
    // the file still exists, and the file, never committed, discards it.
    abortDocument();
}

bool PdfSheetPrinter::prepareDocument(const SheetRequest&) {
    if (!opened_) {
        if (!file_.open()) {
            setError(openFailureText());
            return false;
        }
        opened_ = true;
    }
    return true;
}

bool PdfSheetPrinter::finish() {
    if (!PagedSheetPrinter::finish()) {
        file_.cancel();
        return false;
    }
    if (!opened_) {
        return true;  // no sheet was printed: an earlier file stays as it is
    }
    opened_ = false;
    if (!file_.commit()) {
        setError(writeFailureText());
        return false;
    }
    return true;
}

QString PdfSheetPrinter::openFailureText() const {
    return QStringLiteral(
               "The PDF file \"%1\" could not be created%2.  Please check that the "
               "folder exists and that you may write to it.")
        .arg(QDir::toNativeSeparators(filePath_), WithReason(file_.errorString()));
}

QString PdfSheetPrinter::writeFailureText() const {
    return QStringLiteral(
               "The PDF file \"%1\" could not be written completely%2.  Nothing was saved; an "
               "earlier file of that name is unchanged.")
        .arg(QDir::toNativeSeparators(filePath_), WithReason(file_.errorString()));
}

}  // namespace casewright
