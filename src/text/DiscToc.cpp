#include "text/DiscToc.h"

#include <QFileInfo>
#include <QStringList>
#include <memory>

#include "text/CueSheetImport.h"
#include "text/ImportedAlbum.h"

extern "C" {
#include <discid/discid.h>
}

namespace casewright {

namespace {

// The gap between the audio session and the data session of an enhanced CD
// (a lead-out, a lead-in and a pregap), which the data track's start includes.
constexpr int kSessionGapFrames = 11400;
constexpr int kMaxTracks = 99;

struct DiscIdDeleter {
    void operator()(DiscId* disc) const { discid_free(disc); }
};
using DiscIdHandle = std::unique_ptr<DiscId, DiscIdDeleter>;

QString UnknownLengthMessage(const CueSheet& sheet,
                             const std::vector<std::optional<qint64>>& fileFrames,
                             const QString& what) {
    for (size_t i = 0; i < fileFrames.size(); ++i) {
        if (!fileFrames[i]) {
            return QStringLiteral("%1 depends on the length of \"%2\", which cannot be read")
                .arg(what, sheet.files[i].name);
        }
    }
    return what;
}

}  // namespace

QString DiscToc::text() const {
    QStringList parts = {QString::number(firstTrack), QString::number(lastTrack),
                         QString::number(leadOut)};
    for (int offset : trackOffsets) {
        parts << QString::number(offset);
    }
    return parts.join(QLatin1Char(' '));
}

bool DiscToc::operator==(const DiscToc& other) const {
    return firstTrack == other.firstTrack && lastTrack == other.lastTrack &&
           trackOffsets == other.trackOffsets && leadOut == other.leadOut;
}

std::optional<QString> MusicBrainzDiscId(const DiscToc& toc, QString* error) {
    const int count = toc.lastTrack - toc.firstTrack + 1;
    if (toc.firstTrack < 1 || toc.lastTrack > kMaxTracks || count < 1 ||
        static_cast<int>(toc.trackOffsets.size()) != count) {
        *error = QStringLiteral(
                     "a table of contents needs tracks numbered 1 to 99, one offset "
                     "each (tracks %1 to %2, %3 offsets)")
                     .arg(toc.firstTrack)
                     .arg(toc.lastTrack)
                     .arg(toc.trackOffsets.size());
        return std::nullopt;
    }
    // libdiscid takes the lead-out first, then the offsets indexed by track number.
    std::vector<int> offsets(kMaxTracks + 1, 0);
    offsets[0] = toc.leadOut;
    for (int i = 0; i < count; ++i) {
        offsets[static_cast<size_t>(toc.firstTrack + i)] = toc.trackOffsets[static_cast<size_t>(i)];
    }
    const DiscIdHandle disc(discid_new());
    if (!discid_put(disc.get(), toc.firstTrack, toc.lastTrack, offsets.data())) {
        *error = QStringLiteral("impossible table of contents (%1): %2")
                     .arg(toc.text(), QString::fromUtf8(discid_get_error_msg(disc.get())));
        return std::nullopt;
    }
    return QString::fromLatin1(discid_get_id(disc.get()));
}

QString DefaultCdDrive() {
    return QString::fromLocal8Bit(discid_get_default_device());
}

std::optional<DiscToc> ReadCdDriveToc(const QString& device, QString* error) {
    const QString drive = device.isEmpty() ? DefaultCdDrive() : device;
    const QByteArray name = drive.toLocal8Bit();
    const DiscIdHandle disc(discid_new());
    if (!discid_read_sparse(disc.get(), name.constData(), 0)) {
        *error = QStringLiteral("cannot read the CD in \"%1\": %2")
                     .arg(drive, QString::fromLocal8Bit(discid_get_error_msg(disc.get())));
        return std::nullopt;
    }
    DiscToc toc;
    toc.firstTrack = discid_get_first_track_num(disc.get());
    toc.lastTrack = discid_get_last_track_num(disc.get());
    toc.leadOut = discid_get_sectors(disc.get());
    for (int track = toc.firstTrack; track <= toc.lastTrack; ++track) {
        toc.trackOffsets.push_back(discid_get_track_offset(disc.get(), track));
    }
    return toc;
}

std::optional<DiscToc> CueSheetToc(const CueSheet& sheet,
                                   const std::vector<std::optional<qint64>>& fileFrames,
                                   QString* error) {
    size_t audioEnd = sheet.tracks.size();
    while (audioEnd > 0 && !sheet.tracks[audioEnd - 1].audio) {
        --audioEnd;
    }
    if (audioEnd == 0) {
        *error = QStringLiteral("the cue sheet holds no audio track");
        return std::nullopt;
    }
    const CueDiscLayout layout = LayOutCueSheet(sheet, fileFrames);
    DiscToc toc;
    toc.firstTrack = sheet.tracks.front().number;
    toc.lastTrack = sheet.tracks[audioEnd - 1].number;
    for (size_t i = 0; i < audioEnd; ++i) {
        const CueSheet::Track& track = sheet.tracks[i];
        if (track.number != toc.firstTrack + static_cast<int>(i)) {
            *error = QStringLiteral(
                         "track %1 follows track %2; a disc numbers its tracks "
                         "one after another")
                         .arg(track.number)
                         .arg(sheet.tracks[i - 1].number);
            return std::nullopt;
        }
        if (!layout.trackStarts[i]) {
            *error = UnknownLengthMessage(
                sheet, fileFrames, QStringLiteral("where track %1 starts").arg(track.number));
            return std::nullopt;
        }
        toc.trackOffsets.push_back(static_cast<int>(*layout.trackStarts[i]) +
                                   DiscToc::kLeadInFrames);
    }
    if (audioEnd < sheet.tracks.size() && layout.trackStarts[audioEnd]) {
        toc.leadOut = static_cast<int>(*layout.trackStarts[audioEnd]) + DiscToc::kLeadInFrames -
                      kSessionGapFrames;
    } else if (audioEnd == sheet.tracks.size() && layout.discEnd) {
        toc.leadOut = static_cast<int>(*layout.discEnd) + DiscToc::kLeadInFrames;
    } else {
        *error = UnknownLengthMessage(sheet, fileFrames, QStringLiteral("where the disc ends"));
        return std::nullopt;
    }
    return toc;
}

std::optional<DiscToc> ReadCueSheetToc(const QString& path, QString* error) {
    const std::optional<CueSheet> sheet = ReadCueSheet(path, error);
    if (!sheet) {
        return std::nullopt;
    }
    QString why;
    std::optional<DiscToc> toc =
        CueSheetToc(*sheet, CueSheetFileFrames(*sheet, QFileInfo(path).absolutePath()), &why);
    if (!toc) {
        *error = ImportMessage(path, why);
    }
    return toc;
}

}  // namespace casewright
