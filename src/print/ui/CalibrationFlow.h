#pragma once

#include <functional>
#include <memory>

#include "print/CalibrationPage.h"
#include "print/DiscSheet.h"

class QPrinter;
class QWidget;

namespace casewright {

class SheetPrinter;

// Prints a calibration page on a printer the user picks in the system print
// dialog, which starts on the sheet's paper, portrait. The hooks let tests
// run it without printers.
class CalibrationFlow {
public:
    explicit CalibrationFlow(QWidget* parent);

    // True when the page was sent; failures are told in a message.
    bool print(const DiscSheet& sheet, const CalibrationPage::Captions& captions);

    std::function<bool()> hasDefaultPrinter;
    std::function<std::unique_ptr<SheetPrinter>(QPrinter&)> makePrinterDevice;

private:
    QWidget* parent_;
};

}  // namespace casewright
