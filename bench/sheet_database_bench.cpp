// How long reading the installed label sheet templates takes (the gLabels
// template database and the user's own sheets), and building the list of
// stocks from them: this decides whether the Print dialog may read them
// when it opens or must have them read beforehand on another thread.
//
//   build/bench/sheet_database_bench
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "print/SheetTemplateFolders.h"
#include "print/SheetTemplateReader.h"
#include "print/StockCatalog.h"

using namespace casewright;

namespace {

void ReadInstalledTemplates(benchmark::State& state) {
    const QStringList folders = SheetTemplateFolders::Installed();
    size_t sheets = 0;
    for (auto _ : state) {
        const SheetTemplateReading reading = SheetTemplateReader::ReadFolders(folders);
        sheets = reading.sheets.size();
        benchmark::DoNotOptimize(sheets);
    }
    state.counters["sheets"] = static_cast<double>(sheets);
}
BENCHMARK(ReadInstalledTemplates)->Unit(benchmark::kMillisecond);

void LoadInstalledCatalog(benchmark::State& state) {
    const QStringList folders = SheetTemplateFolders::Installed();
    size_t stocks = 0;
    for (auto _ : state) {
        const StockCatalog catalog = LoadStockCatalog(folders, nullptr);
        stocks = catalog.discStocks().size();
        benchmark::DoNotOptimize(stocks);
    }
    state.counters["stocks"] = static_cast<double>(stocks);
}
BENCHMARK(LoadInstalledCatalog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
