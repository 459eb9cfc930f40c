#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>

#include "CoverFileTestSupport.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"
#include "document/ImageMetadataScrub.h"
#include "support/TinyFileSystem.h"

namespace casewright {

namespace {

QImage Picture() {
    QImage image(16, 8, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 16, y * 32, 255 - x * 16));
        }
    }
    return image;
}

// The picture encoded in a format, with a text that holds `comment`.
QByteArray Encoded(const char* format, const QString& comment) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(100);
    writer.setText(QStringLiteral("Comment"), comment);
    EXPECT_TRUE(writer.write(Picture())) << writer.errorString().toStdString();
    return bytes;
}

bool HoldsAMarker(const QByteArray& bytes) {
    for (const QByteArray& marker : CoverFileFormat::ImageMarkers()) {
        if (bytes.contains(marker)) {
            return true;
        }
    }
    return false;
}

}  // namespace

class CoverFileWriterSafetyTest : public CoverFileTest {
protected:
    // A design with one front image of `bytes`, or none when empty.
    CoverDocument DesignWithFrontImage(const QByteArray& bytes, const QString& name) {
        CoverDocument doc = NewDesign();
        doc.fCoverTitle = QStringLiteral("NEW");
        if (!bytes.isEmpty()) {
            doc.fImagePath = tempPath(name);
            WriteBytes(doc.fImagePath, bytes);
        }
        return doc;
    }

    CoverFileReadResult ReadBack(const QString& path, CoverDocument& doc) {
        doc = NewDesign();
        return ReadCoverFile(doc, path, 96, imageFolder());
    }
};

// A full disk fails the save with a message and leaves the old cover as it
// was, also when there is room for part of the new one.
TEST_F(CoverFileWriterSafetyTest, AFullDiskFailsTheSaveAndKeepsTheOldCover) {
    TinyFileSystem disk(1024);
    ASSERT_TRUE(disk.mounted()) << "mounting a tmpfs needs root";
    const QString cover = disk.path(QStringLiteral("F.jkt"));
    CoverDocument old = DesignWithFrontImage(QByteArray(100 * 1024, 'o'), "old.bmp");
    old.fCoverTitle = QStringLiteral("OLD");
    ASSERT_TRUE(WriteCoverFile(old, cover));
    const QByteArray oldBytes = ReadBytes(cover);

    const CoverDocument design = DesignWithFrontImage(QByteArray(300 * 1024, 'n'), "new.bmp");
    for (const int kilobytesLeft : {0, 150}) {
        SCOPED_TRACE(QStringLiteral("%1 KB free").arg(kilobytesLeft).toStdString());
        disk.fill(kilobytesLeft);
        const CoverFileWriteResult result = WriteCoverFile(design, cover);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.errorMessage.contains(cover)) << result.errorMessage.toStdString();
        EXPECT_EQ(ReadBytes(cover), oldBytes);
        EXPECT_EQ(QDir(disk.path(QString())).entryList(QDir::Files),
                  QStringList({"F.jkt", "filler"}));
    }
    CoverDocument reread;
    ASSERT_TRUE(ReadBack(cover, reread).loaded());
    EXPECT_EQ(reread.fCoverTitle, "OLD");
}

TEST_F(CoverFileWriterSafetyTest, ADesignTooLargeForTheReaderIsRefusedBeforeItsImagesAreRead) {
    const QString cover = tempPath("big.jkt");
    WriteBytes(cover, "old cover");
    CoverDocument doc = NewDesign();
    doc.fImagePath = tempPath("huge.bmp");
    QFile huge(doc.fImagePath);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    // Sparse: as large as the reader takes, so with the text it is too much.
    ASSERT_TRUE(huge.resize(CoverFileFormat::kMaxFileSize));
    huge.close();

    const CoverFileWriteResult result = WriteCoverFile(doc, cover);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.errorMessage.contains("1024 MB a cover file can hold"))
        << result.errorMessage.toStdString();
    EXPECT_EQ(ReadBytes(cover), "old cover");
}

TEST_F(CoverFileWriterSafetyTest, OnlyRegularFilesAreImageSources) {
    const QString fifo = tempPath("pipe.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString cover = tempPath("keep.jkt");
    WriteBytes(cover, "old cover");
    for (const QString& source : {fifo, QStringLiteral("/dev/zero"), tempPath("")}) {
        SCOPED_TRACE(source.toStdString());
        CoverDocument doc = NewDesign();
        doc.dImagePath = source;
        const CoverFileWriteResult result = WriteCoverFile(doc, cover);  // returns at once
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.errorMessage.contains(QDir::toNativeSeparators(source)));
        EXPECT_EQ(ReadBytes(cover), "old cover");
    }
}

// Image bytes holding a block marker would end their block early or start a
// phantom one. Texts inside PNG and JPEG files are taken out without touching
// the picture; anything else is refused. Either way, what is written reads
// back as saved.
TEST_F(CoverFileWriterSafetyTest, ImageBytesHoldingABlockMarkerNeverReadBackDifferently) {
    // Short enough for a PNG writer to keep it uncompressed.
    const QString comment = QStringLiteral("[IMAGE4] and [ENDIMAGE4] [ENDIMAGE1]");
    const QByteArray pngTrailer = Encoded("png", QString()) + "[ENDIMAGE1]";
    const QByteArray png = Encoded("png", comment);
    const QByteArray cutPng = png.left(png.indexOf("[ENDIMAGE1]") + 11);
    const struct {
        const char* what;
        QByteArray image;
        const char* name;
        bool saves;
    } cases[] = {
        {"PNG with a text chunk", png, "a.png", true},
        {"JPEG with a comment", Encoded("jpeg", comment), "a.jpg", true},
        {"PNG with bytes after its end", pngTrailer, "b.png", true},
        {"BMP", "BM" + QByteArray(40, 'x') + "[ENDIMAGE1]" + QByteArray(40, 'y'), "c.bmp", false},
        {"PNG cut short in its text", cutPng, "d.png", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(HoldsAMarker(c.image));
        const QString cover = tempPath("markers.jkt");
        WriteBytes(cover, "old cover");
        const CoverDocument design = DesignWithFrontImage(c.image, c.name);
        const CoverFileWriteResult result = WriteCoverFile(design, cover);
        ASSERT_EQ(result.ok, c.saves) << result.errorMessage.toStdString();
        if (!c.saves) {
            EXPECT_TRUE(result.errorMessage.contains(design.fImagePath));
            EXPECT_TRUE(result.errorMessage.contains("[ENDIMAGE1]") ||
                        result.errorMessage.contains("[IMAGE4]"));
            EXPECT_EQ(ReadBytes(cover), "old cover");
            continue;
        }
        CoverDocument reread;
        const CoverFileReadResult read = ReadBack(cover, reread);
        ASSERT_TRUE(read.loaded());
        EXPECT_TRUE(read.lostImages.isEmpty());
        EXPECT_EQ(reread.dImagePath, "") << "no phantom disc image";
        const QByteArray stored = ReadBytes(reread.fImagePath);
        EXPECT_FALSE(HoldsAMarker(stored));
        EXPECT_EQ(QImage::fromData(stored).convertToFormat(QImage::Format_RGB32),
                  QImage::fromData(c.image).convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(CoverFileWriterSafetyTest, MalformedImagesAreNeverScrubbed) {
    const QByteArray png = Encoded("png", "[IMAGE1]");
    const QByteArray jpeg = Encoded("jpeg", "[IMAGE1]");
    const QByteArray inputs[] = {
        png.left(8),
        png.left(20),
        png.left(8) + QByteArray("\xFF\xFF\xFF\xF0tEXt", 8),
        jpeg.left(2),
        jpeg.left(5),
        QByteArray("\xFF\xD8\xFF\xE1\x00\x01[IMAGE1]", 14),
        QByteArray("\xFF\xD8\x00\x00[IMAGE1]", 12),
    };
    for (const QByteArray& input : inputs) {
        SCOPED_TRACE(input.toHex().toStdString());
        EXPECT_FALSE(ImageMetadataScrub::withoutStrings(input, CoverFileFormat::ImageMarkers()));
    }
}

}  // namespace casewright
