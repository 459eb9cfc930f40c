#include "print/PaperPrompt.h"

namespace casewright {

QString PaperPrompt::CoversText(const QString& stockName) {
    return QStringLiteral("Please insert the '") + stockName +
           QStringLiteral("' and press 'Print' to continue printing the cover(s).");
}

QString PaperPrompt::DiscText(const QString& stockName) {
    return QStringLiteral("Please insert the '") + stockName +
           QStringLiteral("' and press 'Print' to continue printing the disc.");
}

}  // namespace casewright
