#include "print/PdfSheetPrinter.h"

#include <QDir>

#include "app/ProductInfo.h"

namespace casewright {

PdfSheetPrinter::PdfSheetPrinter(const QString& filePath)
    : PagedSheetPrinter(true, true), filePath_(filePath), writer_(filePath) {
    writer_.setResolution(kResolution);
    writer_.setCreator(ProductInfo::Name() + QLatin1Char(' ') + ProductInfo::Version());
    writer_.setTitle(ProductInfo::Name() + QStringLiteral(" Cover"));
    // Positions are measured from the paper's edge: the whole page is printable.
    writer_.setPageMargins(QMarginsF(0, 0, 0, 0));
}

QString PdfSheetPrinter::openFailureText() const {
    return QStringLiteral(
               "The PDF file \"%1\" could not be created.  Please check that the "
               "folder exists and that you may write to it.")
        .arg(QDir::toNativeSeparators(filePath_));
}

QString PdfSheetPrinter::writeFailureText() const {
    return QStringLiteral("The PDF file \"%1\" could not be written completely.")
        .arg(QDir::toNativeSeparators(filePath_));
}

}  // namespace casewright
