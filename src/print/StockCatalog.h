#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "print/LabelStock.h"
#include "print/SheetTemplate.h"

namespace casewright {

// Every paper and label sheet the disc can be printed on: the seventeen
// built-in stocks first, in their fixed order, then the sheets of the
// template database by brand and part number.
class StockCatalog {
public:
    // The built-in stocks alone, as without a template database.
    StockCatalog();
    // A sheet whose name a built-in stock or an earlier sheet already has
    // is left out.
    explicit StockCatalog(const std::vector<SheetTemplate>& sheets);

    const std::vector<LabelStock>& discStocks() const { return stocks_; }
    QStringList discStockNames() const;
    // The stock with exactly this name (case-sensitive).
    std::optional<LabelStock> find(const QString& name) const;

private:
    std::vector<LabelStock> stocks_;
};

// Reads the sheets of the template folders into a catalog; each template
// that could not be understood adds a line to `problems`.
StockCatalog LoadStockCatalog(const QStringList& folders, QStringList* problems);

}  // namespace casewright
