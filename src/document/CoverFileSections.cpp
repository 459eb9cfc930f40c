#include "document/CoverFileSections.h"

#include <QHash>

#include "document/CoverFileFields.h"
#include "document/CoverFileTagEscape.h"
#include "document/Cp1252Codec.h"
#include "document/TotalTimeField.h"

namespace casewright {

namespace {

const char* const kImagePathKeys[CoverFileFormat::kImageBlockCount] = {"fImagePath", "bImagePath",
                                                                       "sImagePath", "dImagePath"};

// The opening and closing tag of a key. Every field is looked up on every
// read, so the tags of the format's own keys are spelled once.
struct KeyTags {
    QString open;
    QString close;

    explicit KeyTags(QLatin1String key)
        : open(QLatin1Char('[') + key + QLatin1Char(']')),
          close(QLatin1String("[END") + key + QLatin1Char(']')) {}
};

const QHash<QLatin1String, KeyTags>& KnownKeyTags() {
    static const QHash<QLatin1String, KeyTags> tags = [] {
        QHash<QLatin1String, KeyTags> all;
        for (const CoverFileField& field : CoverFileFields()) {
            all.insert(QLatin1String(field.key), KeyTags(QLatin1String(field.key)));
        }
        all.insert(CoverFileFormat::CharsetKey(), KeyTags(CoverFileFormat::CharsetKey()));
        all.insert(TotalTimeField::Key(), KeyTags(TotalTimeField::Key()));
        return all;
    }();
    return tags;
}

}  // namespace

std::optional<CoverFileSections> CoverFileSections::parse(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView beforeNul =
        nul < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(nul);
    const qsizetype end = beforeNul.indexOf(CoverFileFormat::EndTag());
    if (end < 0) {
        return std::nullopt;
    }

    CoverFileSections sections;
    sections.bytes_ = bytes;
    const QByteArrayView textBytes = QByteArrayView(bytes).first(end);
    sections.text_ = Cp1252Codec::decode(textBytes);
    if (sections.value(CoverFileFormat::CharsetKey()) == CoverFileFormat::Utf8CharsetName()) {
        sections.utf8_ = true;
        sections.text_ = QString::fromUtf8(textBytes);
    }
    // Image markers are looked for only after the text section, so that a
    // text which happens to contain one cannot pull an image block into it.
    sections.findImageBlocks(end + CoverFileFormat::EndTag().size());
    return sections;
}

QString CoverFileSections::value(QLatin1String key) const {
    const auto known = KnownKeyTags().constFind(key);
    const KeyTags tags = known != KnownKeyTags().cend() ? *known : KeyTags(key);
    const qsizetype openAt = text_.indexOf(tags.open);
    const qsizetype closeAt = text_.indexOf(tags.close);
    if (openAt < 0 || closeAt < 0) {
        return QString();
    }
    const qsizetype valueAt = openAt + tags.open.size() + 1;  // skips the "="
    if (closeAt <= valueAt) {
        return QString();
    }
    const QString stored = text_.mid(valueAt, closeAt - valueAt);
    return utf8_ ? CoverFileTagEscape::restore(stored) : stored;
}

QByteArrayView CoverFileSections::imageBlock(int block) const {
    const Span span = images_.at(block);
    return QByteArrayView(bytes_).sliced(span.at, span.size);
}

QString CoverFileSections::storedImagePath(int block) const {
    return value(QLatin1String(kImagePathKeys[block]));
}

QString CoverFileSections::imageExtension(int block) const {
    const QString stored = storedImagePath(block);
    const qsizetype dot = stored.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QStringLiteral(".tmp") : stored.mid(dot);
}

QVector<int> CoverFileSections::damagedImageBlocks() const {
    QVector<int> damaged;
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        if (images_.at(block).size == 0 && !storedImagePath(block).isEmpty()) {
            damaged << block;
        }
    }
    return damaged;
}

void CoverFileSections::findImageBlocks(qsizetype imageSectionStart) {
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QByteArray startMarker = CoverFileFormat::ImageStartMarker(block);
        const qsizetype startAt = bytes_.indexOf(startMarker, imageSectionStart);
        const qsizetype endAt =
            bytes_.indexOf(CoverFileFormat::ImageEndMarker(block), imageSectionStart);
        if (startAt < 0 || endAt < 0) {
            continue;
        }
        const qsizetype dataAt = startAt + startMarker.size();
        if (endAt > dataAt) {
            images_[block] = Span{dataAt, endAt - dataAt};
        }
    }
}

}  // namespace casewright
