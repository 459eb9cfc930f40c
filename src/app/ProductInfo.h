#pragma once

#include <QString>

namespace casewright {

// Names, version and web addresses, kept in one place.
namespace ProductInfo {

inline QString Name() {
    return QStringLiteral("Casewright");
}
inline QString Version() {
    return QStringLiteral("4.13");
}
inline QString Maker() {
    return QStringLiteral("Orvalis");
}
inline QString MakerSiteUrl() {
    return QStringLiteral("https://www.orvalis.example/");
}
inline QString UpdatePageUrl() {
    return MakerSiteUrl() + QStringLiteral("checkforupdates.aspx?v=") + Version();
}
inline QString TemplateDownloadUrl() {
    return MakerSiteUrl() + QStringLiteral("templates/");
}
inline QString CoverFileExtension() {
    return QStringLiteral(".jkt");
}

}  // namespace ProductInfo

}  // namespace casewright
