#pragma once

#include <QString>

namespace casewright {

// The user's corrections for a printer that does not print at true size or
// position, in whole millimetres, kept in the settings as text.
struct PrinterAdjustment {
    QString expandCoverMM = QStringLiteral("0");
    QString expandDiscMM = QStringLiteral("0");
    QString moveDiscMMX = QStringLiteral("0");
    QString moveDiscMMY = QStringLiteral("0");
    QString moveDiscUpDown = QStringLiteral("0");
    QString moveDiscLeftRight = QStringLiteral("0");
};

// Every distance lies in this range: the Printer Adjustment dialog offers no
// other, and a layout applies no other whatever the settings file says (a
// label of metres would take the printer's memory and the user's time).
constexpr int kMinimumAdjustmentMM = -200;
constexpr int kMaximumAdjustmentMM = 200;

}  // namespace casewright
