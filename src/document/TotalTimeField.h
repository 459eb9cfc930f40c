#pragma once

#include <QLatin1String>
#include <QString>

namespace casewright {

class CoverDocument;
class CoverFileSections;

// The switch for the total time row under a back cover's track listing. It
// is stored as an extra field just before "[END]", and only for a design
// that shows the total: every other design keeps the bytes it always had,
// and readers that look fields up by tag pass over it.
namespace TotalTimeField {

inline QLatin1String Key() {
    return QLatin1String("showTotalTime");
}

// "[showTotalTime]=TRUE[ENDshowTotalTime]" for a design that shows the
// total; empty otherwise.
QString Tagged(const CoverDocument& doc);

// On only when the field says TRUE; a file without it reads as off.
bool Read(const CoverFileSections& sections);

}  // namespace TotalTimeField

}  // namespace casewright
