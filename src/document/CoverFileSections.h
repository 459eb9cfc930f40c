#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

#include "document/CoverFileFormat.h"

namespace casewright {

// The two parts of a cover file's bytes: the tagged text section before the
// first "[END]", decoded, and the four image blocks after it. Tags are found
// by their first occurrence. The bytes are shared, not copied: the image
// blocks are views into them.
class CoverFileSections {
public:
    // Nothing when there is no "[END]" before the first NUL byte: then the
    // bytes are not a cover file.
    static std::optional<CoverFileSections> parse(const QByteArray& bytes);

    const QString& text() const { return text_; }
    bool isUtf8() const { return utf8_; }

    // The text between "[key]=" and "[ENDkey]"; empty when either tag is
    // missing or the closing tag comes first. In a UTF-8 text section the
    // breaks that kept tags out of the value are taken out again.
    QString value(QLatin1String key) const;
    QString value(const QString& key) const { return value(QLatin1String(key.toLatin1())); }

    // A block's bytes; empty when it holds no image.
    QByteArrayView imageBlock(int block) const;

    // The image path stored for a block, and the extension its temporary
    // file gets: from the path's last "." to its end, ".tmp" without one.
    QString storedImagePath(int block) const;
    QString imageExtension(int block) const;

    // Blocks whose picture the design names (a stored path) but which hold
    // no image: a marker is missing or out of place, or the file was cut
    // short. The design opens without those pictures.
    QVector<int> damagedImageBlocks() const;

private:
    void findImageBlocks(qsizetype imageSectionStart);

    QByteArray bytes_;
    QString text_;
    bool utf8_ = false;
    struct Span {
        qsizetype at = 0;
        qsizetype size = 0;
    };
    std::array<Span, CoverFileFormat::kImageBlockCount> images_{};
};

}  // namespace casewright
