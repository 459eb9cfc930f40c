#include "text/DiscToc.h"

#include <gtest/gtest.h>
#include <QCryptographicHash>
#include <QTemporaryDir>

#include "support/AudioTestFiles.h"

namespace casewright {

namespace {

// The disc ID computed as the MusicBrainz documentation describes it, apart
// from libdiscid: SHA-1 over the first and last track number (two hex digits
// each) and the lead-out and 99 track offsets (eight hex digits each, 0 for
// no track), then Base64 with '+', '/' and '=' written '.', '_' and '-'.
QString ReferenceDiscId(const DiscToc& toc) {
    const auto hex = [](int value, int digits) {
        return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
    };
    QByteArray text = hex(toc.firstTrack, 2) + hex(toc.lastTrack, 2) + hex(toc.leadOut, 8);
    for (int track = 1; track <= 99; ++track) {
        const int index = track - toc.firstTrack;
        const bool onDisc = index >= 0 && index < static_cast<int>(toc.trackOffsets.size());
        text += hex(onDisc ? toc.trackOffsets[static_cast<size_t>(index)] : 0, 8);
    }
    QByteArray id = QCryptographicHash::hash(text, QCryptographicHash::Sha1).toBase64();
    return QString::fromLatin1(id.replace('+', '.').replace('/', '_').replace('=', '-'));
}

QString DiscIdOf(const DiscToc& toc) {
    QString error;
    const std::optional<QString> id = MusicBrainzDiscId(toc, &error);
    EXPECT_TRUE(id) << error.toStdString();
    return id.value_or(QString());
}

}  // namespace

TEST(DiscToc, ComputesTheDiscIdsOfKnownTablesOfContents) {
    const struct {
        DiscToc toc;
        const char* id;
    } discs[] = {
        // The six-track example of the disc ID documentation.
        {{1, 6, {150, 15363, 32314, 46592, 63414, 80489}, 95462}, "49HHV7Eb8UKF3aQiNmu1GR8vKTY-"},
        // A nine-track disc as the web service lists it, "1 9 189343 150 6614 ...".
        {{1, 9, {150, 6614, 32287, 54041, 61236, 88129, 92729, 115276, 153877}, 189343},
         "IeldkVfIh1wep_M8CMuDvA0nQ7Q-"},
    };
    for (const auto& disc : discs) {
        SCOPED_TRACE(disc.id);
        EXPECT_EQ(DiscIdOf(disc.toc), disc.id);
        EXPECT_EQ(ReferenceDiscId(disc.toc), disc.id);
    }
    EXPECT_EQ(discs[1].toc.text(),
              "1 9 189343 150 6614 32287 54041 61236 88129 92729 115276 153877");
}

TEST(DiscToc, RefusesImpossibleTables) {
    const DiscToc impossible[] = {
        {1, 2, {150, 100}, 9000},   // offsets going back
        {1, 2, {150, 4000}, 3000},  // lead-out before the last track
        {1, 3, {150, 4000}, 9000},  // an offset missing
        {0, 1, {150, 4000}, 9000},  // no track 0
    };
    for (const DiscToc& toc : impossible) {
        SCOPED_TRACE(toc.text().toStdString());
        QString error;
        EXPECT_FALSE(MusicBrainzDiscId(toc, &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(DiscToc, RebuildsADiscFromACueSheetAndItsFiles) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath("files.cue");
    ASSERT_TRUE(AudioTestFiles::WriteBytes(sheet, R"(FILE "01.wav" WAVE
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 00 02:58:00
FILE "02.wav" WAVE
    INDEX 01 00:00:00
FILE "03.wav" WAVE
  TRACK 03 AUDIO
    INDEX 00 00:00:00
    INDEX 01 00:02:00
)"));
    ASSERT_TRUE(
        AudioTestFiles::WriteBytes(dir.filePath("01.wav"), AudioTestFiles::WavOfCdFrames(13500)));
    ASSERT_TRUE(
        AudioTestFiles::WriteBytes(dir.filePath("02.wav"), AudioTestFiles::WavOfCdFrames(9000)));
    QString error;
    EXPECT_FALSE(ReadCueSheetToc(sheet, &error));  // 03.wav is missing
    EXPECT_TRUE(error.contains("\"03.wav\"")) << error.toStdString();

    ASSERT_TRUE(
        AudioTestFiles::WriteBytes(dir.filePath("03.wav"), AudioTestFiles::WavOfCdFrames(4500)));
    const std::optional<DiscToc> toc = ReadCueSheetToc(sheet, &error);
    ASSERT_TRUE(toc) << error.toStdString();
    EXPECT_EQ(*toc, (DiscToc{1, 3, {150, 13650, 22800}, 27150}));
    EXPECT_EQ(DiscIdOf(*toc), ReferenceDiscId(*toc));
}

TEST(DiscToc, LeavesTheDataSessionOfAnEnhancedCdOut) {
    QString error;
    const std::optional<CueSheet> sheet = ParseCueSheet(R"(FILE "image.bin" BINARY
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 01 01:00:00
  TRACK 03 MODE1/2352
    INDEX 01 06:00:00
)",
                                                        "enhanced.cue", &error);
    ASSERT_TRUE(sheet) << error.toStdString();
    const std::optional<DiscToc> toc = CueSheetToc(*sheet, {std::nullopt}, &error);
    ASSERT_TRUE(toc) << error.toStdString();
    EXPECT_EQ(*toc, (DiscToc{1, 2, {150, 4650}, 27000 + 150 - 11400}));
}

TEST(DiscToc, NeedsTracksNumberedOneAfterAnother) {
    QString error;
    const std::optional<CueSheet> sheet = ParseCueSheet(
        "FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 03 AUDIO\nINDEX 01 01:00:00\n",
        "gap.cue", &error);
    ASSERT_TRUE(sheet) << error.toStdString();
    EXPECT_FALSE(CueSheetToc(*sheet, {9000}, &error));
    EXPECT_TRUE(error.contains("track 3 follows track 1")) << error.toStdString();
}

TEST(DiscToc, SaysWhichDriveCouldNotBeRead) {
    QString error;
    EXPECT_FALSE(ReadCdDriveToc("/nonexistent/cdrom", &error));
    EXPECT_TRUE(error.contains("/nonexistent/cdrom")) << error.toStdString();
    EXPECT_FALSE(DefaultCdDrive().isEmpty());
}

}  // namespace casewright
