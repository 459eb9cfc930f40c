#include "document/CoverFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/SettingsStore.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileSections.h"
#include "document/TemporaryImageWriter.h"
#include "document/TrackListingFlattener.h"

namespace casewright {

namespace {

// Larger files are refused rather than read: no design holds this much.
constexpr qint64 kMaxCoverFileSize = qint64(1) << 30;

const char* const kImagePathKeys[CoverFileFormat::kImageBlockCount] = {"fImagePath", "bImagePath",
                                                                       "sImagePath", "dImagePath"};

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
QString EmptyDiscValue(const QString& key, int screenDpiY) {
    if (key == QLatin1String("dBGColor")) {
        return QString::number(kWhite);
    }
    if (key == QLatin1String("dCoverTextFontFace")) {
        return QStringLiteral("Arial");
    }
    if (key == QLatin1String("dCoverTextFontHeight")) {
        return QString::number(
            CoverDocument::DefaultFontHeight(CoverDocument::kDiscPoints, screenDpiY));
    }
    if (key == QLatin1String("dCoverTextFontItalic") ||
        key == QLatin1String("dCoverTextFontStrikeout") ||
        key == QLatin1String("dCoverTextFontUnderline")) {
        return QStringLiteral("FALSE");
    }
    return QString();
}

void ApplyFields(CoverDocument& doc, const CoverFileSections& sections, int screenDpiY) {
    for (const CoverFileField& field : CoverFileFields()) {
        if (!field.readBack || field.form == CoverFieldForm::Path) {
            continue;
        }
        const QString key = QLatin1String(field.key);
        QString value = sections.value(key);
        if (value.isEmpty()) {
            value = EmptyDiscValue(key, screenDpiY);
        }
        ApplyCoverField(doc, field, value);
    }
    if (doc.covertype == CoverTypeStandardCD) {
        doc.fCoverText = TrackListingFlattener::flatten(doc.fCoverText);
    }
    for (LogFont* font : {&doc.fCoverTextFont, &doc.bCoverTextFont, &doc.dCoverTextFont}) {
        if (font->charSet == 0) {
            font->charSet = 1;  // DEFAULT_CHARSET
        }
    }
}

void ExtractImages(CoverDocument& doc, const CoverFileSections& sections,
                   const QString& tempFolder) {
    const TemporaryImageWriter writer(tempFolder);
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QString storedPath = sections.value(QLatin1String(kImagePathKeys[block]));
        ImagePathOf(doc, block) = writer.write(block, TemporaryImageWriter::extensionOf(storedPath),
                                               sections.imageBlock(block));
    }
}

void StoreCoverTypeSetting(int coverType) {
    SettingsStore settings;
    settings.Option = static_cast<uint32_t>(coverType);
    settings.save();
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) ||
        file.size() > kMaxCoverFileSize) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

QString DefaultTemporaryImageFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

CoverFileReadOutcome ReadCoverFile(CoverDocument& doc, const QString& path, int screenDpiY,
                                   const QString& tempFolder) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return CoverFileReadOutcome::NoFile;
    }
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        return CoverFileReadOutcome::Unreadable;
    }
    const std::optional<CoverFileSections> sections = CoverFileSections::parse(*bytes);
    if (!sections) {
        return CoverFileReadOutcome::Invalid;
    }
    ApplyFields(doc, *sections, screenDpiY);
    StoreCoverTypeSetting(doc.covertype);
    ExtractImages(doc, *sections,
                  tempFolder.isEmpty() ? DefaultTemporaryImageFolder() : tempFolder);
    doc.coverChanged = false;
    return CoverFileReadOutcome::Loaded;
}

}  // namespace casewright
