#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "document/CoverFileFormat.h"

namespace casewright {

// The two parts of a cover file's bytes: the tagged text section before the
// first "[END]", decoded, and the four image blocks after it. Tags are found
// by their first occurrence; nothing is escaped in the format.
class CoverFileSections {
public:
    // Nothing when there is no "[END]" before the first NUL byte: then the
    // bytes are not a cover file.
    static std::optional<CoverFileSections> parse(const QByteArray& bytes);

    const QString& text() const { return text_; }
    bool isUtf8() const { return utf8_; }

    // The text between "[key]=" and "[ENDkey]"; empty when either tag is
    // missing or the closing tag comes first.
    QString value(const QString& key) const;

    // A block's bytes; empty when it holds no image.
    const QByteArray& imageBlock(int block) const { return images_.at(block); }

private:
    void findImageBlocks(const QByteArray& bytes, qsizetype imageSectionStart);

    QString text_;
    bool utf8_ = false;
    std::array<QByteArray, CoverFileFormat::kImageBlockCount> images_;
};

}  // namespace casewright
