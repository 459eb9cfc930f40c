#include "text/MusicBrainzClient.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

#include "app/ProductInfo.h"

namespace casewright {

namespace {

const QString kRecordings = QStringLiteral("inc=recordings+artist-credits&fmt=json");
constexpr int kSearchLimit = 25;

// A phrase for the search's query language, which escapes quotes and backslashes.
QString SearchPhrase(const QString& field, const QString& text) {
    QString escaped = text.trimmed();
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral("%1:\"%2\"").arg(field, escaped);
}

QString HttpFailure(int status, const QString& reason) {
    if (status == 503) {
        return QStringLiteral(
            "MusicBrainz is too busy to answer (HTTP 503); please try again "
            "in a minute");
    }
    return QStringLiteral("MusicBrainz answered with an error (HTTP %1 %2)")
        .arg(status)
        .arg(reason);
}

QString NotFound(MusicBrainzReply::Kind kind, const QString& subject) {
    switch (kind) {
        case MusicBrainzReply::Kind::DiscLookup:
            return QStringLiteral("MusicBrainz knows no release with the disc ID %1").arg(subject);
        case MusicBrainzReply::Kind::ReleaseSearch:
            return QStringLiteral("MusicBrainz found no release for %1").arg(subject);
        case MusicBrainzReply::Kind::ReleaseLookup:
            break;
    }
    return QStringLiteral("MusicBrainz has no release %1").arg(subject);
}

}  // namespace

MusicBrainzReply::MusicBrainzReply(Kind kind, QUrl url, QString subject, QObject* parent)
    : QObject(parent), kind_(kind), url_(std::move(url)), subject_(std::move(subject)) {}

void MusicBrainzReply::finish(std::vector<MusicBrainzRelease> releases, QString error) {
    if (finished_) {
        return;
    }
    finished_ = true;
    if (error.isEmpty()) {
        releases_ = std::move(releases);
    }
    error_ = std::move(error);
    emit finished();
}

QUrl MusicBrainzClient::DefaultServiceUrl() {
    return QUrl(QStringLiteral("https://musicbrainz.org"));
}

QString MusicBrainzClient::DefaultUserAgent() {
    return QStringLiteral("%1/%2 ( %3 )")
        .arg(ProductInfo::Name(), ProductInfo::Version(), ProductInfo::MakerSiteUrl());
}

MusicBrainzClient::MusicBrainzClient(Settings settings, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), network_(new QNetworkAccessManager(this)) {
    nextRequest_.setSingleShot(true);
    // A coarse timer may fire a little early, and the interval is a promise to the service.
    nextRequest_.setTimerType(Qt::PreciseTimer);
    connect(&nextRequest_, &QTimer::timeout, this, &MusicBrainzClient::startNext);
}

MusicBrainzClient::~MusicBrainzClient() {
    nextRequest_.stop();
    queue_.clear();
    if (inFlight_) {
        inFlight_->disconnect(this);
        inFlight_->abort();
    }
}

MusicBrainzReply* MusicBrainzClient::lookUpDisc(const QString& discId, const QString& tocText) {
    QString query = kRecordings + QStringLiteral("&cdstubs=no");
    if (!tocText.trimmed().isEmpty()) {
        // The service reads the table's numbers separated by '+'.
        query += QStringLiteral("&toc=") +
                 tocText.simplified().replace(QLatin1Char(' '), QLatin1Char('+'));
    }
    return enqueue(
        MusicBrainzReply::Kind::DiscLookup,
        QStringLiteral("/ws/2/discid/") + QString::fromLatin1(QUrl::toPercentEncoding(discId)),
        query, discId);
}

MusicBrainzReply* MusicBrainzClient::searchReleases(const QString& artist, const QString& album) {
    QStringList terms;
    if (!album.trimmed().isEmpty()) {
        terms << SearchPhrase(QStringLiteral("release"), album);
    }
    if (!artist.trimmed().isEmpty()) {
        terms << SearchPhrase(QStringLiteral("artist"), artist);
    }
    const QString subject =
        album.trimmed().isEmpty()
            ? QStringLiteral("the artist \"%1\"").arg(artist.trimmed())
            : QStringLiteral("\"%1\"").arg(album.trimmed()) +
                  (artist.trimmed().isEmpty() ? QString()
                                              : QStringLiteral(" by \"%1\"").arg(artist.trimmed()));
    if (terms.isEmpty()) {
        auto* reply =
            new MusicBrainzReply(MusicBrainzReply::Kind::ReleaseSearch, QUrl(), QString(), this);
        QTimer::singleShot(0, reply, [reply] {
            reply->finish({}, QStringLiteral("give an artist or an album to search for"));
        });
        return reply;
    }
    const QString query =
        QStringLiteral("query=") +
        QString::fromLatin1(QUrl::toPercentEncoding(terms.join(QStringLiteral(" AND ")))) +
        QStringLiteral("&fmt=json&limit=%1").arg(kSearchLimit);
    return enqueue(MusicBrainzReply::Kind::ReleaseSearch, QStringLiteral("/ws/2/release"), query,
                   subject);
}

MusicBrainzReply* MusicBrainzClient::lookUpRelease(const QString& releaseId) {
    return enqueue(
        MusicBrainzReply::Kind::ReleaseLookup,
        QStringLiteral("/ws/2/release/") + QString::fromLatin1(QUrl::toPercentEncoding(releaseId)),
        kRecordings, releaseId);
}

MusicBrainzReply* MusicBrainzClient::enqueue(MusicBrainzReply::Kind kind, const QString& path,
                                             const QString& query, const QString& subject) {
    QUrl url = settings_.serviceUrl;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    url.setPath(base + path, QUrl::StrictMode);
    url.setQuery(query, QUrl::StrictMode);
    auto* reply = new MusicBrainzReply(kind, url, subject, this);
    queue_.emplace_back(reply);
    startNextWhenAllowed();
    return reply;
}

void MusicBrainzClient::startNextWhenAllowed() {
    if (inFlight_ || nextRequest_.isActive() || queue_.empty()) {
        return;
    }
    const qint64 waited =
        sinceLastRequest_.isValid() ? sinceLastRequest_.elapsed() : settings_.minimumIntervalMs;
    nextRequest_.start(static_cast<int>(std::max<qint64>(0, settings_.minimumIntervalMs - waited)));
}

void MusicBrainzClient::startNext() {
    if (sinceLastRequest_.isValid() && sinceLastRequest_.elapsed() < settings_.minimumIntervalMs) {
        startNextWhenAllowed();
        return;
    }
    while (!queue_.empty() && !queue_.front()) {
        queue_.pop_front();  // deleted by its receiver before it was sent
    }
    if (queue_.empty()) {
        return;
    }
    MusicBrainzReply* reply = queue_.front();
    queue_.pop_front();
    QNetworkRequest request(reply->url_);
    request.setHeader(QNetworkRequest::UserAgentHeader, settings_.userAgent);
    request.setRawHeader("Accept", "application/json");
    QNetworkReply* answer = network_->get(request);
    answer->setParent(reply);  // deleting the reply abandons its request
    inFlight_ = answer;
    sinceLastRequest_.start();
    auto* timeout = new QTimer(answer);
    timeout->setSingleShot(true);
    connect(timeout, &QTimer::timeout, answer, [reply, answer] {
        reply->timedOut_ = true;
        answer->abort();
    });
    timeout->start(settings_.timeoutMs);
    connect(answer, &QNetworkReply::finished, this, [this, reply, answer] {
        // The receiver may delete the reply when it hears of the answer; the
        // network reply must outlive that.
        answer->setParent(nullptr);
        answer->deleteLater();
        handleAnswer(reply, answer);
    });
    connect(answer, &QObject::destroyed, this, [this] { startNextWhenAllowed(); });
}

void MusicBrainzClient::handleAnswer(MusicBrainzReply* reply, QNetworkReply* answer) {
    const QVariant status = answer->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QString host = reply->url_.host();
    if (reply->timedOut_) {
        reply->finish({}, QStringLiteral("MusicBrainz at %1 did not answer within %2 seconds")
                              .arg(host)
                              .arg(settings_.timeoutMs / 1000.0));
        return;
    }
    if (!status.isValid()) {
        reply->finish(
            {},
            QStringLiteral("cannot reach MusicBrainz at %1: %2").arg(host, answer->errorString()));
        return;
    }
    const int code = status.toInt();
    if (code == 404) {
        reply->finish({}, NotFound(reply->kind(), reply->subject_));
        return;
    }
    if (code != 200) {
        reply->finish(
            {},
            HttpFailure(code,
                        answer->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    const QByteArray body = answer->readAll();
    QString error;
    if (reply->kind() == MusicBrainzReply::Kind::ReleaseLookup) {
        std::optional<MusicBrainzRelease> release = MusicBrainzJson::ParseRelease(body, &error);
        reply->finish(
            release ? std::vector<MusicBrainzRelease>{*release} : std::vector<MusicBrainzRelease>{},
            error);
        return;
    }
    std::optional<std::vector<MusicBrainzRelease>> releases =
        MusicBrainzJson::ParseReleases(body, &error);
    if (releases && releases->empty()) {
        error = NotFound(reply->kind(), reply->subject_);
    }
    reply->finish(releases ? std::move(*releases) : std::vector<MusicBrainzRelease>{}, error);
}

}  // namespace casewright
