#include "app/batch/BatchCommandLine.h"
#include "app/batch/BatchCommands.h"
#include "app/batch/BatchStocks.h"
#include "document/CoverTypes.h"
#include "print/DiscSheet.h"
#include "print/PageLayouts.h"

namespace casewright {

namespace {

QString Millimetres(double inches) {
    return QString::number(inches * 25.4, 'f', 1) + QStringLiteral(" mm");
}

// Name, paper, labels per sheet, disc diameter and hole, as they print
// without any printer adjustment; plain paper as the standard CD case has it.
QString StockLine(const LabelStock& stock) {
    const std::optional<int> layout = DiscLayoutIndex(stock, CoverTypeStandardCD);
    const DiscSheet sheet = MakeDiscSheet(stock, MakeCoverLayout(*layout, PrinterAdjustment()));
    const PrintedLabel& first = sheet.labels.front();
    return QStringList{stock.name, sheet.paperName, QString::number(sheet.labels.size()),
                       Millimetres(first.disc.width()), Millimetres(first.hubDiameter)}
        .join(QLatin1Char('\t'));
}

}  // namespace

int RunStocksCommand(const QStringList& args, BatchIo io) {
    BatchCommandLine commandLine(
        QStringLiteral("stocks"), QStringLiteral("stocks"),
        QStringLiteral(
            "Lists every paper and label sheet the disc can be printed on, one a line: its\n"
            "exact name (as --disc-stock takes it), then, separated by tab characters, its\n"
            "paper size, the number of labels on a sheet, the label's diameter and the\n"
            "diameter of its centre hole. The built-in stocks come first, then the sheets\n"
            "of the installed label template database by brand and part number."));
    const BatchCommandLine::Parsed parsed = commandLine.parse(args, io);
    if (parsed != BatchCommandLine::Parsed::Run) {
        return BatchCommandLine::exitCodeOf(parsed);
    }
    if (!commandLine.positionals().isEmpty()) {
        return commandLine.usageError(QStringLiteral("stocks takes no arguments"), io);
    }
    BatchStocks stocks(QStringLiteral("stocks"), io);
    for (const LabelStock& stock : stocks.all().discStocks()) {
        io.out << StockLine(stock) << "\n";
    }
    return kExitOk;
}

}  // namespace casewright
