#include "print/ui/InstalledStocks.h"

#include <QDebug>
#include <future>
#include <mutex>

#include "print/SheetTemplateFolders.h"

namespace casewright {

namespace InstalledStocks {

namespace {

std::once_flag started;

std::shared_future<StockCatalog>& Loading() {
    static std::shared_future<StockCatalog> loading;
    return loading;
}

StockCatalog Load() {
    QStringList problems;
    StockCatalog catalog = LoadStockCatalog(SheetTemplateFolders::Installed(), &problems);
    for (const QString& problem : problems) {
        qWarning().noquote() << "Label sheet templates:" << problem;
    }
    return catalog;
}

}  // namespace

void StartLoading() {
    std::call_once(started, [] { Loading() = std::async(std::launch::async, Load).share(); });
}

const StockCatalog& Catalog() {
    StartLoading();
    return Loading().get();
}

}  // namespace InstalledStocks

}  // namespace casewright
