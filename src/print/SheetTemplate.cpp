#include "print/SheetTemplate.h"

namespace casewright {

QString SheetTemplate::stockName() const {
    QString name = brand + QLatin1Char(' ') + part;
    if (!description.isEmpty()) {
        name += QStringLiteral(" - ") + description;
    }
    name.replace(QLatin1Char(':'), QLatin1Char(' '));
    return name.simplified();
}

}  // namespace casewright
