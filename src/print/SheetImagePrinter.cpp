#include "print/SheetImagePrinter.h"

namespace casewright {

bool SheetImagePrinter::beginDocument(const SheetRequest& request) {
    QSize paper = QPageSize(request.paper).sizePixels(dpi_);
    if (request.orientation == QPageLayout::Landscape) {
        paper.transpose();
    }
    current_ = QImage(paper, QImage::Format_RGB32);
    if (current_.isNull()) {
        error_ =
            QStringLiteral("There is not enough memory to show the sheet at %1 dpi.").arg(dpi_);
        return false;
    }
    current_.fill(Qt::white);
    const int dotsPerMetre = qRound(dpi_ / 0.0254);
    current_.setDotsPerMeterX(dotsPerMetre);
    current_.setDotsPerMeterY(dotsPerMetre);
    if (!painter_.begin(&current_)) {
        return false;
    }
    painter_.translate(offset_);
    return true;
}

QSize SheetImagePrinter::printableSize() const {
    return current_.size() - QSize(2 * offset_.x(), 2 * offset_.y());
}

bool SheetImagePrinter::endPage() {
    painter_.end();
    pages_.push_back(current_);
    current_ = QImage();
    return true;
}

void SheetImagePrinter::abortDocument() {
    if (!pages_.empty()) {
        pages_.pop_back();
    }
}

}  // namespace casewright
