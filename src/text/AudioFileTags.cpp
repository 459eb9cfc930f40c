#include "text/AudioFileTags.h"

#include <utility>

#include <taglib/aifffile.h>
#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>
#include <QFile>
#include <QFileInfo>

#include "text/ImportedAlbum.h"
#include "text/TrackLength.h"

namespace casewright {

namespace {

QString FromTagLib(const TagLib::String& text) {
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

QString Property(const TagLib::PropertyMap& properties, const char* key) {
    const TagLib::PropertyMap::ConstIterator it = properties.find(key);
    return it == properties.end() || it->second.isEmpty() ? QString()
                                                          : FromTagLib(it->second.front());
}

// "2/3" and "2" give 2.
int LeadingNumber(const QString& text) {
    return text.section(QLatin1Char('/'), 0, 0).trimmed().toInt();
}

// The sample count, for the formats that state it.
std::optional<std::pair<qint64, int>> CountedSamples(TagLib::File* file) {
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file); wav && wav->audioProperties()) {
        return std::make_pair(qint64(wav->audioProperties()->sampleFrames()),
                              wav->audioProperties()->sampleRate());
    }
    if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file);
        aiff && aiff->audioProperties()) {
        return std::make_pair(qint64(aiff->audioProperties()->sampleFrames()),
                              aiff->audioProperties()->sampleRate());
    }
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file); flac && flac->audioProperties()) {
        return std::make_pair(qint64(flac->audioProperties()->sampleFrames()),
                              flac->audioProperties()->sampleRate());
    }
    if (auto* wv = dynamic_cast<TagLib::WavPack::File*>(file); wv && wv->audioProperties()) {
        return std::make_pair(qint64(wv->audioProperties()->sampleFrames()),
                              wv->audioProperties()->sampleRate());
    }
    return std::nullopt;
}

qint64 CdFramesOf(TagLib::File* file, qint64 milliseconds) {
    const std::optional<std::pair<qint64, int>> samples = CountedSamples(file);
    if (samples && samples->first > 0 && samples->second > 0) {
        return samples->first * TrackLength::kCdFramesPerSecond / samples->second;
    }
    return milliseconds < 0 ? -1 : milliseconds * TrackLength::kCdFramesPerSecond / 1000;
}

}  // namespace

bool IsAudioFileName(const QString& path) {
    static const QStringList kEndings = {"mp3", "flac", "ogg",  "oga", "opus", "m4a",
                                         "wav", "aif",  "aiff", "wv",  "ape",  "wma"};
    return kEndings.contains(QFileInfo(path).suffix().toLower());
}

std::optional<AudioFileTags> ReadAudioFileTags(const QString& path, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef ref(name.constData(), true, TagLib::AudioProperties::Accurate);
    // TagLib takes any bytes for an MP3 or a WAV file, but finds no audio stream in them.
    if (ref.isNull() || !ref.file()->isValid() || !ref.audioProperties() ||
        ref.audioProperties()->sampleRate() <= 0) {
        *error = QFileInfo::exists(path)
                     ? ImportMessage(path, QStringLiteral("not an audio file that can be read"))
                     : QStringLiteral("cannot read \"%1\": no such file").arg(path);
        return std::nullopt;
    }
    const TagLib::PropertyMap properties = ref.file()->properties();
    AudioFileTags tags;
    if (const TagLib::Tag* tag = ref.tag()) {
        tags.title = FromTagLib(tag->title());
        tags.artist = FromTagLib(tag->artist());
        tags.album = FromTagLib(tag->album());
        tags.track = static_cast<int>(tag->track());
    }
    tags.albumArtist = Property(properties, "ALBUMARTIST");
    tags.disc = LeadingNumber(Property(properties, "DISCNUMBER"));
    if (tags.track == 0) {
        tags.track = LeadingNumber(Property(properties, "TRACKNUMBER"));
    }
    tags.milliseconds = ref.audioProperties()->lengthInMilliseconds();
    tags.cdFrames = CdFramesOf(ref.file(), tags.milliseconds);
    return tags;
}

}  // namespace casewright
