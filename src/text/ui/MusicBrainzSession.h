#pragma once

#include <QByteArray>

#include "text/MusicBrainzClient.h"

namespace casewright {

// The environment variable that points the designer's lookups at another
// server than musicbrainz.org: a mirror, or a test's local server.
inline constexpr char kMusicBrainzUrlVariable[] = "CASEWRIGHT_MUSICBRAINZ_URL";

// The client settings for a run of the designer: the service at `urlOverride`
// when it is a web address, else musicbrainz.org; the program's User-Agent.
MusicBrainzClient::Settings MusicBrainzSettingsFor(const QByteArray& urlOverride);

// The one MusicBrainz client of the program run, made on first use from the
// environment and owned by the application object. Every lookup of the
// designer goes through it, so that its one-request-a-second interval holds
// across lookups and dialogs.
MusicBrainzClient& SessionMusicBrainzClient();

// Makes `client` (not owned) the session's client; nullptr goes back to the
// program's own.
void InstallSessionMusicBrainzClient(MusicBrainzClient* client);

}  // namespace casewright
