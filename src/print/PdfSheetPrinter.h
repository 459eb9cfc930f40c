#pragma once

#include <QPdfWriter>

#include "document/AtomicFileWriter.h"
#include "print/PagedSheetPrinter.h"

namespace casewright {

// Writes the sheets of a job as the pages of one PDF file, each page the
// sheet's own paper at true size, so that a PDF printed at actual size lands
// on the labels. The file is saved like a cover: it replaces an earlier one
// only once it is completely on the disk, and a job that fails or stops
// before finish() leaves no file behind and the earlier one as it was.
class PdfSheetPrinter : public PagedSheetPrinter {
public:
    static constexpr int kResolution = 600;

    explicit PdfSheetPrinter(const QString& filePath);
    ~PdfSheetPrinter() override;

    bool finish() override;
    QPageLayout::Orientation chosenOrientation() const override { return QPageLayout::Portrait; }
    bool usesPaper() const override { return false; }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    const QPagedPaintDevice& device() const override { return writer_; }
    bool prepareDocument(const SheetRequest& request) override;
    QString openFailureText() const override;
    QString writeFailureText() const override;

private:
    QString filePath_;
    // Declared before the PDF writer, which writes into it and must go first.
    AtomicFileWriter file_;
    QPdfWriter writer_;
    bool opened_ = false;
};

}  // namespace casewright
