#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace casewright {

// What a file manager shows for a cover file: the side a case shows in a
// shop, fitted into a square. That is the front cover of a standard CD case,
// the front half of a DVD wrap (right of the spine), the front panel of a
// slimline CD insert (right of its spine strip); the disc label for a design
// whose front holds no picture, no text and only the white background.
//
// Everything comes from the cover file's bytes: the pictures are decoded from
// the image blocks in memory, at the smallest scale that still fills the
// thumbnail, so nothing is written anywhere and a large photograph costs a
// fraction of a full decode.
struct CoverThumbnail {
    QImage image;  // null on failure
    QString problem;

    // At most `side` pixels wide and high, keeping the front's proportions.
    static CoverThumbnail draw(const QByteArray& coverFile, int side);

    static constexpr int kMinSide = 16;
    static constexpr int kMaxSide = 2048;
};

}  // namespace casewright
