#include "document/CoverFileSections.h"

#include "document/Cp1252Codec.h"

namespace casewright {

std::optional<CoverFileSections> CoverFileSections::parse(const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArrayView beforeNul =
        nul < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(nul);
    const qsizetype end = beforeNul.indexOf(CoverFileFormat::EndTag());
    if (end < 0) {
        return std::nullopt;
    }

    CoverFileSections sections;
    const QByteArray textBytes = bytes.left(end);
    sections.text_ = Cp1252Codec::decode(textBytes);
    if (sections.value(CoverFileFormat::CharsetKey()) == CoverFileFormat::Utf8CharsetName()) {
        sections.utf8_ = true;
        sections.text_ = QString::fromUtf8(textBytes);
    }
    // Image markers are looked for only after the text section, so that a
    // text which happens to contain one cannot pull an image block into it.
    sections.findImageBlocks(bytes, end + CoverFileFormat::EndTag().size());
    return sections;
}

QString CoverFileSections::value(const QString& key) const {
    const QString open = QLatin1Char('[') + key + QLatin1Char(']');
    const QString close = QStringLiteral("[END") + key + QLatin1Char(']');
    const qsizetype openAt = text_.indexOf(open);
    const qsizetype closeAt = text_.indexOf(close);
    if (openAt < 0 || closeAt < 0) {
        return QString();
    }
    const qsizetype valueAt = openAt + open.size() + 1;  // skips the "="
    if (closeAt <= valueAt) {
        return QString();
    }
    return text_.mid(valueAt, closeAt - valueAt);
}

void CoverFileSections::findImageBlocks(const QByteArray& bytes, qsizetype imageSectionStart) {
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QByteArray startMarker = CoverFileFormat::ImageStartMarker(block);
        const qsizetype startAt = bytes.indexOf(startMarker, imageSectionStart);
        const qsizetype endAt =
            bytes.indexOf(CoverFileFormat::ImageEndMarker(block), imageSectionStart);
        if (startAt < 0 || endAt < 0) {
            continue;
        }
        const qsizetype dataAt = startAt + startMarker.size();
        if (endAt > dataAt) {
            images_[block] = bytes.mid(dataAt, endAt - dataAt);
        }
    }
}

}  // namespace casewright
