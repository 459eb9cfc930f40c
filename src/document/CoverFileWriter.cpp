#include "document/CoverFileWriter.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileFormat.h"
#include "document/Cp1252Codec.h"

namespace casewright {

namespace {

QString Tagged(const QString& key, const QString& value) {
    return QLatin1Char('[') + key + QStringLiteral("]=") + value + QStringLiteral("[END") + key +
           QLatin1Char(']');
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

CoverFileWriteResult ImageReadFailure(const QFile& image) {
    return Failure(QStringLiteral("Unable to read the image \"%1\" for the cover: %2")
                       .arg(QDir::toNativeSeparators(image.fileName()), image.errorString()));
}

// Appends one image block; the image file is copied byte for byte.
CoverFileWriteResult AppendImageBlock(QSaveFile& out, int block, const QString& imagePath) {
    QByteArray data;
    if (!imagePath.isEmpty()) {
        QFile image(imagePath);
        if (!image.open(QIODevice::ReadOnly)) {
            return ImageReadFailure(image);
        }
        data = image.readAll();
        if (image.error() != QFileDevice::NoError) {
            return ImageReadFailure(image);
        }
    }
    out.write(CoverFileFormat::ImageStartMarker(block));
    out.write(data);
    out.write(CoverFileFormat::ImageEndMarker(block));
    return {};
}

}  // namespace

QByteArray CoverFileTextSection(const CoverDocument& doc) {
    QString text = QString::fromLatin1(CoverFileFormat::BeginTag());
    for (const CoverFileField& field : CoverFileFields()) {
        if (const std::optional<QString> value = FormatCoverField(doc, field)) {
            text += Tagged(QLatin1String(field.key), *value);
        }
    }
    // A NUL would end the text section for every reader; no edit box gives one.
    text.remove(QChar(u'\0'));
    if (Cp1252Codec::canEncode(text)) {
        return Cp1252Codec::encode(text) + CoverFileFormat::EndTag();
    }
    text += Tagged(CoverFileFormat::CharsetKey(), CoverFileFormat::Utf8CharsetName());
    return text.toUtf8() + CoverFileFormat::EndTag();
}

CoverFileWriteResult WriteCoverFile(const CoverDocument& doc, const QString& path) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return CoverWriteFailure(path, out.errorString());
    }
    out.write(CoverFileTextSection(doc));
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const CoverFileWriteResult appended =
            AppendImageBlock(out, block, ImageSourcePath(doc, block));
        if (!appended) {
            out.cancelWriting();
            return appended;
        }
    }
    if (!out.commit()) {
        return CoverWriteFailure(path, out.errorString());
    }
    return {};
}

}  // namespace casewright
