#include "text/MusicBrainzRelease.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "text/TrackLength.h"
#include "text/TrackNumbering.h"

namespace casewright {

namespace {

// "name" and "joinphrase" of every credited artist, in order.
QString ArtistCredit(const QJsonValue& credit) {
    QString text;
    for (const QJsonValue& part : credit.toArray()) {
        const QJsonObject object = part.toObject();
        QString name = object.value(QLatin1String("name")).toString();
        if (name.isEmpty()) {
            name = object.value(QLatin1String("artist"))
                       .toObject()
                       .value(QLatin1String("name"))
                       .toString();
        }
        text += name + object.value(QLatin1String("joinphrase")).toString();
    }
    return text.trimmed();
}

QString NumberCell(const QString& number, int position) {
    if (number.isEmpty()) {
        return TrackNumbering::NumberText(position);
    }
    bool numeric = false;
    const int value = number.toInt(&numeric);
    return numeric ? TrackNumbering::NumberText(value) : number;
}

TrackRow RowOf(const QJsonObject& track, const QString& releaseArtist) {
    QString title = track.value(QLatin1String("title")).toString();
    const QJsonObject recording = track.value(QLatin1String("recording")).toObject();
    if (title.isEmpty()) {
        title = recording.value(QLatin1String("title")).toString();
    }
    QJsonValue credit = track.value(QLatin1String("artist-credit"));
    if (!credit.isArray()) {
        credit = recording.value(QLatin1String("artist-credit"));
    }
    const QJsonValue length = track.value(QLatin1String("length"));
    return TrackRow{NumberCell(track.value(QLatin1String("number")).toString(),
                               track.value(QLatin1String("position")).toInt()),
                    TitleWithArtist(title, ArtistCredit(credit), releaseArtist),
                    length.isDouble()
                        ? TrackLength::FromMilliseconds(static_cast<qint64>(length.toDouble()))
                        : QString()};
}

MusicBrainzMedium MediumOf(const QJsonObject& medium, const QString& releaseArtist) {
    MusicBrainzMedium result;
    result.position = medium.value(QLatin1String("position")).toInt();
    result.format = medium.value(QLatin1String("format")).toString();
    result.title = medium.value(QLatin1String("title")).toString();
    for (const QJsonValue& disc : medium.value(QLatin1String("discs")).toArray()) {
        result.discIds << disc.toObject().value(QLatin1String("id")).toString();
    }
    for (const QJsonValue& track : medium.value(QLatin1String("tracks")).toArray()) {
        result.rows.push_back(RowOf(track.toObject(), releaseArtist));
    }
    result.trackCount =
        medium.value(QLatin1String("track-count")).toInt(static_cast<int>(result.rows.size()));
    return result;
}

MusicBrainzRelease ReleaseOf(const QJsonObject& release) {
    MusicBrainzRelease result;
    result.id = release.value(QLatin1String("id")).toString();
    result.title = release.value(QLatin1String("title")).toString();
    result.artist = ArtistCredit(release.value(QLatin1String("artist-credit")));
    result.date = release.value(QLatin1String("date")).toString();
    result.country = release.value(QLatin1String("country")).toString();
    result.disambiguation = release.value(QLatin1String("disambiguation")).toString();
    int tracks = 0;
    for (const QJsonValue& medium : release.value(QLatin1String("media")).toArray()) {
        result.media.push_back(MediumOf(medium.toObject(), result.artist));
        tracks += result.media.back().trackCount;
    }
    result.trackCount = release.value(QLatin1String("track-count")).toInt(tracks);
    return result;
}

std::optional<QJsonObject> ParseObject(const QByteArray& json, QString* error) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("MusicBrainz sent an answer that cannot be read (%1 at byte %2)")
                     .arg(parseError.errorString())
                     .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("MusicBrainz sent an answer that is not a release list");
        return std::nullopt;
    }
    return document.object();
}

// "2xCD", "CD + DVD"
QString FormatSummary(const std::vector<MusicBrainzMedium>& media) {
    QStringList formats;
    QMap<QString, int> counts;
    for (const MusicBrainzMedium& medium : media) {
        const QString format = medium.format.isEmpty() ? QStringLiteral("?") : medium.format;
        if (counts[format]++ == 0) {
            formats << format;
        }
    }
    QStringList parts;
    for (const QString& format : formats) {
        parts << (counts[format] > 1 ? QStringLiteral("%1x%2").arg(counts[format]).arg(format)
                                     : format);
    }
    return parts.join(QStringLiteral(" + "));
}

}  // namespace

bool MusicBrainzRelease::hasTracks() const {
    for (const MusicBrainzMedium& medium : media) {
        if (!medium.rows.empty()) {
            return true;
        }
    }
    return false;
}

QString MusicBrainzRelease::label() const {
    QString text = artist.isEmpty() ? title : title + QStringLiteral(" - ") + artist;
    if (!disambiguation.isEmpty()) {
        text += QStringLiteral(" [%1]").arg(disambiguation);
    }
    QStringList details;
    for (const QString& detail : {date, country, FormatSummary(media)}) {
        if (!detail.isEmpty()) {
            details << detail;
        }
    }
    if (trackCount > 0) {
        details << (trackCount == 1 ? QStringLiteral("1 track")
                                    : QStringLiteral("%1 tracks").arg(trackCount));
    }
    return details.isEmpty() ? text : text + QStringLiteral(" (%1)").arg(details.join(", "));
}

int MusicBrainzRelease::mediumWithDisc(const QString& discId) const {
    for (size_t i = 0; i < media.size(); ++i) {
        if (media[i].discIds.contains(discId)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

ImportedAlbum MusicBrainzRelease::album(int medium) const {
    ImportedAlbum result;
    result.title = title;
    result.artist = artist;
    if (medium >= 0 && medium < static_cast<int>(media.size())) {
        result.rows = media[static_cast<size_t>(medium)].rows;
        return result;
    }
    for (const MusicBrainzMedium& each : media) {
        for (TrackRow row : each.rows) {
            if (media.size() > 1) {
                row.number = QStringLiteral("%1-%2")
                                 .arg(each.position)
                                 .arg(row.number.endsWith(QLatin1Char('.')) ? row.number.chopped(1)
                                                                            : row.number);
            }
            result.rows.push_back(row);
        }
    }
    return result;
}

namespace MusicBrainzJson {

std::optional<std::vector<MusicBrainzRelease>> ParseReleases(const QByteArray& json,
                                                             QString* error) {
    const std::optional<QJsonObject> object = ParseObject(json, error);
    if (!object) {
        return std::nullopt;
    }
    const QJsonValue releases = object->value(QLatin1String("releases"));
    if (!releases.isArray()) {
        *error = QStringLiteral("MusicBrainz sent an answer that is not a release list");
        return std::nullopt;
    }
    std::vector<MusicBrainzRelease> result;
    for (const QJsonValue& release : releases.toArray()) {
        result.push_back(ReleaseOf(release.toObject()));
    }
    return result;
}

std::optional<MusicBrainzRelease> ParseRelease(const QByteArray& json, QString* error) {
    const std::optional<QJsonObject> object = ParseObject(json, error);
    if (!object) {
        return std::nullopt;
    }
    if (!object->value(QLatin1String("media")).isArray()) {
        *error = QStringLiteral("MusicBrainz sent a release without its media");
        return std::nullopt;
    }
    return ReleaseOf(*object);
}

}  // namespace MusicBrainzJson

}  // namespace casewright
