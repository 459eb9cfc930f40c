#include "designer/DroppedFileRules.h"

#include <QStringList>

#include "app/ProductInfo.h"

namespace casewright {

namespace DroppedFileRules {

bool IsAccepted(const QString& path) {
    static const QStringList kExtensions = {QStringLiteral(".JPG"), QStringLiteral(".JPEG"),
                                            QStringLiteral(".PNG"), QStringLiteral(".BMP"),
                                            QStringLiteral(".TIF"), QStringLiteral(".TIFF"),
                                            QStringLiteral(".GIF"), QStringLiteral(".ICO")};
    const QString upper = path.toUpper();
    if (upper.contains(ProductInfo::CoverFileExtension().toUpper())) {
        return true;
    }
    for (const QString& extension : kExtensions) {
        if (upper.contains(extension)) {
            return true;
        }
    }
    return false;
}

bool OpensAsCover(const QString& path) {
    return path.endsWith(ProductInfo::CoverFileExtension(), Qt::CaseSensitive);
}

}  // namespace DroppedFileRules

}  // namespace casewright
