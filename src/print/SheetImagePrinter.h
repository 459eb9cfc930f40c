#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "print/SheetPrinter.h"

namespace casewright {

// Prints each sheet of a job into a white image of the whole sheet, paper
// size and orientation as the job asks, at one resolution: the pages of a
// print preview. `printableOffset` (device pixels) is the unprintable border
// of the printer to show, which moves surfaces placed in it just as that
// printer does. Like a file it needs no paper, so the job asks for none.
class SheetImagePrinter : public SheetPrinter {
public:
    explicit SheetImagePrinter(int dpi, QPoint printableOffset = QPoint())
        : dpi_(dpi), offset_(printableOffset) {}

    bool beginDocument(const SheetRequest& request) override;
    QPainter& painter() override { return painter_; }
    int resolution() const override { return dpi_; }
    QPoint printableOffset() const override { return offset_; }
    QSize printableSize() const override;
    bool endPage() override;
    void abortDocument() override;
    bool endDocument() override { return true; }
    bool finish() override { return true; }
    QString errorText() const override { return error_; }
    QPageLayout::Orientation chosenOrientation() const override { return QPageLayout::Portrait; }
    bool usesPaper() const override { return false; }

    // The sheets printed so far, in order.
    const std::vector<QImage>& pages() const { return pages_; }

private:
    int dpi_;
    QPoint offset_;
    QPainter painter_;
    QImage current_;
    std::vector<QImage> pages_;
    QString error_;
};

}  // namespace casewright
