#pragma once

#include <QPainter>

#include "print/SheetPrinter.h"

class QPagedPaintDevice;

namespace casewright {

// A sheet device over one of Qt's paged devices (a PDF writer, a printer).
// A device that writes one file keeps a single document open and puts each
// sheet on a page of its own, so a second sheet never overwrites the first.
class PagedSheetPrinter : public SheetPrinter {
public:
    bool beginDocument(const SheetRequest& request) override;
    QPainter& painter() override { return painter_; }
    int resolution() const override;
    QPoint printableOffset() const override;
    QSize printableSize() const override;
    bool endPage() override;
    void abortDocument() override;
    bool endDocument() override;
    bool finish() override;
    QString errorText() const override { return error_; }

protected:
    // `sheetsInOneFile`: all sheets as pages of one document. `followSheetPaper`:
    // each sheet sets its own paper size instead of keeping the device's.
    PagedSheetPrinter(bool sheetsInOneFile, bool followSheetPaper);

    virtual QPagedPaintDevice& device() = 0;
    virtual const QPagedPaintDevice& device() const = 0;
    // Called before a document is started; false stops the job.
    virtual bool prepareDocument(const SheetRequest& request);
    virtual bool pageFailed() const { return false; }
    virtual void abortDevice() {}
    // What to tell the user when the device cannot be opened or written.
    virtual QString openFailureText() const = 0;
    virtual QString writeFailureText() const = 0;

    void setError(const QString& text) { error_ = text; }

private:
    void applyLayout(const SheetRequest& request);

    QPainter painter_;
    bool sheetsInOneFile_;
    bool followSheetPaper_;
    QString error_;
};

}  // namespace casewright
