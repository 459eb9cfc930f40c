#pragma once

#include <QString>
#include <optional>

#include "app/batch/BatchCommands.h"
#include "print/StockCatalog.h"

namespace casewright {

// The paper and label sheets a batch command knows: the built-in stocks
// and the sheets installed on this system. The installed templates are read
// once, and only when a name is not a built-in one or every stock is asked
// for; each template that could not be read is named on the error stream.
class BatchStocks {
public:
    BatchStocks(QString command, BatchIo io);

    const StockCatalog& all();
    // The catalog that knows `name`: the built-in one when it is built-in.
    const StockCatalog& catalogFor(const QString& name);
    std::optional<LabelStock> find(const QString& name) { return catalogFor(name).find(name); }

    // A usage message for a name that is no stock, listing every name.
    QString unknownStockMessage(const QString& name);

private:
    QString command_;
    BatchIo io_;
    StockCatalog builtIn_;
    std::optional<StockCatalog> all_;
};

}  // namespace casewright
