#include "text/AudioTagImport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <set>

#include "text/AudioFileTags.h"
#include "text/TrackLength.h"
#include "text/TrackNumbering.h"

namespace casewright {

namespace {

struct AudioEntry {
    AudioFileTags tags;
    QString fileName;
};

// "01 - Intro", "01. Intro" and "01 Intro" name track 1, "Intro".
void FillFromFileName(AudioEntry& entry) {
    static const QRegularExpression kNumbered(
        QStringLiteral("^(\\d{1,3})(?:\\s*[-._]\\s*|\\s+)(\\S.*)$"));
    const QString base = QFileInfo(entry.fileName).completeBaseName();
    const QRegularExpressionMatch match = kNumbered.match(base);
    if (entry.tags.title.isEmpty()) {
        entry.tags.title = match.hasMatch() ? match.captured(2).trimmed() : base;
    }
    if (entry.tags.track == 0 && match.hasMatch()) {
        entry.tags.track = match.captured(1).toInt();
    }
}

int DiscOf(const AudioEntry& entry) {
    return entry.tags.disc > 0 ? entry.tags.disc : 1;
}

bool SortsBefore(const AudioEntry& a, const AudioEntry& b) {
    if (DiscOf(a) != DiscOf(b)) {
        return DiscOf(a) < DiscOf(b);
    }
    const int trackA = a.tags.track > 0 ? a.tags.track : INT_MAX;
    const int trackB = b.tags.track > 0 ? b.tags.track : INT_MAX;
    if (trackA != trackB) {
        return trackA < trackB;
    }
    return NaturalFileNameLess(a.fileName, b.fileName);
}

// The value every entry that has one agrees on (in any case); empty when they differ.
template <typename Field>
QString Agreed(const std::vector<AudioEntry>& entries, Field field) {
    QString agreed;
    for (const AudioEntry& entry : entries) {
        const QString& value = entry.tags.*field;
        if (value.isEmpty()) {
            continue;
        }
        if (!agreed.isEmpty() && value.compare(agreed, Qt::CaseInsensitive) != 0) {
            return QString();
        }
        if (agreed.isEmpty()) {
            agreed = value;
        }
    }
    return agreed;
}

ImportedAlbum AlbumOf(std::vector<AudioEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(), SortsBefore);
    ImportedAlbum album;
    album.title = Agreed(entries, &AudioFileTags::album);
    album.artist = Agreed(entries, &AudioFileTags::albumArtist);
    if (album.artist.isEmpty()) {
        album.artist = Agreed(entries, &AudioFileTags::artist);
    }
    std::set<int> discs;
    for (const AudioEntry& entry : entries) {
        discs.insert(DiscOf(entry));
    }
    int position = 0;
    int disc = 0;
    for (const AudioEntry& entry : entries) {
        position = DiscOf(entry) == disc ? position + 1 : 1;
        disc = DiscOf(entry);
        const int track = entry.tags.track > 0 ? entry.tags.track : position;
        const QString number = discs.size() > 1 ? QStringLiteral("%1-%2").arg(disc).arg(track)
                                                : TrackNumbering::NumberText(track);
        album.rows.push_back(
            TrackRow{number, TitleWithArtist(entry.tags.title, entry.tags.artist, album.artist),
                     TrackLength::FromMilliseconds(entry.tags.milliseconds)});
    }
    return album;
}

QString WithoutLeadingZeros(const QString& digits) {
    qsizetype zeros = 0;
    while (zeros + 1 < digits.size() && digits.at(zeros) == QLatin1Char('0')) {
        ++zeros;
    }
    return digits.mid(zeros);
}

// Compares the next run of digits (as a number) or of other characters.
int CompareRun(const QString& a, qsizetype& i, const QString& b, qsizetype& j) {
    if (a.at(i).isDigit() && b.at(j).isDigit()) {
        const qsizetype startA = i;
        const qsizetype startB = j;
        while (i < a.size() && a.at(i).isDigit()) {
            ++i;
        }
        while (j < b.size() && b.at(j).isDigit()) {
            ++j;
        }
        const QString digitsA = WithoutLeadingZeros(a.mid(startA, i - startA));
        const QString digitsB = WithoutLeadingZeros(b.mid(startB, j - startB));
        if (digitsA.size() != digitsB.size()) {
            return digitsA.size() < digitsB.size() ? -1 : 1;
        }
        return digitsA.compare(digitsB);
    }
    const int order = QString::compare(a.at(i), b.at(j), Qt::CaseInsensitive);
    ++i;
    ++j;
    return order;
}

}  // namespace

bool NaturalFileNameLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (const int order = CompareRun(a, i, b, j); order != 0) {
            return order < 0;
        }
    }
    if (i < a.size() || j < b.size()) {
        return j < b.size();
    }
    return a < b;
}

TrackImportResult ImportAudioFiles(const QStringList& paths, const QString& sourceName) {
    if (paths.isEmpty()) {
        return TrackImportResult::Failed(
            ImportMessage(sourceName, QStringLiteral("holds no audio files")));
    }
    std::vector<AudioEntry> entries;
    for (const QString& path : paths) {
        QString error;
        const std::optional<AudioFileTags> tags = ReadAudioFileTags(path, &error);
        if (!tags) {
            return TrackImportResult::Failed(error);
        }
        AudioEntry entry{*tags, QFileInfo(path).fileName()};
        FillFromFileName(entry);
        entries.push_back(std::move(entry));
    }
    return TrackImportResult::Found(AlbumOf(std::move(entries)));
}

TrackImportResult ImportAudioFile(const QString& path) {
    return ImportAudioFiles({path}, path);
}

QStringList AudioFilesIn(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (IsAudioFileName(info.fileName())) {
            paths << info.filePath();
        }
    }
    return paths;
}

TrackImportResult ImportAudioFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir()) {
        return TrackImportResult::Failed(
            QStringLiteral("cannot read \"%1\": no such folder").arg(folder));
    }
    return ImportAudioFiles(AudioFilesIn(folder), folder);
}

}  // namespace casewright
