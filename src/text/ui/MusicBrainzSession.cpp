#include "text/ui/MusicBrainzSession.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>

namespace casewright {

namespace {

QPointer<MusicBrainzClient> g_installed;
QPointer<MusicBrainzClient> g_own;

}  // namespace

MusicBrainzClient::Settings MusicBrainzSettingsFor(const QByteArray& urlOverride) {
    MusicBrainzClient::Settings settings;
    const QUrl url(QString::fromUtf8(urlOverride).trimmed(), QUrl::StrictMode);
    if (url.isValid() && !url.host().isEmpty() &&
        (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))) {
        settings.serviceUrl = url;
    }
    return settings;
}

MusicBrainzClient& SessionMusicBrainzClient() {
    if (g_installed) {
        return *g_installed;
    }
    if (!g_own) {
        // A child of the application, so that its network access ends before Qt does.
        g_own = new MusicBrainzClient(MusicBrainzSettingsFor(qgetenv(kMusicBrainzUrlVariable)),
                                      QCoreApplication::instance());
    }
    return *g_own;
}

void InstallSessionMusicBrainzClient(MusicBrainzClient* client) {
    g_installed = client;
}

}  // namespace casewright
