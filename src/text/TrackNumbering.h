#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace casewright {

// How track numbers look and when the editor may rewrite them.
namespace TrackNumbering {

// The number cell of the given 1-based track: "1.", "2.", ...
QString NumberText(int track);

// The value of a number cell that holds only digits and dots ("12." -> 12,
// "" -> 0); nothing for any other text, such as "1a" or "A1".
std::optional<int> NumericValue(const QString& numberCell);

// True when every cell is numeric in the sense above. Renumbering would
// overwrite whatever the user typed, so one hand-made label ("Bonus", "A1")
// anywhere in the listing keeps every number as it is.
bool CanRenumber(const QStringList& numberCells);

}  // namespace TrackNumbering

}  // namespace casewright
