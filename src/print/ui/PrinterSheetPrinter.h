#pragma once

#include <QDir>
#include <QPrinter>

#include "print/PagedSheetPrinter.h"

namespace casewright {

// A printer chosen in the system print dialog or by name. Each sheet is a
// print document of its own; a printer that writes to a file (print to PDF)
// keeps one document so that both sheets end up as pages of that file.
// Kept in a header so that the command-line tool can use it without the
// widget library.
class PrinterSheetPrinter : public PagedSheetPrinter {
public:
    // `followSheetPaper`: set each sheet's own paper size, for printers that
    // no print dialog has set up; otherwise the paper chosen there stays.
    explicit PrinterSheetPrinter(QPrinter& printer, bool followSheetPaper = false)
        : PagedSheetPrinter(!printer.outputFileName().isEmpty(), followSheetPaper),
          printer_(printer),
          orientation_(printer.pageLayout().orientation()) {}

    QPageLayout::Orientation chosenOrientation() const override { return orientation_; }
    bool usesPaper() const override { return printer_.outputFileName().isEmpty(); }

protected:
    QPagedPaintDevice& device() override { return printer_; }
    const QPagedPaintDevice& device() const override { return printer_; }

    bool prepareDocument(const SheetRequest& request) override {
        if (!printer_.isValid()) {
            setError(openFailureText());
            return false;
        }
        if (!painter().isActive()) {  // a file's one document keeps its first name
            printer_.setDocName(request.documentName);
        }
        return true;
    }
    bool pageFailed() const override { return printer_.printerState() == QPrinter::Error; }
    void abortDevice() override { printer_.abort(); }

    QString openFailureText() const override {
        if (!printer_.outputFileName().isEmpty()) {
            return QStringLiteral(
                       "The file \"%1\" could not be written.  Please check that the "
                       "folder exists and that you may write to it.")
                .arg(QDir::toNativeSeparators(printer_.outputFileName()));
        }
        return QStringLiteral(
                   "The printer \"%1\" could not be opened.  Please check that it is "
                   "installed, connected and switched on, then try again.")
            .arg(printer_.printerName());
    }
    QString writeFailureText() const override {
        if (!printer_.outputFileName().isEmpty()) {
            return QStringLiteral("The file \"%1\" could not be written completely.")
                .arg(QDir::toNativeSeparators(printer_.outputFileName()));
        }
        return QStringLiteral("The printer \"%1\" did not accept the cover.")
            .arg(printer_.printerName());
    }

private:
    QPrinter& printer_;
    QPageLayout::Orientation orientation_;
};

}  // namespace casewright
