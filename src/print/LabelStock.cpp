#include "print/LabelStock.h"

#include "print/PageLayouts.h"

namespace casewright {

namespace LabelStocks {

namespace {

LabelStock BuiltIn(const QString& name, std::optional<int> layout, bool letterSize) {
    LabelStock stock;
    stock.name = name;
    stock.discLayout = layout;
    stock.letterSize = letterSize;
    return stock;
}

LabelStock Avery(const char* number) {
    return BuiltIn(QStringLiteral("Avery %1 CD/DVD Labels (Letter)").arg(QLatin1String(number)),
                   LayoutAvery, true);
}

std::vector<LabelStock> MakeStocks() {
    std::vector<LabelStock> stocks;
    stocks.push_back(BuiltIn(PlainPaper(), std::nullopt, false));
    for (const char* number : {"5692", "5694", "5695", "5931", "6692", "8691", "8692", "8694",
                               "8695", "8699", "8944", "8960", "8931"}) {
        stocks.push_back(Avery(number));
    }
    stocks.push_back(BuiltIn(QStringLiteral("Neato CD/DVD Labels (A4)"), LayoutNeato, false));
    stocks.push_back(BuiltIn(QStringLiteral("PC Line CD/DVD Labels (A4)"), LayoutPCLine, false));
    stocks.push_back(BuiltIn(QStringLiteral("PressIT CD/DVD Labels (A4)"), LayoutPressIT, false));
    return stocks;
}

}  // namespace

QString PlainPaper() {
    return QStringLiteral("Plain Paper");
}

const std::vector<LabelStock>& All() {
    static const std::vector<LabelStock> stocks = MakeStocks();
    return stocks;
}

QStringList DiscStockNames() {
    QStringList names;
    for (const LabelStock& stock : All()) {
        names << stock.name;
    }
    return names;
}

QStringList CoverStockNames() {
    return {PlainPaper()};
}

std::optional<LabelStock> Find(const QString& name) {
    for (const LabelStock& stock : All()) {
        if (stock.name == name) {
            return stock;
        }
    }
    return std::nullopt;
}

}  // namespace LabelStocks

}  // namespace casewright
