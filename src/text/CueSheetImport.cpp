#include "text/CueSheetImport.h"

#include <QDir>
#include <QFileInfo>

#include "text/AudioFileTags.h"
#include "text/TrackLength.h"
#include "text/TrackNumbering.h"

namespace casewright {

namespace {

constexpr qint64 kBytesPerCdFrame = 2352;

// The sum of the files' running times from `first` up to, not including, `end`.
std::optional<qint64> FramesOfFiles(const std::vector<std::optional<qint64>>& fileFrames, int first,
                                    int end) {
    qint64 sum = 0;
    for (int i = first; i < end; ++i) {
        const std::optional<qint64>& frames = fileFrames.at(static_cast<size_t>(i));
        if (!frames) {
            return std::nullopt;
        }
        sum += *frames;
    }
    return sum;
}

QString CommonPerformer(const CueSheet& sheet) {
    QString common;
    for (const CueSheet::Track& track : sheet.tracks) {
        if (!track.audio) {
            continue;
        }
        if (track.performer.isEmpty() || (!common.isEmpty() && track.performer != common)) {
            return QString();
        }
        common = track.performer;
    }
    return common;
}

}  // namespace

CueDiscLayout LayOutCueSheet(const CueSheet& sheet,
                             const std::vector<std::optional<qint64>>& fileFrames) {
    const int fileCount = static_cast<int>(sheet.files.size());
    // Where each track starts within the run of its own file, gaps included.
    std::vector<qint64> offsets;
    qint64 gaps = 0;
    for (const CueSheet::Track& track : sheet.tracks) {
        gaps += track.pregap;
        offsets.push_back(track.index1 + gaps);
        gaps += track.postgap;
    }
    CueDiscLayout layout;
    for (size_t i = 0; i < sheet.tracks.size(); ++i) {
        const CueSheet::Track& track = sheet.tracks[i];
        const std::optional<qint64> before = FramesOfFiles(fileFrames, 0, track.file);
        layout.trackStarts.push_back(before ? std::optional<qint64>(*before + offsets[i])
                                            : std::nullopt);
        const bool last = i + 1 == sheet.tracks.size();
        const int nextFile = last ? fileCount : sheet.tracks[i + 1].file;
        const std::optional<qint64> between = FramesOfFiles(fileFrames, track.file, nextFile);
        const qint64 nextOffset = last ? gaps : offsets[i + 1];
        // A file shorter than where the sheet puts a track in it says
        // nothing about the track's length.
        const std::optional<qint64> length =
            between ? std::optional<qint64>(*between + nextOffset - offsets[i]) : std::nullopt;
        layout.trackLengths.push_back(length && *length >= 0 ? length : std::nullopt);
    }
    if (const std::optional<qint64> files = FramesOfFiles(fileFrames, 0, fileCount)) {
        layout.discEnd = *files + gaps;
    }
    return layout;
}

QString FindCueSheetFile(const QString& name, const QString& folder) {
    const QDir dir(folder);
    QString spelled = name;
    spelled.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString bare = spelled.section(QLatin1Char('/'), -1);
    for (const QString& candidate : {spelled, bare}) {
        const QFileInfo info(dir.filePath(candidate));
        if (!candidate.isEmpty() && info.isFile()) {
            return info.filePath();
        }
    }
    const QString base = QFileInfo(bare).completeBaseName();
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (info.completeBaseName() == base && IsAudioFileName(info.fileName())) {
            return info.filePath();
        }
    }
    return QString();
}

std::vector<std::optional<qint64>> CueSheetFileFrames(const CueSheet& sheet,
                                                      const QString& folder) {
    std::vector<std::optional<qint64>> frames;
    for (const CueSheet::File& file : sheet.files) {
        const QString path = FindCueSheetFile(file.name, folder);
        std::optional<qint64> length;
        if (path.isEmpty()) {
            // unknown
        } else if (file.binary) {
            length = QFileInfo(path).size() / kBytesPerCdFrame;
        } else {
            QString ignored;
            const std::optional<AudioFileTags> tags = ReadAudioFileTags(path, &ignored);
            if (tags && tags->cdFrames >= 0) {
                length = tags->cdFrames;
            }
        }
        frames.push_back(length);
    }
    return frames;
}

ImportedAlbum AlbumFromCueSheet(const CueSheet& sheet, const CueDiscLayout& layout) {
    ImportedAlbum album;
    album.title = sheet.title;
    album.artist = sheet.performer.isEmpty() ? CommonPerformer(sheet) : sheet.performer;
    for (size_t i = 0; i < sheet.tracks.size(); ++i) {
        const CueSheet::Track& track = sheet.tracks[i];
        if (!track.audio) {
            continue;
        }
        const std::optional<qint64>& length = layout.trackLengths.at(i);
        album.rows.push_back(TrackRow{TrackNumbering::NumberText(track.number),
                                      TitleWithArtist(track.title, track.performer, album.artist),
                                      length ? TrackLength::FromCdFrames(*length) : QString()});
    }
    return album;
}

TrackImportResult ImportCueSheet(const QString& path) {
    QString error;
    const std::optional<CueSheet> sheet = ReadCueSheet(path, &error);
    if (!sheet) {
        return TrackImportResult::Failed(error);
    }
    const CueDiscLayout layout =
        LayOutCueSheet(*sheet, CueSheetFileFrames(*sheet, QFileInfo(path).absolutePath()));
    ImportedAlbum album = AlbumFromCueSheet(*sheet, layout);
    if (album.rows.empty()) {
        return TrackImportResult::Failed(
            ImportMessage(path, QStringLiteral("holds no audio tracks")));
    }
    return TrackImportResult::Found(std::move(album));
}

}  // namespace casewright
