#include "images/TemplateCaseFilter.h"

#include "document/CoverTypes.h"

namespace casewright {

namespace {

const QString kCdPrefix = QStringLiteral("CD-");
const QString kDvdPrefix = QStringLiteral("DVD-");

}  // namespace

bool TemplateCaseFilter::suits(const QString& backFileName, int coverType) {
    const bool forCd = backFileName.startsWith(kCdPrefix);
    const bool forDvd = backFileName.startsWith(kDvdPrefix);
    if (!forCd && !forDvd) {
        return true;
    }
    return IsDvdType(coverType) ? forDvd : forCd;
}

QVector<TemplateEntry> TemplateCaseFilter::forCoverType(const QVector<TemplateEntry>& entries,
                                                        int coverType) {
    QVector<TemplateEntry> suiting;
    for (const TemplateEntry& entry : entries) {
        if (suits(entry.backFileName, coverType)) {
            suiting.append(entry);
        }
    }
    return suiting;
}

}  // namespace casewright
