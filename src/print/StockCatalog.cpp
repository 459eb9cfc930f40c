#include "print/StockCatalog.h"

#include <QSet>
#include <algorithm>

#include "print/SheetTemplateReader.h"

namespace casewright {

namespace {

// Compares as a person reads: case aside, and runs of digits by their
// value, so that "M-200" comes before "M-1000", in any locale.
int NaturalCompare(const QString& a, const QString& b) {
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            int endA = i;
            int endB = j;
            while (endA < a.size() && a[endA].isDigit()) {
                ++endA;
            }
            while (endB < b.size() && b[endB].isDigit()) {
                ++endB;
            }
            // Leading zeros add nothing to a number's value.
            while (i + 1 < endA && a[i] == QLatin1Char('0')) {
                ++i;
            }
            while (j + 1 < endB && b[j] == QLatin1Char('0')) {
                ++j;
            }
            const QStringView digitsA = QStringView(a).mid(i, endA - i);
            const QStringView digitsB = QStringView(b).mid(j, endB - j);
            if (digitsA.size() != digitsB.size()) {
                return digitsA.size() < digitsB.size() ? -1 : 1;
            }
            if (const int c = digitsA.compare(digitsB)) {
                return c;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (const int c =
                QStringView(a).mid(i, 1).compare(QStringView(b).mid(j, 1), Qt::CaseInsensitive)) {
            return c;
        }
        ++i;
        ++j;
    }
    return (a.size() - i) - (b.size() - j);
}

// By brand, then part number.
std::vector<SheetTemplate> InCatalogOrder(std::vector<SheetTemplate> sheets) {
    std::stable_sort(sheets.begin(), sheets.end(),
                     [](const SheetTemplate& a, const SheetTemplate& b) {
                         if (const int brand = NaturalCompare(a.brand, b.brand)) {
                             return brand < 0;
                         }
                         return NaturalCompare(a.part, b.part) < 0;
                     });
    return sheets;
}

}  // namespace

StockCatalog::StockCatalog() : stocks_(LabelStocks::All()) {}

StockCatalog::StockCatalog(const std::vector<SheetTemplate>& sheets) : StockCatalog() {
    QSet<QString> names;
    for (const LabelStock& stock : stocks_) {
        names.insert(stock.name);
    }
    for (const SheetTemplate& sheet : InCatalogOrder(sheets)) {
        LabelStock stock;
        stock.name = sheet.stockName();
        if (names.contains(stock.name)) {
            continue;
        }
        names.insert(stock.name);
        stock.letterSize = sheet.paperName == QLatin1String("US Letter");
        stock.sheet = std::make_shared<const SheetTemplate>(sheet);
        stocks_.push_back(stock);
    }
}

QStringList StockCatalog::discStockNames() const {
    QStringList names;
    for (const LabelStock& stock : stocks_) {
        names << stock.name;
    }
    return names;
}

std::optional<LabelStock> StockCatalog::find(const QString& name) const {
    for (const LabelStock& stock : stocks_) {
        if (stock.name == name) {
            return stock;
        }
    }
    return std::nullopt;
}

StockCatalog LoadStockCatalog(const QStringList& folders, QStringList* problems) {
    SheetTemplateReading reading = SheetTemplateReader::ReadFolders(folders);
    if (problems) {
        *problems << reading.problems;
    }
    return StockCatalog(reading.sheets);
}

}  // namespace casewright
