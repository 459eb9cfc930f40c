#include "document/CoverFileFormat.h"

#include "app/ProductInfo.h"

namespace casewright {

namespace CoverFileFormat {

QString InvalidFileCaption() {
    return QStringLiteral("Invalid File");
}

QString InvalidFileMessage() {
    return QStringLiteral(
               "Unable to load a cover from the file you specified.\n\n"
               "Please ensure the file are attempting to load was created using ") +
           ProductInfo::Name() + QStringLiteral(".");
}

}  // namespace CoverFileFormat

}  // namespace casewright
