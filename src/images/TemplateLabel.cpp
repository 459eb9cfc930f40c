#include "images/TemplateLabel.h"

namespace casewright {

QString TemplateLabel::fromFileName(const QString& fileName) {
    QString label = fileName;
    const int lastDot = label.lastIndexOf(QLatin1Char('.'));
    if (lastDot >= 0) {
        label.truncate(lastDot);
    }
    const int lastDash = label.lastIndexOf(QLatin1Char('-'));
    if (lastDash >= 0) {
        label = label.mid(lastDash + 1);
    }
    return label.trimmed();
}

}  // namespace casewright
