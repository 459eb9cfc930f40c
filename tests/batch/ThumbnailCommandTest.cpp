#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdlib>
#include <functional>

#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileWriter.h"
#include "support/HostileImageFiles.h"

namespace casewright {

namespace {

const QColor kFront(220, 0, 0);
const QColor kBack(0, 0, 220);
const QColor kDisc(0, 160, 0);

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray Solid(const QColor& colour) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    return Png(image);
}

// Blue on the left, red on the right: a DVD wrap's back and front.
QByteArray Halves() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(kBack);
    QPainter(&image).fillRect(20, 0, 20, 30, kFront);
    return Png(image);
}

// A design's cover file with the given image blocks (front, back, stretch,
// disc), each named as a PNG file unless a name is given.
struct Images {
    QByteArray blocks[CoverFileFormat::kImageBlockCount];
    const char* name = "picture.png";
};

QByteArray CoverFile(int coverType, const Images& images,
                     const std::function<void(CoverDocument&)>& edit) {
    CoverDocument doc;
    doc.ResetToNewDesign(coverType, 96);
    doc.fShowBorder = doc.bShowBorder = doc.dShowBorder = false;
    QString* paths[] = {&doc.fImagePath, &doc.bImagePath, &doc.sImagePath, &doc.dImagePath};
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        if (!images.blocks[block].isEmpty()) {
            *paths[block] = QStringLiteral("/designs/") + QLatin1String(images.name);
        }
    }
    if (edit) {
        edit(doc);
    }
    QByteArray file = CoverFileTextSection(doc);
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        file += CoverFileFormat::ImageStartMarker(block) + images.blocks[block] +
                CoverFileFormat::ImageEndMarker(block);
    }
    return file;
}

class ThumbnailCommandTest : public BatchTest {
protected:
    Run Thumbnail(const QByteArray& cover, const QStringList& options = {}) {
        WriteBytes(tempPath("in.jkt"), cover);
        return RunCommand(QStringList{"thumbnail"} + options +
                          QStringList{tempPath("in.jkt"), tempPath("out.png")});
    }
    static QColor At(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }
};

}  // namespace

// The thumbnail shows the side a case shows: the front cover, the front half
// of a DVD wrap, the front panel of a slimline insert; the disc when the
// front is blank. Each is fitted into the square, keeping its proportions.
TEST_F(ThumbnailCommandTest, DrawsTheFrontFittedIntoTheSquare) {
    struct Case {
        const char* name;
        int coverType;
        Images images;
        std::function<void(CoverDocument&)> edit;
        QSize size;
        QColor centre;
        QColor corner;
    };
    const Case cases[] = {
        {"standard CD",
         CoverTypeStandardCD,
         {{Solid(kFront), Solid(kBack), {}, Solid(kDisc)}},
         {},
         QSize(256, 256),
         kFront,
         kFront},
        {"DVD over the whole wrap",
         CoverTypeStandardDVD,
         {{{}, {}, Halves(), {}}},
         [](CoverDocument& doc) { doc.CoverOption = 0; },
         QSize(181, 256),
         kFront,
         kFront},
        {"slimline DVD, front and back",
         CoverTypeSlimlineDVD,
         {{Solid(kFront), Solid(kBack), {}, {}}},
         [](CoverDocument& doc) { doc.CoverOption = 1; },
         QSize(183, 256),
         kFront,
         kFront},
        {"slimline CD insert",
         CoverTypeSlimlineCD,
         {{{}, Solid(kFront), {}, Solid(kDisc)}},
         [](CoverDocument& doc) {
             doc.bBGColor = FromQColor(kBack);
             doc.bBackPrintOverSpines = false;
         },
         QSize(256, 223),
         kFront,
         kFront},
        {"blank front",
         CoverTypeStandardCD,
         {{{}, Solid(kBack), {}, Solid(kDisc)}},
         [](CoverDocument& doc) { doc.printOverInnerCircleDisc = true; },
         QSize(256, 256),
         kDisc,
         Qt::white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Run run = Thumbnail(CoverFile(c.coverType, c.images, c.edit));
        ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        const QImage image(tempPath("out.png"));
        ASSERT_EQ(image.size(), c.size);
        EXPECT_EQ(At(image, image.width() / 2, image.height() / 2), c.centre);
        EXPECT_EQ(At(image, 3, 3), c.corner);
    }
    const Run small = Thumbnail(
        CoverFile(CoverTypeStandardDVD, {}, [](CoverDocument& doc) { doc.fCoverTitle = "Night"; }),
        {"-s", "64"});
    ASSERT_EQ(small.code, kExitOk) << small.err.toStdString();
    EXPECT_EQ(QImage(tempPath("out.png")).size(), QSize(46, 64));
}

// A file that is no cover, or whose front picture would cost too much to
// decode for a thumbnail, gets none: exit 1 and nothing written, an earlier
// image at OUT left as it was.
TEST_F(ThumbnailCommandTest, HostileFilesGetNoThumbnail) {
    namespace Files = HostileImageFiles;
    struct Case {
        const char* name;
        QByteArray file;
    };
    const auto front = [](const QByteArray& bytes, const char* name) {
        Images images;
        images.blocks[CoverFileFormat::FrontBlock] = bytes;
        images.name = name;
        return CoverFile(CoverTypeStandardCD, images, {});
    };
    const Case cases[] = {
        {"no cover file", QByteArrayLiteral("[BEGIN][covertype]=1[ENDcovertype]")},
        {"unknown case type",
         CoverFile(CoverTypeStandardCD, {}, [](CoverDocument& doc) { doc.covertype = 9; })},
        {"giant picture", front(Files::png(20000, 20000), "giant.png")},
        {"picture too large for a thumbnail", front(Files::png(7000, 6000), "large.png")},
        {"endless scans", front(Files::progressiveJpeg(14000, 14000, 2000), "scans.jpg")},
        {"samples of gigabytes", front(Files::tiffOfSamples(65000, 4, 0x7003, 16), "many.tif")},
    };
    WriteBytes(tempPath("out.png"), "earlier");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Run run = Thumbnail(c.file);
        EXPECT_EQ(run.code, kExitFailure);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(ReadBytes(tempPath("out.png")), "earlier");
    }
    const QStringList bad[] = {{"-s", "0"}, {"-s", "big"}};
    for (const QStringList& options : bad) {
        EXPECT_EQ(Thumbnail(front(Solid(kFront), "a.png"), options).code, kExitUsage);
    }
    EXPECT_EQ(RunCommand({"thumbnail", tempPath("in.jkt")}).code, kExitUsage);
}

// A cover that cannot be drawn in the time a file manager waits ends the
// process with exit 1 before anything is written, whatever the drawing is
// busy with. The limit is forced with a picture that takes far longer to
// decode than the millisecond given.
TEST_F(ThumbnailCommandTest, OutOfTimeEndsWithNoThumbnail) {
    QImage picture(2000, 2000, QImage::Format_RGB32);
    picture.fill(kFront);
    Images images;
    images.blocks[CoverFileFormat::FrontBlock] = Png(picture);
    WriteBytes(tempPath("in.jkt"), CoverFile(CoverTypeStandardCD, images, {}));
    const QStringList args{tempPath("in.jkt"), tempPath("out.png")};
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must see this test's folder
    EXPECT_EXIT(
        {
            QString ignored;
            QTextStream out(&ignored);
            RunThumbnailCommand(args, BatchIo{out, out}, std::chrono::milliseconds(1));
            std::_Exit(kExitOk);
        },
        testing::ExitedWithCode(kExitFailure), "out of time");
    EXPECT_FALSE(QFileInfo::exists(tempPath("out.png")));
}

}  // namespace casewright
