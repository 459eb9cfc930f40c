#include "text/TrackSourceImport.h"

#include <QDir>
#include <QFileInfo>

#include "text/AudioFileTags.h"
#include "text/AudioTagImport.h"
#include "text/CueSheetImport.h"
#include "text/TrackTextImport.h"

namespace casewright {

namespace {

bool IsCueSheetName(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("cue"), Qt::CaseInsensitive) == 0;
}

// The one cue sheet of a folder that holds a disc image, if it is such a folder.
QString DiscImageCueSheet(const QString& folder) {
    QStringList sheets;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        if (IsCueSheetName(info.fileName())) {
            sheets << info.filePath();
        }
    }
    return sheets.size() == 1 && AudioFilesIn(folder).size() <= 1 ? sheets.first() : QString();
}

}  // namespace

TrackSourceKind TrackSourceKindOf(const QString& path) {
    if (QFileInfo(path).isDir()) {
        return TrackSourceKind::AudioFolder;
    }
    if (IsCueSheetName(path)) {
        return TrackSourceKind::CueSheet;
    }
    return IsAudioFileName(path) ? TrackSourceKind::AudioFile : TrackSourceKind::TextFile;
}

TrackImportResult ImportTrackSource(const QString& path) {
    switch (TrackSourceKindOf(path)) {
        case TrackSourceKind::AudioFolder: {
            const QString sheet = DiscImageCueSheet(path);
            return sheet.isEmpty() ? ImportAudioFolder(path) : ImportCueSheet(sheet);
        }
        case TrackSourceKind::CueSheet:
            return ImportCueSheet(path);
        case TrackSourceKind::AudioFile:
            return ImportAudioFile(path);
        case TrackSourceKind::TextFile:
            break;
    }
    return ImportTrackTextFile(path);
}

}  // namespace casewright
