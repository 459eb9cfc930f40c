#pragma once

#include <QPdfWriter>

#include "print/PagedSheetPrinter.h"

namespace casewright {

// Writes the sheets of a job as the pages of one PDF file, each page the
// sheet's own paper at true size, so that a PDF printed at actual size lands
// on the labels.
class PdfSheetPrinter : public PagedSheetPrinter {
public:
    static constexpr int kResolution = 600;

    explicit PdfSheetPrinter(const QString& filePath);

    QPageLayout::Orientation chosenOrientation() const override { return QPageLayout::Portrait; }

protected:
    QPagedPaintDevice& device() override { return writer_; }
    const QPagedPaintDevice& device() const override { return writer_; }
    QString openFailureText() const override;
    QString writeFailureText() const override;

private:
    QString filePath_;
    QPdfWriter writer_;
};

}  // namespace casewright
