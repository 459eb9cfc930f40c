#pragma once

#include <QString>

namespace casewright {

// The user's corrections for a printer that does not print at true size or
// position, in whole millimetres, kept in the settings as typed.
struct PrinterAdjustment {
    QString expandCoverMM = QStringLiteral("0");
    QString expandDiscMM = QStringLiteral("0");
    QString moveDiscMMX = QStringLiteral("0");
    QString moveDiscMMY = QStringLiteral("0");
    QString moveDiscUpDown = QStringLiteral("0");
    QString moveDiscLeftRight = QStringLiteral("0");
};

}  // namespace casewright
