#include "document/TotalTimeField.h"

#include "document/CoverDocument.h"
#include "document/CoverFileSections.h"

namespace casewright {

namespace TotalTimeField {

namespace {

QString OnValue() {
    return QStringLiteral("TRUE");
}

}  // namespace

QString Tagged(const CoverDocument& doc) {
    if (!doc.showTotalTime) {
        return QString();
    }
    return QLatin1Char('[') + Key() + QStringLiteral("]=") + OnValue() + QStringLiteral("[END") +
           Key() + QLatin1Char(']');
}

bool Read(const CoverFileSections& sections) {
    return sections.value(Key()) == OnValue();
}

}  // namespace TotalTimeField

}  // namespace casewright
