#include "support/AudioTestFiles.h"

#include <taglib/fileref.h>
#include <taglib/tag.h>
#include <taglib/tpropertymap.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

namespace casewright {

namespace AudioTestFiles {

namespace {

void Le(QByteArray& bytes, quint64 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void Be(QByteArray& bytes, quint64 value, int size) {
    for (int i = size - 1; i >= 0; --i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// PCM, 16-bit mono; an even data size keeps RIFF free of a pad byte.
QByteArray Wav(quint32 sampleRate, quint32 samples) {
    const QByteArray data(static_cast<qsizetype>(samples) * 2, '\0');
    QByteArray bytes("RIFF");
    Le(bytes, 4 + 24 + 8 + data.size(), 4);
    bytes += "WAVEfmt ";
    Le(bytes, 16, 4);
    Le(bytes, 1, 2);  // PCM
    Le(bytes, 1, 2);  // mono
    Le(bytes, sampleRate, 4);
    Le(bytes, sampleRate * 2, 4);  // bytes a second
    Le(bytes, 2, 2);               // block size
    Le(bytes, 16, 2);              // bits a sample
    bytes += "data";
    Le(bytes, data.size(), 4);
    return bytes + data;
}

// MPEG-1 Layer III frames at 32 kbit/s, 32 kHz, mono: 144 bytes and 36 ms each.
QByteArray Mp3(int seconds) {
    QByteArray frame(144, '\0');
    frame[0] = static_cast<char>(0xFF);
    frame[1] = static_cast<char>(0xFB);
    frame[2] = static_cast<char>(0x18);
    frame[3] = static_cast<char>(0xC0);
    return frame.repeated(seconds * 1000 / 36);
}

// A STREAMINFO block stating the sample count, and no audio frames.
QByteArray Flac(int seconds) {
    const quint64 rate = 44100;
    QByteArray bytes("fLaC");
    bytes.append(static_cast<char>(0x80));  // last metadata block: STREAMINFO
    Be(bytes, 34, 3);
    Be(bytes, 4096, 2);
    Be(bytes, 4096, 2);
    Be(bytes, 0, 6);
    Be(bytes, (rate << 44) | (quint64(15) << 36) | (rate * seconds), 8);  // mono, 16 bits
    return bytes + QByteArray(16, '\0');
}

quint32 OggCrc(const QByteArray& page) {
    quint32 crc = 0;
    for (const char byte : page) {
        crc ^= static_cast<quint32>(static_cast<unsigned char>(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
    }
    return crc;
}

QByteArray OggPage(const QList<QByteArray>& packets, char type, quint64 granule, int sequence) {
    QByteArray segments;
    QByteArray body;
    for (const QByteArray& packet : packets) {
        qsizetype left = packet.size();
        for (; left >= 255; left -= 255) {
            segments.append(static_cast<char>(255));
        }
        segments.append(static_cast<char>(left));
        body += packet;
    }
    QByteArray page("OggS");
    page.append('\0');
    page.append(type);
    Le(page, granule, 8);
    Le(page, 0x43415345, 4);  // stream serial number
    Le(page, sequence, 4);
    Le(page, 0, 4);  // checksum, filled in below
    page.append(static_cast<char>(segments.size()));
    page += segments + body;
    const quint32 crc = OggCrc(page);
    for (int i = 0; i < 4; ++i) {
        page[22 + i] = static_cast<char>((crc >> (8 * i)) & 0xFF);
    }
    return page;
}

QByteArray CommentPacket(const QByteArray& magic) {
    QByteArray packet = magic;
    Le(packet, 4, 4);
    packet += "test";
    Le(packet, 0, 4);
    return packet;
}

// Identification, comment and setup headers, then one page ending at the
// last sample.
QByteArray OggVorbis(int seconds) {
    const quint32 rate = 44100;
    QByteArray id("\x01vorbis");
    Le(id, 0, 4);
    id.append('\x01');
    Le(id, rate, 4);
    Le(id, 0, 4);
    Le(id, 64000, 4);
    Le(id, 0, 4);
    id.append(static_cast<char>(0xB8));
    id.append('\x01');
    const QByteArray comment = CommentPacket("\x03vorbis") + '\x01';
    const QByteArray setup = QByteArray("\x05vorbis") + QByteArray(8, '\0');
    return OggPage({id}, 2, 0, 0) + OggPage({comment, setup}, 0, 0, 1) +
           OggPage({QByteArray(10, '\0')}, 4, quint64(rate) * seconds, 2);
}

QByteArray Opus(int seconds) {
    QByteArray head("OpusHead");
    head.append('\x01');
    head.append('\x01');
    Le(head, 0, 2);  // pre-skip
    Le(head, 48000, 4);
    Le(head, 0, 2);
    head.append('\0');
    return OggPage({head}, 2, 0, 0) + OggPage({CommentPacket("OpusTags")}, 0, 0, 1) +
           OggPage({QByteArray(10, '\0')}, 4, 48000ull * seconds, 2);
}

QByteArray Atom(const char* type, const QByteArray& body) {
    QByteArray atom;
    Be(atom, 8 + body.size(), 4);
    return atom + type + body;
}

// ftyp, and a moov with one sound track whose media header states the length.
QByteArray M4a(int seconds) {
    const quint32 scale = 44100;
    QByteArray mvhd(4, '\0');
    Be(mvhd, 0, 8);
    Be(mvhd, scale, 4);
    Be(mvhd, quint64(scale) * seconds, 4);
    Be(mvhd, 0x00010000, 4);
    Be(mvhd, 0x0100, 2);
    mvhd += QByteArray(10 + 36 + 24, '\0');
    Be(mvhd, 2, 4);
    QByteArray mdhd(4, '\0');
    Be(mdhd, 0, 8);
    Be(mdhd, scale, 4);
    Be(mdhd, quint64(scale) * seconds, 4);
    Be(mdhd, 0x55C4, 2);
    Be(mdhd, 0, 2);
    const QByteArray hdlr = QByteArray(8, '\0') + "soun" + QByteArray(13, '\0');
    QByteArray mp4a(6, '\0');
    Be(mp4a, 1, 2);
    Be(mp4a, 0, 8);
    Be(mp4a, 1, 2);   // channels
    Be(mp4a, 16, 2);  // bits a sample
    Be(mp4a, 0, 4);
    Be(mp4a, quint64(scale) << 16, 4);
    QByteArray stsd(4, '\0');
    Be(stsd, 1, 4);
    stsd += Atom("mp4a", mp4a);
    const QByteArray mdia =
        Atom("mdhd", mdhd) + Atom("hdlr", hdlr) + Atom("minf", Atom("stbl", Atom("stsd", stsd)));
    const QByteArray moov = Atom("mvhd", mvhd) + Atom("trak", Atom("mdia", mdia));
    QByteArray ftyp("M4A ");
    Be(ftyp, 0, 4);
    ftyp += "M4A mp42isom";
    return Atom("ftyp", ftyp) + Atom("moov", moov) + Atom("mdat", QByteArray(16, '\0'));
}

TagLib::String ToTagLib(const QString& text) {
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

bool Tag(const QString& path, const Tags& tags) {
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileRef ref(name.constData());
    if (ref.isNull()) {
        return false;
    }
    TagLib::Tag* tag = ref.tag();
    tag->setTitle(ToTagLib(tags.title));
    tag->setArtist(ToTagLib(tags.artist));
    tag->setAlbum(ToTagLib(tags.album));
    tag->setTrack(static_cast<unsigned>(tags.track));
    TagLib::PropertyMap properties = ref.file()->properties();
    if (!tags.albumArtist.isEmpty()) {
        properties.replace("ALBUMARTIST", TagLib::StringList(ToTagLib(tags.albumArtist)));
    }
    if (tags.disc > 0) {
        properties.replace("DISCNUMBER", TagLib::StringList(ToTagLib(QString::number(tags.disc))));
    }
    return ref.file()->setProperties(properties).isEmpty() && ref.save();
}

}  // namespace

QString Ending(Format format) {
    switch (format) {
        case Format::Mp3:
            return QStringLiteral("mp3");
        case Format::Flac:
            return QStringLiteral("flac");
        case Format::OggVorbis:
            return QStringLiteral("ogg");
        case Format::Opus:
            return QStringLiteral("opus");
        case Format::M4a:
            return QStringLiteral("m4a");
        case Format::Wav:
            break;
    }
    return QStringLiteral("wav");
}

QByteArray Bytes(Format format, int seconds) {
    switch (format) {
        case Format::Mp3:
            return Mp3(seconds);
        case Format::Flac:
            return Flac(seconds);
        case Format::OggVorbis:
            return OggVorbis(seconds);
        case Format::Opus:
            return Opus(seconds);
        case Format::M4a:
            return M4a(seconds);
        case Format::Wav:
            break;
    }
    return Wav(75, static_cast<quint32>(seconds) * 75);
}

QByteArray WavOfCdFrames(qint64 cdFrames) {
    return Wav(75, static_cast<quint32>(cdFrames));
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool Write(const QString& path, Format format, int seconds, const Tags& tags) {
    const bool tagged = !tags.title.isEmpty() || !tags.artist.isEmpty() || !tags.album.isEmpty() ||
                        !tags.albumArtist.isEmpty() || tags.track > 0 || tags.disc > 0;
    return WriteBytes(path, Bytes(format, seconds)) && (!tagged || Tag(path, tags));
}

}  // namespace AudioTestFiles

}  // namespace casewright
