#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "images/FreeImageFileReader.h"
#include "images/FreeImageSession.h"
#include "images/ImageLoader.h"
#include "support/HostileImageFiles.h"

namespace casewright {

namespace {

namespace Files = HostileImageFiles;
using Problem = ImageFileProblem;

constexpr qint64 kKilobyte = 1024;
constexpr qint64 kMegabyte = 1024 * kKilobyte;

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

class ImageLoaderLimitsTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString file = dir_.filePath(name);
        EXPECT_TRUE(Files::write(file, bytes)) << name.toStdString();
        return file;
    }

    static ImageReadResult readWithin(const QString& file, qint64 maxDecodingBytes) {
        ImageReadRequest request;
        request.limits.maxDecodingBytes = maxDecodingBytes;
        return FreeImageFileReader::read(file, request);
    }

    FreeImageSession session_;
    QTemporaryDir dir_;
};

}  // namespace

// Files of a few bytes to a megabyte that announce pictures costing gigabytes
// or minutes are refused from their headers, before memory for their pixels
// is taken, and the refusal says which limit they break.
TEST_F(ImageLoaderLimitsTest, HostileFilesAreRefusedFromTheirHeaders) {
    struct Case {
        const char* name;
        QByteArray bytes;
        Problem problem;
    };
    const Case cases[] = {
        {"giant.bmp", Files::bitmapClaiming(20000, 20000), Problem::TooManyPixels},
        {"giant.png", Files::png(20000, 20000), Problem::TooManyPixels},
        {"giant.gif", Files::gifFrameClaiming(20000, 20000), Problem::TooManyPixels},
        {"giant.jpg", Files::progressiveJpeg(20000, 20000, 1), Problem::TooManyPixels},
        {"deep.png", Files::png(14000, 14000, 16, 2), Problem::TooMuchMemory},
        {"wide.png", Files::png(14000, 14000, 8, 2), Problem::TooMuchMemory},
        {"float.tif", Files::floatTiff(10000, 10000), Problem::FloatingPoint},
        // Few pixels, but 0x7003 samples a pixel, which the decoder takes for
        // three when it makes its bitmap and reads through a row of gigabytes.
        {"samples.tif", Files::tiffOfSamples(65000, 4, 0x7003, 16), Problem::TooMuchMemory},
        {"frame.gif", Files::gifFrameClaiming(14000, 14000), Problem::TooMuchMemory},
        {"inside.ico", Files::iconHolding(Files::png(14000, 14000)), Problem::TooMuchMemory},
        {"scans.jpg", Files::progressiveJpeg(14000, 14000, 2000), Problem::TooManyScans},
    };
    const long peakBefore = peakResidentKilobytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(c.name, c.bytes);

        const ImageFileCheck check = CheckImageFile(file);

        EXPECT_EQ(check.problem, c.problem);
        EXPECT_FALSE(check.reason.isEmpty());
        EXPECT_TRUE(LoadImageFile(file).isNull());
    }
    EXPECT_LT(peakResidentKilobytes() - peakBefore, 100 * 1024);
}

// The same shapes at a modest size decode, so the refusals above come from
// what the headers announce and not from how the files are made.
TEST_F(ImageLoaderLimitsTest, HostileShapesAtAModestSizeStillLoad) {
    struct Case {
        const char* name;
        QByteArray bytes;
        QSize size;
    };
    const Case cases[] = {
        {"small.bmp", Files::bitmapClaiming(2, 2), QSize(2, 2)},
        {"deep.png", Files::png(40, 30, 16, 6), QSize(40, 30)},
        {"inside.ico", Files::iconHolding(Files::png(40, 30)), QSize(40, 30)},
        {"scans.jpg", Files::progressiveJpeg(64, 48, 100), QSize(64, 48)},
        {"flat.jpg", Files::flatJpeg(64, 48, 3), QSize(64, 48)},
        {"samples.tif", Files::tiffOfSamples(40, 30, 3, 16), QSize(40, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(c.name, c.bytes);

        const QImage loaded = LoadImageFile(file);

        EXPECT_EQ(loaded.size(), c.size);
        EXPECT_TRUE(CheckImageFile(file).drawable());
    }
    EXPECT_EQ(LoadImageFile(dir_.filePath("small.bmp")).pixel(0, 0), qRgb(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(LoadImageFile(dir_.filePath("flat.jpg")).pixel(10, 10), qRgb(128, 128, 128));
    EXPECT_EQ(LoadImageFile(dir_.filePath("samples.tif")).pixel(5, 5), qRgb(0x40, 0x40, 0x40));
}

// Memory, not pixels, decides: a picture of 16 bits per channel costs more
// than one of 8 at the same size, a multi-scan JPEG needs its coefficients at
// full size, and a JPEG that is too costly whole is decoded at the largest
// scale that fits instead of being refused.
TEST_F(ImageLoaderLimitsTest, DecodingMemoryDecidesAndJpegFilesAreReducedToFit) {
    struct Case {
        const char* name;
        QByteArray bytes;
        qint64 maxBytes;
        QSize size;  // empty: refused for memory
    };
    const Case cases[] = {
        {"rgb8.png", Files::png(200, 100, 8, 2), 150 * kKilobyte, QSize(200, 100)},
        {"rgb16.png", Files::png(200, 100, 16, 2), 150 * kKilobyte, QSize()},
        {"rgb16-roomy.png", Files::png(200, 100, 16, 2), 250 * kKilobyte, QSize(200, 100)},
        {"whole.jpg", Files::flatJpeg(1600, 1200, 3), 16 * kMegabyte, QSize(1600, 1200)},
        {"half.jpg", Files::flatJpeg(1600, 1200, 3), 4 * kMegabyte, QSize(800, 600)},
        {"quarter.jpg", Files::flatJpeg(1600, 1200, 3), 1 * kMegabyte, QSize(400, 300)},
        {"eighth.jpg", Files::flatJpeg(1600, 1200, 3), 300 * kKilobyte, QSize(200, 150)},
        {"none.jpg", Files::flatJpeg(1600, 1200, 3), 100 * kKilobyte, QSize()},
        {"baseline.jpg", Files::flatJpeg(1024, 1024, 1), 2 * kMegabyte, QSize(512, 512)},
        {"progressive.jpg", Files::progressiveJpeg(1024, 1024, 2), 3 * kMegabyte, QSize(512, 512)},
        {"coefficients.jpg", Files::progressiveJpeg(1024, 1024, 2), 2 * kMegabyte, QSize()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = write(c.name, c.bytes);

        const ImageReadResult read = readWithin(file, c.maxBytes);

        EXPECT_EQ(read.image.size(), c.size.isEmpty() ? QSize(0, 0) : c.size);
        EXPECT_EQ(read.check.problem, c.size.isEmpty() ? Problem::TooMuchMemory : Problem::None);
        EXPECT_FALSE(read.reducedForRequest);
    }
}

// Each scan passes over every block of its components, however little data
// it holds: the number of scans and the blocks they pass over are bounded.
TEST_F(ImageLoaderLimitsTest, JpegFilesOfTooManyScansOrBlockPassesAreRefused) {
    struct Case {
        int scans;
        int maxScans;
        qint64 maxBlockPasses;
        bool refused;
    };
    const qint64 blocksPerScan = (64 / 8) * (64 / 8);
    for (const Case& c :
         {Case{1, 10, 1000, false}, Case{10, 10, 1000, false}, Case{11, 10, 1000, true},
          Case{10, 100, 10 * blocksPerScan, false}, Case{10, 100, 10 * blocksPerScan - 1, true},
          Case{500, ImageLimits().maxJpegScans, ImageLimits().maxJpegBlockPasses, true}}) {
        SCOPED_TRACE(c.scans);
        const QString file = write(QStringLiteral("scans%1.jpg").arg(c.scans),
                                   Files::progressiveJpeg(64, 64, c.scans));
        ImageReadRequest request;
        request.limits.maxJpegScans = c.maxScans;
        request.limits.maxJpegBlockPasses = c.maxBlockPasses;

        const ImageReadResult read = FreeImageFileReader::read(file, request);

        EXPECT_EQ(read.check.problem, c.refused ? Problem::TooManyScans : Problem::None);
        EXPECT_EQ(read.image.isNull(), c.refused);
    }
}

// A pipe with no writer would block the read forever and a device such as
// /dev/zero never ends: only regular files are image sources.
TEST_F(ImageLoaderLimitsTest, OnlyRegularFilesAreRead) {
    ASSERT_TRUE(Files::makeFifo(dir_.filePath("pipe.png")));
    ASSERT_TRUE(QFile::link("/dev/zero", dir_.filePath("zero.jpg")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.png"));
    struct Case {
        const char* name;
        Problem problem;
    };
    for (const Case& c :
         {Case{"pipe.png", Problem::NotRegularFile}, Case{"zero.jpg", Problem::NotRegularFile},
          Case{"folder.png", Problem::NotRegularFile}, Case{"nowhere.png", Problem::Missing}}) {
        SCOPED_TRACE(c.name);
        const QString file = dir_.filePath(c.name);

        EXPECT_EQ(CheckImageFile(file).problem, c.problem);
        EXPECT_TRUE(LoadImageFile(file).isNull());
        EXPECT_TRUE(FreeImageFileReader::readReduced(file, 60).isNull());
    }
}

// A file is only drawable when its pixels decode, not merely its header.
TEST_F(ImageLoaderLimitsTest, NamesAndContentsTheDecoderCannotReadAreUndrawable) {
    QByteArray damaged = Files::png(64, 64);
    const qsizetype idat = damaged.indexOf("IDAT");
    damaged.replace(idat + 6, 8, QByteArray(8, '\xA5'));
    const QString jpegNamedPng = dir_.filePath("photo.jpg.png");
    ASSERT_TRUE(Files::write(jpegNamedPng, Files::flatJpeg(16, 16, 1)));
    struct Case {
        QString file;
        Problem problem;
    };
    for (const Case& c :
         {Case{write("damaged.png", damaged), Problem::Undecodable},
          Case{write("garbage.gif", "not a picture at all"), Problem::Undecodable},
          Case{write("float.tif", Files::floatTiff(40, 30)), Problem::FloatingPoint},
          Case{jpegNamedPng, Problem::Undecodable},
          Case{write("tmpfront.tmp", Files::png(4, 4)), Problem::UnknownFormat}}) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(CheckImageFile(c.file).problem, c.problem);
        EXPECT_TRUE(LoadImageFile(c.file).isNull());
    }
}

// Previews ask for what they draw: a large JPEG file comes at the coarsest
// scale that still fills it, while a smaller picture comes whole as before.
TEST_F(ImageLoaderLimitsTest, ReducedReadsKeepAtLeastTheRequestedSize) {
    const QString file = write("photo.jpg", Files::flatJpeg(1600, 1200, 3));
    struct Case {
        QSize atLeast;
        qint64 reduceAbovePixels;
        QSize size;
    };
    for (const Case& c :
         {Case{QSize(150, 150), 0, QSize(200, 150)}, Case{QSize(201, 100), 0, QSize(400, 300)},
          Case{QSize(1000, 10), 0, QSize(1600, 1200)},
          Case{QSize(150, 150), 1600 * 1200, QSize(1600, 1200)}}) {
        SCOPED_TRACE(c.atLeast.width());
        ImageReadRequest request;
        request.atLeast = c.atLeast;
        request.reduceAbovePixels = c.reduceAbovePixels;

        const ImageReadResult read = FreeImageFileReader::read(file, request);

        EXPECT_EQ(read.image.size(), c.size);
        EXPECT_EQ(read.fullSize, QSize(1600, 1200));
        EXPECT_EQ(read.reducedForRequest, c.size != QSize(1600, 1200));
    }
}

// A picture held in memory, such as a cover file's image block, is read as
// its file would be: the same format choice by name, the same limits and
// refusals, the same pixels and the same reduced decoding.
TEST_F(ImageLoaderLimitsTest, PicturesInMemoryReadAsTheirFilesDo) {
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"giant.png", Files::png(20000, 20000)},
        {"wide.png", Files::png(14000, 14000, 8, 2)},
        {"scans.jpg", Files::progressiveJpeg(14000, 14000, 2000)},
        {"frame.gif", Files::gifFrameClaiming(14000, 14000)},
        {"float.tif", Files::floatTiff(10000, 10000)},
        {"small.bmp", Files::bitmapClaiming(2, 2)},
        {"deep.png", Files::png(40, 30, 16, 6)},
        {"inside.ico", Files::iconHolding(Files::png(40, 30))},
        {"flat.jpg", Files::flatJpeg(640, 480, 3)},
        {"flat.jpg.unknown", Files::flatJpeg(64, 48, 3)},
        {"cut.jpg", Files::flatJpeg(64, 48, 3).left(20)},
        {"empty.png", QByteArray()},
        // A frame cut short, whose decoder seeks past the end and reads on:
        // held in memory it once never ended.
        {"cut.gif", QByteArray::fromHex("47494638396104000400f0000000800000000021f9040000000000"
                                        "2c000000000400270400040204848f0905003b")},
    };
    ImageReadRequest reduced;
    reduced.atLeast = QSize(100, 100);
    for (const Case& c : cases) {
        for (const ImageReadRequest& request : {ImageReadRequest(), reduced}) {
            SCOPED_TRACE(std::string(c.name) + (request.atLeast.isEmpty() ? " whole" : " reduced"));
            const ImageReadResult fromFile =
                FreeImageFileReader::read(write(c.name, c.bytes), request);
            const ImageReadResult fromMemory =
                FreeImageFileReader::readBytes(c.bytes, QString::fromLatin1(c.name), request);
            EXPECT_EQ(fromMemory.check.problem, fromFile.check.problem);
            EXPECT_EQ(fromMemory.fullSize, fromFile.fullSize);
            EXPECT_EQ(fromMemory.reducedForRequest, fromFile.reducedForRequest);
            EXPECT_EQ(fromMemory.image, fromFile.image);
        }
    }
}

// Headers the decoder trusts beyond its limits are checked first: an icon
// whose picture header gives a bit count no bitmap has (the decoder wrote
// past its bitmap), and a PNG chunk longer than the file (the decoder took
// and cleared gigabytes for a text chunk of a 300-byte file).
TEST_F(ImageLoaderLimitsTest, HeadersThatCannotBeTrueAreRefusedBeforeDecoding) {
    QByteArray png = Files::png(8, 8);
    EXPECT_TRUE(CheckImageFile(write("whole.png", png)).drawable());
    png.chop(12);  // IEND
    png += QByteArray::fromHex("624a3c25") + "tEXtComment";
    const long peakBefore = peakResidentKilobytes();
    const ImageFileCheck longChunk = CheckImageFile(write("long-chunk.png", png));
    EXPECT_EQ(longChunk.problem, Problem::Undecodable);
    EXPECT_LT(peakResidentKilobytes() - peakBefore, 100 * 1024);

    for (const quint16 bitCount : {0, 2, 256, 32}) {
        SCOPED_TRACE(bitCount);
        QByteArray icon = QByteArray::fromHex(
            "0000010001001010000001002000680400001600000028000000"
            "100000002000000001000000000000000000");
        icon[36] = char(bitCount & 0xFF);
        icon[37] = char(bitCount >> 8);
        icon += QByteArray(18, '\0') + QByteArray(1088, '\x7f');  // header, pixels and mask
        const ImageFileCheck check = CheckImageFile(write("depth.ico", icon));
        EXPECT_EQ(check.drawable(), bitCount == 32) << check.reason.toStdString();
    }
}

}  // namespace casewright
