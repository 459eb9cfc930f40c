#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace casewright {

// What the tags and the stream of one audio file say, read with TagLib.
struct AudioFileTags {
    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    int track = 0;             // 0: not tagged
    int disc = 0;              // 0: not tagged
    qint64 milliseconds = -1;  // -1: unknown
    // The running time in CD frames of 1/75 s: counted from the samples where
    // the format says how many there are (WAV, AIFF, FLAC, WavPack), so that
    // a disc's table of contents can be rebuilt exactly; else from the time.
    qint64 cdFrames = -1;
};

// The file name endings taken for audio files: mp3, flac, ogg, oga, opus,
// m4a, wav, aif, aiff, wv, ape, wma (in either case).
bool IsAudioFileName(const QString& path);

// The tags of an audio file; nothing when TagLib cannot read it as audio,
// and `error` then names the file.
std::optional<AudioFileTags> ReadAudioFileTags(const QString& path, QString* error);

}  // namespace casewright
