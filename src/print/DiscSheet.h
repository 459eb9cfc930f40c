#pragma once

#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "print/CoverGeometry.h"
#include "print/LabelStock.h"

namespace casewright {

// One disc label as it is printed, in inches from the top-left corner of
// the paper, with the printer adjustments applied.
struct PrintedLabel {
    QRectF disc;  // the round label is drawn inside this rectangle
    QRectF area;  // and nothing of it outside this one
    double hubDiameter = 0;

    QPointF centre() const { return disc.center(); }
};

// The sheet a disc is printed on: its paper and every label position on it,
// numbered from 1 in this order.
struct DiscSheet {
    QPageSize paper;
    QString paperName;
    std::vector<PrintedLabel> labels;
};

// A sheet of the template database has no fixed layout of its own: the
// layout function gives this index all zeros plus the printer adjustments,
// which then move and grow each of the sheet's labels.
constexpr int kTemplateSheetLayout = -1;

// The layout a stock's disc sheet is made from: the stock's own, the case
// type's for plain paper (none for a case type without a layout), or
// kTemplateSheetLayout.
std::optional<int> DiscLayoutIndex(const LabelStock& stock, int coverType);

// The disc sheet of a stock, from the layout the layout function made for
// DiscLayoutIndex: plain paper has one disc position, a built-in label
// sheet its top and bottom labels, a template sheet the labels it lists.
DiscSheet MakeDiscSheet(const LabelStock& stock, const CoverGeometry& layout);

// The paper of a stock's disc sheet and how it is called.
QPageSize DiscPaper(const LabelStock& stock);
QString DiscPaperName(const LabelStock& stock);

}  // namespace casewright
