#include <gtest/gtest.h>
#include <QIcon>
#include <QImage>
#include <QImageReader>

#include "controls/Artwork.h"

namespace casewright {

namespace {

struct Expected {
    const char* path;
    QSize size;
};

TEST(ArtworkTest, EveryPictureLoadsAtItsSize) {
    const Expected pictures[] = {
        {Artwork::kStartOver, {24, 24}},
        {Artwork::kSave, {24, 24}},
        {Artwork::kLoad, {24, 24}},
        {Artwork::kHelp, {24, 24}},
        {Artwork::kExit, {24, 24}},
        {Artwork::kChooseColor, {24, 24}},
        {Artwork::kCoverText, {24, 24}},
        {Artwork::kFont, {24, 24}},
        {Artwork::kViewFront, {24, 24}},
        {Artwork::kViewBack, {24, 24}},
        {Artwork::kViewDisc, {24, 24}},
        {Artwork::kChooseImage, {24, 24}},
        {Artwork::kClearImage, {24, 24}},
        {Artwork::kPrint, {24, 24}},
        {Artwork::kCancel, {24, 24}},
        {Artwork::kOk, {24, 24}},
        {Artwork::kInsertTrack, {24, 24}},
        {Artwork::kRemoveTrack, {24, 24}},
        {Artwork::kCheckBoxChecked, {16, 16}},
        {Artwork::kCheckBoxUnchecked, {16, 16}},
        {Artwork::kApplicationIcon, {64, 64}},
        {Artwork::kAlignLeft, {20, 16}},
        {Artwork::kAlignCenter, {20, 16}},
        {Artwork::kAlignRight, {20, 16}},
        {Artwork::kChooseTemplate, {24, 24}},
        {Artwork::kLogo, {220, 56}},
        {Artwork::kDialogBackground, {400, 300}},
    };
    for (const Expected& picture : pictures) {
        const QImage image(QString::fromLatin1(picture.path));
        ASSERT_FALSE(image.isNull()) << picture.path;
        EXPECT_EQ(image.size(), picture.size) << picture.path;
        EXPECT_FALSE(QIcon(QString::fromLatin1(picture.path)).pixmap(picture.size).isNull())
            << picture.path;
    }
}

TEST(ArtworkTest, KeyedBitmapsHaveMagentaCornersAndIconsTransparentOnes) {
    for (const char* path : {Artwork::kAlignLeft, Artwork::kAlignCenter, Artwork::kAlignRight,
                             Artwork::kChooseTemplate}) {
        const QImage image =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 255)) << path;
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 0, 255)) << path;
    }
    for (const char* path : {Artwork::kSave, Artwork::kCheckBoxChecked, Artwork::kOk}) {
        const QImage image =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << path;
    }
}

TEST(ArtworkTest, AlignmentBitmapsLeanTheWayTheyName) {
    // The short lines of each bitmap touch the left edge, both or the right edge of the long ones.
    auto shortLineSpan = [](const char* path) {
        const QImage image =
            QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_RGB32);
        const int y = 5;  // a short line
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 0, 255)) {
                first = first < 0 ? x : first;
                last = x;
            }
        }
        return std::make_pair(first, last);
    };
    EXPECT_EQ(shortLineSpan(Artwork::kAlignLeft).first, 2);
    EXPECT_EQ(shortLineSpan(Artwork::kAlignRight).second, 17);
    const auto centre = shortLineSpan(Artwork::kAlignCenter);
    EXPECT_EQ(centre.first + centre.second, 19);
}

}  // namespace

}  // namespace casewright
