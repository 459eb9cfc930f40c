#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

namespace casewright {

// What the print job asks of a device for one sheet.
struct SheetRequest {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // The sheet's own paper size; a printer the user set up in the system
    // print dialog keeps the paper chosen there.
    QPageSize paper{QPageSize::A4};
    QString documentName;
};

// A device that prints sheets, one document per sheet: a printer, a PDF file
// or, in tests, a recorder. The job calls, per sheet, beginDocument, draws
// with painter(), then endPage and either endDocument or, when the page
// failed, abortDocument; finish once at the end of the job.
class SheetPrinter {
public:
    virtual ~SheetPrinter() = default;

    // False when the device cannot be opened; errorText() says why.
    virtual bool beginDocument(const SheetRequest& request) = 0;
    virtual QPainter& painter() = 0;
    // Dots per inch, the same across and down.
    virtual int resolution() const = 0;
    // Where the printable area starts on the physical sheet, in device
    // pixels; the painter's origin is there.
    virtual QPoint printableOffset() const = 0;
    virtual QSize printableSize() const = 0;
    // False when the device refused the page.
    virtual bool endPage() = 0;
    virtual void abortDocument() = 0;
    virtual bool endDocument() = 0;
    // After the last sheet; false when the output could not be completed.
    virtual bool finish() = 0;
    virtual QString errorText() const = 0;
    // The orientation the user chose for the device.
    virtual QPageLayout::Orientation chosenOrientation() const = 0;
    // False for a device that writes a file: nobody has paper to change, so
    // the job does not ask for any.
    virtual bool usesPaper() const { return true; }
};

}  // namespace casewright
