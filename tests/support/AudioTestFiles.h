#pragma once

#include <QByteArray>
#include <QString>

namespace casewright {

// Minimal but valid audio files of the formats the track importers read,
// built byte by byte (silent, or with no audio data at all where the format
// states its length in a header), and tags written into them with TagLib
// itself. Lengths are exact to the millisecond, and for WAV and FLAC to the
// sample.
namespace AudioTestFiles {

enum class Format { Mp3, Flac, OggVorbis, Opus, M4a, Wav };

// The file name ending of a format ("mp3", "flac", "ogg", "opus", "m4a", "wav").
QString Ending(Format format);

// The bytes of an untagged file running for `seconds` (MP3: to 36 ms).
QByteArray Bytes(Format format, int seconds);

// A WAV file of `cdFrames` CD frames (1/75 s each), one sample per frame.
QByteArray WavOfCdFrames(qint64 cdFrames);

struct Tags {
    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    int track = 0;
    int disc = 0;
};

// Writes the file and tags it (empty tags stay unset); false on failure.
bool Write(const QString& path, Format format, int seconds, const Tags& tags = {});
bool WriteBytes(const QString& path, const QByteArray& bytes);

}  // namespace AudioTestFiles

}  // namespace casewright
