#include "document/CoverFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/ImagePlacementFields.h"
#include "document/RegularFile.h"
#include "document/TemporaryImageWriter.h"
#include "document/TotalTimeField.h"
#include "document/TrackListingFlattener.h"

namespace casewright {

namespace {

QString& ImagePathOf(CoverDocument& doc, int block) {
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

// What an empty or missing value of a disc field reads as, where the disc
// differs from the general rule of its form.
QString EmptyDiscValue(QLatin1String key, int fontDpi) {
    if (key == QLatin1String("dBGColor")) {
        return QString::number(kWhite);
    }
    if (key == QLatin1String("dCoverTextFontFace")) {
        return QStringLiteral("Arial");
    }
    if (key == QLatin1String("dCoverTextFontHeight")) {
        return QString::number(
            CoverDocument::DefaultFontHeight(CoverDocument::kDiscPoints, fontDpi));
    }
    if (key == QLatin1String("dCoverTextFontItalic") ||
        key == QLatin1String("dCoverTextFontStrikeout") ||
        key == QLatin1String("dCoverTextFontUnderline")) {
        return QStringLiteral("FALSE");
    }
    return QString();
}

void ApplyFields(CoverDocument& doc, const CoverFileSections& sections, int fontDpi) {
    for (const CoverFileField& field : CoverFileFields()) {
        if (!field.readBack || field.form == CoverFieldForm::Path) {
            continue;
        }
        const QLatin1String key(field.key);
        QString value = sections.value(key);
        if (value.isEmpty()) {
            value = EmptyDiscValue(key, fontDpi);
        }
        ApplyCoverField(doc, field, value);
    }
    ImagePlacementFields::Apply(doc, sections);
    if (doc.covertype == CoverTypeStandardCD) {
        doc.fCoverText = TrackListingFlattener::flatten(doc.fCoverText);
    }
    for (LogFont* font : {&doc.fCoverTextFont, &doc.bCoverTextFont, &doc.dCoverTextFont}) {
        if (font->charSet == 0) {
            font->charSet = 1;  // DEFAULT_CHARSET
        }
    }
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        ImagePathOf(doc, block).clear();
    }
}

}  // namespace

std::optional<CoverFileSections> ParseCoverFile(const QByteArray& bytes, CoverDocument& doc,
                                                int fontDpi) {
    std::optional<CoverFileSections> sections = CoverFileSections::parse(bytes);
    if (sections) {
        ApplyFields(doc, *sections, fontDpi);
        doc.showTotalTime = TotalTimeField::Read(*sections);
        doc.coverChanged = false;
    }
    return sections;
}

std::optional<QByteArray> ReadCoverFileBytes(const QString& path, qint64 maxSize) {
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason) || file.size() > maxSize) {
        return std::nullopt;
    }
    // One byte more than its size shows a file that grew meanwhile.
    const qint64 size = file.size();
    QByteArray bytes = file.read(size + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > size) {
        return std::nullopt;
    }
    return bytes;
}

CoverFileReadResult ReadCoverFile(CoverDocument& doc, const QString& path, int fontDpi,
                                  const QString& imageFolder) {
    CoverFileReadResult result;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        result.outcome = CoverFileReadOutcome::NoFile;
        return result;
    }
    const std::optional<QByteArray> bytes = ReadCoverFileBytes(path);
    if (!bytes) {
        result.outcome = CoverFileReadOutcome::Unreadable;
        return result;
    }
    const std::optional<CoverFileSections> sections = ParseCoverFile(*bytes, doc, fontDpi);
    if (!sections) {
        result.outcome = CoverFileReadOutcome::Invalid;
        return result;
    }
    result.outcome = CoverFileReadOutcome::Loaded;
    result.lostImages = sections->damagedImageBlocks();
    const TemporaryImageWriter writer(imageFolder);
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QByteArrayView data = sections->imageBlock(block);
        result.imageBlockSizes[block] = data.size();
        ImagePathOf(doc, block) = writer.write(block, sections->imageExtension(block), data);
        if (!data.isEmpty() && ImagePathOf(doc, block).isEmpty()) {
            result.lostImages << block;
        }
    }
    std::sort(result.lostImages.begin(), result.lostImages.end());
    return result;
}

QString LostImagesMessage(const QVector<int>& blocks) {
    QStringList names;
    for (const int block : blocks) {
        names << QStringLiteral("the ") + CoverFileFormat::ImageBlockName(block);
    }
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    const QString list =
        names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    return QStringLiteral(
               "The %1 of %2 could not be recovered: the image data in the cover file is "
               "damaged or could not be extracted. The rest of the cover has been opened.")
        .arg(blocks.size() > 1 ? QStringLiteral("pictures") : QStringLiteral("picture"), list);
}

}  // namespace casewright
