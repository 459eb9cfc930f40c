#include "text/ui/TrackImportSources.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "text/AudioFileTags.h"
#include "text/AudioTagImport.h"
#include "text/TrackSourceImport.h"

namespace casewright {

namespace {

const char* const kTextPatterns = "*.txt *.tsv *.text";
const char* const kCuePatterns = "*.cue";
const char* const kAudioPatterns =
    "*.mp3 *.flac *.ogg *.oga *.opus *.m4a *.wav *.aif *.aiff *.wv *.ape *.wma";

}  // namespace

QString TrackSourceFileFilter() {
    const QString text = QString::fromLatin1(kTextPatterns);
    const QString cue = QString::fromLatin1(kCuePatterns);
    const QString audio = QString::fromLatin1(kAudioPatterns);
    return QStringLiteral(
               "Track listings (%1 %2 %3);;Text files (%1);;Cue sheets (%2);;"
               "Audio files (%3);;All files (*)")
        .arg(text, cue, audio);
}

TrackImportResult ImportDroppedTrackSources(const QStringList& paths) {
    if (paths.isEmpty()) {
        return TrackImportResult::Failed(QStringLiteral("nothing to import"));
    }
    if (paths.size() == 1) {
        return ImportTrackSource(paths.first());
    }
    const bool allAudio = std::all_of(paths.cbegin(), paths.cend(), [](const QString& path) {
        return QFileInfo(path).isFile() && IsAudioFileName(path);
    });
    if (!allAudio) {
        return TrackImportResult::Failed(QStringLiteral(
            "Several files can be imported together only when all of them are audio files. "
            "Drop one text file, cue sheet or folder at a time."));
    }
    return ImportAudioFiles(paths, TrackSourceName(paths));
}

QString TrackSourceName(const QStringList& paths) {
    if (paths.isEmpty()) {
        return QString();
    }
    const QString first = QFileInfo(paths.first()).fileName();
    if (paths.size() == 1) {
        return first.isEmpty() ? QDir::toNativeSeparators(paths.first()) : first;
    }
    return paths.size() == 2
               ? QStringLiteral("%1 and 1 more file").arg(first)
               : QStringLiteral("%1 and %2 more files").arg(first).arg(paths.size() - 1);
}

}  // namespace casewright
