#include "print/ui/CalibrationFlow.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "controls/Prompter.h"
#include "print/ui/PrintFlow.h"
#include "print/ui/PrinterSheetPrinter.h"

namespace casewright {

CalibrationFlow::CalibrationFlow(QWidget* parent)
    : hasDefaultPrinter([] { return !QPrinterInfo::defaultPrinter().isNull(); }),
      makePrinterDevice(
          [](QPrinter& printer) { return std::make_unique<PrinterSheetPrinter>(printer); }),
      parent_(parent) {}

bool CalibrationFlow::print(const DiscSheet& sheet, const CalibrationPage::Captions& captions) {
    Prompter& prompter = Prompter::instance();
    if (!hasDefaultPrinter()) {
        prompter.message(parent_, PrintFlow::NoDefaultPrinterText(),
                         QStringLiteral("Default Printer"), Prompter::Buttons::Ok,
                         Prompter::Icon::Information);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(sheet.paper);
    if (!prompter.choosePrinter(parent_, printer)) {
        return false;
    }
    const std::unique_ptr<SheetPrinter> device = makePrinterDevice(printer);
    const CalibrationPage::Result result = CalibrationPage::Print(*device, sheet, captions);
    if (!result.ok) {
        prompter.message(parent_, result.error, QStringLiteral("Print"), Prompter::Buttons::Ok,
                         Prompter::Icon::Warning);
        return false;
    }
    return true;
}

}  // namespace casewright
