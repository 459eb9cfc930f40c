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
// The desktop entry's name without ".desktop"; also the icon's name and the
// AppStream id, so that a Wayland compositor can match windows to the entry.
inline QString ApplicationId() {
    return QStringLiteral(CASEWRIGHT_APP_ID);
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
