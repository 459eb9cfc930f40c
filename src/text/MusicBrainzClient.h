#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <deque>
#include <vector>

#include "text/MusicBrainzRelease.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace casewright {

// The answer to one request of a MusicBrainzClient. It emits finished() once,
// after which it holds either the releases found or a message for the user
// (never both). The client owns it; the receiver may delete it once finished.
class MusicBrainzReply : public QObject {
    Q_OBJECT

public:
    enum class Kind { DiscLookup, ReleaseSearch, ReleaseLookup };

    Kind kind() const { return kind_; }
    bool isFinished() const { return finished_; }
    bool succeeded() const { return finished_ && error_.isEmpty(); }

    // For a disc lookup and a search: every release found (with their
    // tracks for a disc lookup, without them for a search). For a release
    // lookup: the one release.
    const std::vector<MusicBrainzRelease>& releases() const { return releases_; }
    const QString& errorMessage() const { return error_; }

signals:
    void finished();

private:
    friend class MusicBrainzClient;
    MusicBrainzReply(Kind kind, QUrl url, QString subject, QObject* parent);
    void finish(std::vector<MusicBrainzRelease> releases, QString error);

    Kind kind_;
    QUrl url_;
    QString subject_;  // what was asked for, for messages
    bool finished_ = false;
    bool timedOut_ = false;
    std::vector<MusicBrainzRelease> releases_;
    QString error_;
};

// A client of the MusicBrainz web service (version 2, JSON) that looks
// releases up by disc ID, searches them by artist and album, and fetches a
// release's tracks. It asks the service at most once in each interval (a
// second, as the service requires of every client), one request after the
// other, names itself in the User-Agent header, and gives up on a request
// after the timeout. Requests run on the thread the client lives on, without
// blocking it; every answer comes as a MusicBrainzReply. One client should
// serve the whole session, so that the interval holds across lookups.
class MusicBrainzClient : public QObject {
    Q_OBJECT

public:
    struct Settings {
        QUrl serviceUrl = DefaultServiceUrl();
        QString userAgent = DefaultUserAgent();
        int minimumIntervalMs = 1000;
        int timeoutMs = 20000;
    };

    static QUrl DefaultServiceUrl();    // https://musicbrainz.org
    static QString DefaultUserAgent();  // "Casewright/4.13 ( https://... )"

    explicit MusicBrainzClient(Settings settings, QObject* parent = nullptr);
    ~MusicBrainzClient() override;

    // /ws/2/discid/<id>?inc=recordings+artist-credits: the releases with
    // this disc, each with its tracks. With the disc's table of contents
    // (DiscToc::text()) the service also offers releases whose discs are
    // close to it, for a disc whose ID it does not know (such as one rebuilt
    // from a cue sheet and compressed files).
    MusicBrainzReply* lookUpDisc(const QString& discId, const QString& tocText = QString());

    // /ws/2/release?query=artist:"..." AND release:"...": up to 25
    // releases, best match first, without their tracks; either text may be
    // empty, not both.
    MusicBrainzReply* searchReleases(const QString& artist, const QString& album);

    // /ws/2/release/<mbid>?inc=recordings+artist-credits: one release with
    // its tracks, as picked from a search.
    MusicBrainzReply* lookUpRelease(const QString& releaseId);

    const Settings& settings() const { return settings_; }

private:
    MusicBrainzReply* enqueue(MusicBrainzReply::Kind kind, const QString& path,
                              const QString& query, const QString& subject);
    void startNextWhenAllowed();
    void startNext();
    void handleAnswer(MusicBrainzReply* reply, QNetworkReply* answer);

    Settings settings_;
    QNetworkAccessManager* network_;
    std::deque<QPointer<MusicBrainzReply>> queue_;
    QPointer<QNetworkReply> inFlight_;
    QElapsedTimer sinceLastRequest_;
    QTimer nextRequest_;
};

}  // namespace casewright
