#include "print/DiscSheet.h"

#include "print/PageLayouts.h"

namespace casewright {

namespace {

bool IsPlainPaper(const LabelStock& stock) {
    return !stock.discLayout && !stock.sheet;
}

PrintedLabel LayoutLabel(double left, double top, const CoverGeometry& layout) {
    const QRectF disc(left, top, layout.discWidth, layout.discHeight);
    return {disc, disc, layout.hubDiameter};
}

// The adjustments are all a template sheet's layout holds: a move of the
// top-left corner and a growth of the size.
QRectF Adjusted(const QRectF& r, const CoverGeometry& layout) {
    return QRectF(r.left() + layout.topLabelLeft, r.top() + layout.topLabelTop,
                  r.width() + layout.discWidth, r.height() + layout.discHeight);
}

}  // namespace

std::optional<int> DiscLayoutIndex(const LabelStock& stock, int coverType) {
    if (stock.sheet) {
        return kTemplateSheetLayout;
    }
    if (stock.discLayout) {
        return stock.discLayout;
    }
    const std::optional<LayoutIndex> caseLayout = LayoutForCoverType(coverType);
    return caseLayout ? std::optional<int>(*caseLayout) : std::nullopt;
}

QPageSize DiscPaper(const LabelStock& stock) {
    if (!stock.sheet) {
        return stock.letterSize ? QPageSize(QPageSize::Letter) : QPageSize(QPageSize::A4);
    }
    if (stock.sheet->paperName == QLatin1String("A4")) {
        return QPageSize(QPageSize::A4);
    }
    if (stock.sheet->paperName == QLatin1String("US Letter")) {
        return QPageSize(QPageSize::Letter);
    }
    return QPageSize(stock.sheet->paperSize, QPageSize::Inch, stock.sheet->paperName);
}

QString DiscPaperName(const LabelStock& stock) {
    if (stock.sheet) {
        return stock.sheet->paperName;
    }
    return stock.letterSize ? QStringLiteral("US Letter") : QStringLiteral("A4");
}

DiscSheet MakeDiscSheet(const LabelStock& stock, const CoverGeometry& layout) {
    DiscSheet sheet;
    sheet.paper = DiscPaper(stock);
    sheet.paperName = DiscPaperName(stock);
    if (stock.sheet) {
        for (const TemplateLabel& label : stock.sheet->labels) {
            sheet.labels.push_back(
                {Adjusted(label.disc(), layout), Adjusted(label.area, layout), label.hubDiameter});
        }
        return sheet;
    }
    sheet.labels.push_back(LayoutLabel(layout.topLabelLeft, layout.topLabelTop, layout));
    if (!IsPlainPaper(stock)) {
        sheet.labels.push_back(LayoutLabel(layout.bottomLabelLeft, layout.bottomLabelTop, layout));
    }
    return sheet;
}

}  // namespace casewright
