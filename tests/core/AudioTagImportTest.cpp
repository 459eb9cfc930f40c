#include "text/AudioTagImport.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "support/AudioTestFiles.h"
#include "text/AudioFileTags.h"

namespace casewright {

using AudioTestFiles::Format;

class AudioTagImportTest : public ::testing::Test {
protected:
    QString write(const QString& name, Format format, int seconds,
                  const AudioTestFiles::Tags& tags = {}) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(AudioTestFiles::Write(path, format, seconds, tags)) << name.toStdString();
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(AudioTagImportTest, ReadsTheTagsAndLengthOfEveryFormat) {
    const Format formats[] = {Format::Mp3,  Format::Flac, Format::OggVorbis,
                              Format::Opus, Format::M4a,  Format::Wav};
    const QString title = QString::fromUtf8("Caf\u00e9 \u65e5\u672c");
    for (const Format format : formats) {
        const QString name = "track." + AudioTestFiles::Ending(format);
        SCOPED_TRACE(name.toStdString());
        const QString path =
            write(name, format, 185, {title, "Guest", "The Album", "The Band", 7, 2});
        QString error;
        const std::optional<AudioFileTags> tags = ReadAudioFileTags(path, &error);
        ASSERT_TRUE(tags) << error.toStdString();
        EXPECT_EQ(tags->title, title);
        EXPECT_EQ(tags->artist, "Guest");
        EXPECT_EQ(tags->album, "The Album");
        EXPECT_EQ(tags->albumArtist, "The Band");
        EXPECT_EQ(tags->track, 7);
        EXPECT_EQ(tags->disc, 2);
        EXPECT_NEAR(tags->milliseconds, 185000, format == Format::Mp3 ? 40 : 0);

        const TrackImportResult imported = ImportAudioFile(path);
        ASSERT_TRUE(imported) << imported.error.toStdString();
        EXPECT_EQ(imported.album->rows,
                  (std::vector<TrackRow>{{"7.", "Guest - " + title, "3:05"}}));
        EXPECT_EQ(imported.album->title, "The Album");
        EXPECT_EQ(imported.album->artist, "The Band");
    }
}

TEST_F(AudioTagImportTest, SortsAFolderByDiscTrackAndFileName) {
    write("z-first.flac", Format::Flac, 60, {"One", "Band", "Album", "", 1, 1});
    write("a-second.ogg", Format::OggVorbis, 61, {"Two", "Band", "Album", "", 2, 1});
    write("b-disc-two.opus", Format::Opus, 62, {"Three", "Band", "Album", "", 1, 2});
    write("untagged 10.wav", Format::Wav, 5);
    write("untagged 9.wav", Format::Wav, 4);
    write("cover.jpg.txt", Format::Wav, 1);  // not an audio file name: left out
    QDir().mkpath(dir_.filePath("sub"));
    AudioTestFiles::Write(dir_.filePath("sub/deeper.mp3"), Format::Mp3, 3);  // not looked into

    const TrackImportResult imported = ImportAudioFolder(dir_.path());
    ASSERT_TRUE(imported) << imported.error.toStdString();
    // Untagged files belong to disc 1, after its numbered tracks, by name in numeric order,
    // numbered by their place and titled by their names.
    EXPECT_EQ(imported.album->rows, (std::vector<TrackRow>{{"1-1", "One", "1:00"},
                                                           {"1-2", "Two", "1:01"},
                                                           {"1-3", "untagged 9", "0:04"},
                                                           {"1-4", "untagged 10", "0:05"},
                                                           {"2-1", "Three", "1:02"}}));
    EXPECT_EQ(imported.album->title, "Album");  // the untagged files do not disagree
    EXPECT_EQ(imported.album->artist, "Band");
}

TEST_F(AudioTagImportTest, NamesTrackArtistsOnlyWhereTheyDifferFromTheAlbumArtist) {
    write("01.mp3", Format::Mp3, 10, {"Opener", "Solo Artist", "Mix", "", 1});
    write("02.mp3", Format::Mp3, 10, {"Closer", "Other Artist", "Mix", "", 2});
    const TrackImportResult various = ImportAudioFolder(dir_.path());
    ASSERT_TRUE(various);
    EXPECT_EQ(various.album->artist, "");  // no album artist, and the artists differ
    EXPECT_EQ(various.album->rows.at(0).title, "Solo Artist - Opener");

    write("02.mp3", Format::Mp3, 10, {"Closer", "solo artist", "Mix", "", 2});
    const TrackImportResult single = ImportAudioFolder(dir_.path());
    ASSERT_TRUE(single);
    EXPECT_EQ(single.album->artist, "Solo Artist");
    EXPECT_EQ(single.album->rows.at(1).title, "Closer");  // same artist, other case
    EXPECT_EQ(single.album->rows.at(1).number, "2.");
}

TEST_F(AudioTagImportTest, TakesTitleAndNumberFromTheFileNameWhenUntagged) {
    const QString path = write("03 - Night Drive.flac", Format::Flac, 200);
    const TrackImportResult imported = ImportAudioFile(path);
    ASSERT_TRUE(imported);
    EXPECT_EQ(imported.album->rows, (std::vector<TrackRow>{{"3.", "Night Drive", "3:20"}}));
}

TEST_F(AudioTagImportTest, OneUnreadableFileFailsTheWholeFolder) {
    write("01.flac", Format::Flac, 60, {"One", "", "", "", 1});
    const QString broken = dir_.filePath("02.mp3");
    ASSERT_TRUE(AudioTestFiles::WriteBytes(broken, "this is no audio"));
    const TrackImportResult imported = ImportAudioFolder(dir_.path());
    EXPECT_FALSE(imported);
    EXPECT_TRUE(imported.error.contains(broken)) << imported.error.toStdString();

    QTemporaryDir empty;
    const TrackImportResult none = ImportAudioFolder(empty.path());
    EXPECT_FALSE(none);
    EXPECT_TRUE(none.error.contains("no audio files")) << none.error.toStdString();
}

TEST(NaturalFileNameOrder, OrdersNumbersInNamesByValue) {
    const QStringList sorted = {"1.mp3",        "01b.mp3",       "2.mp3",
                                "Track 9.flac", "track 10.flac", "Track 10b.flac"};
    for (int i = 0; i + 1 < sorted.size(); ++i) {
        SCOPED_TRACE(sorted.at(i).toStdString());
        EXPECT_TRUE(NaturalFileNameLess(sorted.at(i), sorted.at(i + 1)));
        EXPECT_FALSE(NaturalFileNameLess(sorted.at(i + 1), sorted.at(i)));
    }
}

}  // namespace casewright
