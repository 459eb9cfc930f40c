#include "text/TrackNumbering.h"

#include <algorithm>

namespace casewright {

namespace TrackNumbering {

QString NumberText(int track) {
    return QString::number(track).append(QLatin1Char('.'));
}

std::optional<int> NumericValue(const QString& numberCell) {
    QString digits = numberCell;
    digits.remove(QLatin1Char('.'));
    if (digits.isEmpty()) {
        return 0;
    }
    const bool allDigits = std::all_of(digits.cbegin(), digits.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!allDigits) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = digits.toInt(&ok);
    // Digits too long for an int still count as a number; their value is moot.
    return ok ? value : 0;
}

bool CanRenumber(const QStringList& numberCells) {
    return std::all_of(numberCells.cbegin(), numberCells.cend(),
                       [](const QString& cell) { return NumericValue(cell).has_value(); });
}

}  // namespace TrackNumbering

}  // namespace casewright
