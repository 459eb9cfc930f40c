#include "app/batch/BatchStocks.h"

#include "print/SheetTemplateFolders.h"

namespace casewright {

BatchStocks::BatchStocks(QString command, BatchIo io) : command_(std::move(command)), io_(io) {}

const StockCatalog& BatchStocks::all() {
    if (!all_) {
        QStringList problems;
        all_ = LoadStockCatalog(SheetTemplateFolders::Installed(), &problems);
        for (const QString& problem : problems) {
            io_.err << "casewright-batch " << command_ << ": warning: " << problem << "\n";
        }
    }
    return *all_;
}

const StockCatalog& BatchStocks::catalogFor(const QString& name) {
    return builtIn_.find(name) ? builtIn_ : all();
}

QString BatchStocks::unknownStockMessage(const QString& name) {
    QString message = QStringLiteral(
                          "unknown disc stock \"%1\" (casewright-batch stocks lists them); the "
                          "stocks are:")
                          .arg(name);
    for (const QString& stock : all().discStockNames()) {
        message += QStringLiteral("\n  ") + stock;
    }
    return message;
}

}  // namespace casewright
