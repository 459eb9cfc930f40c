#include "document/CoverFileWriter.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <array>

#include "document/AtomicFileWriter.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileTagEscape.h"
#include "document/Cp1252Codec.h"
#include "document/ImageMetadataScrub.h"
#include "document/ImagePlacementFields.h"
#include "document/RegularFile.h"
#include "document/TotalTimeField.h"

namespace casewright {

namespace {

using CoverFileFormat::kImageBlockCount;

void AppendTagged(QString& text, QLatin1String key, const QString& value) {
    text += QLatin1Char('[');
    text += key;
    text += QLatin1String("]=");
    text += value;
    text += QLatin1String("[END");
    text += key;
    text += QLatin1Char(']');
}

const QString& ImageSourcePath(const CoverDocument& doc, int block) {
    switch (block) {
        case CoverFileFormat::FrontBlock:
            return doc.fImagePath;
        case CoverFileFormat::BackBlock:
            return doc.bImagePath;
        case CoverFileFormat::StretchBlock:
            return doc.sImagePath;
        default:
            return doc.dImagePath;
    }
}

CoverFileWriteResult Failure(const QString& message) {
    return CoverFileWriteResult{false, message};
}

CoverFileWriteResult CoverWriteFailure(const QString& path, const QString& reason) {
    return Failure(QStringLiteral("Unable to save the cover to \"%1\": %2")
                       .arg(QDir::toNativeSeparators(path), reason));
}

CoverFileWriteResult ImageReadFailure(const QString& imagePath, const QString& reason) {
    return Failure(QStringLiteral("Unable to read the image \"%1\" for the cover: %2")
                       .arg(QDir::toNativeSeparators(imagePath), reason));
}

QString Megabytes(qint64 bytes) {
    return QString::number((bytes + (1 << 20) - 1) >> 20);
}

QByteArray FirstMarkerIn(const QByteArray& data) {
    for (const QByteArray& marker : CoverFileFormat::ImageMarkers()) {
        if (data.contains(marker)) {
            return marker;
        }
    }
    return QByteArray();
}

qint64 ImageSectionOverhead() {
    qint64 size = 0;
    for (const QByteArray& marker : CoverFileFormat::ImageMarkers()) {
        size += marker.size();
    }
    return size;
}

// The images of a design, opened before anything is read, so that a design
// too large for a cover file is refused without reading its pictures.
class ImageSources {
public:
    explicit ImageSources(const CoverDocument& doc) {
        for (int block = 0; block < kImageBlockCount; ++block) {
            paths_[block] = ImageSourcePath(doc, block);
            files_[block].setFileName(paths_[block]);
        }
    }

    CoverFileWriteResult open(qint64* totalSize) {
        for (int block = 0; block < kImageBlockCount; ++block) {
            if (paths_[block].isEmpty()) {
                continue;
            }
            QString reason;
            if (!OpenRegularFileForReading(files_[block], &reason)) {
                return ImageReadFailure(paths_[block], reason);
            }
            *totalSize += files_[block].size();
        }
        return {};
    }

    // Reads one image; never more than `limit` bytes, should it grow.
    CoverFileWriteResult read(int block, qint64 limit, QByteArray* data) {
        if (paths_[block].isEmpty()) {
            return {};
        }
        QFile& file = files_[block];
        // One byte more than expected shows a file that grew meanwhile.
        const qint64 expected = std::min(limit, file.size());
        *data = file.read(expected + 1);
        if (file.error() != QFileDevice::NoError) {
            return ImageReadFailure(paths_[block], file.errorString());
        }
        if (data->size() > expected) {
            return ImageReadFailure(paths_[block],
                                    QStringLiteral("it grew while the cover was being saved"));
        }
        return storableForm(block, data);
    }

private:
    // An image whose bytes hold a block marker would end its block early or
    // start a phantom one when the file is read. Texts inside the image are
    // the usual carrier and can go without changing the picture; otherwise
    // the save is refused.
    CoverFileWriteResult storableForm(int block, QByteArray* data) const {
        const QByteArray marker = FirstMarkerIn(*data);
        if (marker.isEmpty()) {
            return {};
        }
        if (std::optional<QByteArray> scrubbed =
                ImageMetadataScrub::withoutStrings(*data, CoverFileFormat::ImageMarkers())) {
            *data = std::move(*scrubbed);
            return {};
        }
        return Failure(
            QStringLiteral("The image \"%1\" cannot be stored in a cover file: its data holds the "
                           "text \"%2\", which the file uses to mark where an image ends. Save the "
                           "image again in another format, or choose another image.")
                .arg(QDir::toNativeSeparators(paths_[block]), QString::fromLatin1(marker)));
    }

    std::array<QString, kImageBlockCount> paths_;
    std::array<QFile, kImageBlockCount> files_;
};

CoverFileWriteResult TooLarge(qint64 size) {
    return Failure(QStringLiteral("The cover cannot be saved: with its images it would take %1 MB, "
                                  "more than the %2 MB a cover file can hold. Choose smaller "
                                  "images.")
                       .arg(Megabytes(size), Megabytes(CoverFileFormat::kMaxFileSize)));
}

}  // namespace

QByteArray CoverFileTextSection(const CoverDocument& doc) {
    QString text = QString::fromLatin1(CoverFileFormat::BeginTag());
    text.reserve(4096);
    for (const CoverFileField& field : CoverFileFields()) {
        if (std::optional<QString> value = FormatCoverField(doc, field)) {
            // A NUL would end the text section for every reader; no edit box
            // gives one. It goes first, so that no tag closes up behind it.
            value->remove(QChar(u'\0'));
            AppendTagged(text, QLatin1String(field.key), CoverFileTagEscape::protect(*value));
        }
    }
    // Pictures' placements: extra fields, none for a stretched picture.
    for (const auto& [key, value] : ImagePlacementFields::Written(doc)) {
        AppendTagged(text, QLatin1String(key.toLatin1()), value);
    }
    text += TotalTimeField::Tagged(doc);
    // The tag breaks have no Windows-1252 byte: a value that needed one
    // sends the whole section to UTF-8.
    if (const std::optional<QByteArray> bytes = Cp1252Codec::encodeExactly(text)) {
        return *bytes + CoverFileFormat::EndTag();
    }
    AppendTagged(text, CoverFileFormat::CharsetKey(), CoverFileFormat::Utf8CharsetName());
    return text.toUtf8() + CoverFileFormat::EndTag();
}

CoverFileWriteResult WriteCoverFile(const CoverDocument& doc, const QString& path) {
    const QByteArray text = CoverFileTextSection(doc);
    ImageSources images(doc);
    qint64 size = text.size() + ImageSectionOverhead();
    if (const CoverFileWriteResult opened = images.open(&size); !opened) {
        return opened;
    }
    if (size > CoverFileFormat::kMaxFileSize) {
        return TooLarge(size);
    }

    std::array<QByteArray, kImageBlockCount> data;
    qint64 room = CoverFileFormat::kMaxFileSize - text.size() - ImageSectionOverhead();
    for (int block = 0; block < kImageBlockCount; ++block) {
        if (const CoverFileWriteResult read = images.read(block, room, &data[block]); !read) {
            return read;
        }
        room -= data[block].size();
    }

    AtomicFileWriter out(path);
    out.open();
    out.write(text);
    for (int block = 0; block < kImageBlockCount; ++block) {
        out.write(CoverFileFormat::ImageStartMarker(block));
        out.write(data[block]);
        out.write(CoverFileFormat::ImageEndMarker(block));
    }
    if (!out.commit()) {
        return CoverWriteFailure(path, out.errorString());
    }
    return {};
}

}  // namespace casewright
