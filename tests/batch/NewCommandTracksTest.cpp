#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileReader.h"
#include "document/Cp1252Codec.h"
#include "support/AudioTestFiles.h"
#include "text/TrackListingCodec.h"

namespace casewright {

namespace {

QString Row(const QString& number, const QString& title, const QString& length) {
    return "[DELIM]" + number + "[/DELIM][DELIM]" + title + "[/DELIM][DELIM]" + length +
           "[/DELIM]\n\r";
}

}  // namespace

class NewTracksTest : public BatchTest {
protected:
    CoverDocument readBack(const QString& path) {
        CoverDocument doc;
        doc.ResetToNewDesign(CoverTypeStandardCD, 96);
        EXPECT_EQ(ReadCoverFile(doc, path, 96, tempPath("images")).outcome,
                  CoverFileReadOutcome::Loaded);
        return doc;
    }
};

TEST_F(NewTracksTest, FillsTheBackCoverTrackListing) {
    const QString tracks = tempPath("tracks.txt");
    WriteBytes(tracks, "1.\tIntro\t3:12\r\nSecond\n\n7\tSeventh\t1:00\n");
    const QString path = tempPath("tracks.jkt");
    const Run run = RunCommand({"new", "--type", "1", "--tracks", tracks, "-o", path});
    ASSERT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_EQ(readBack(path).bCoverText,
              Row("1.", "Intro", "3:12") + Row("2.", "Second", "") + Row("7", "Seventh", "1:00"));
}

TEST_F(NewTracksTest, ReadsWindowsTextFilesToo) {
    const QString tracks = tempPath("cp1252.txt");
    WriteBytes(tracks, Cp1252Codec::encode(QString::fromUtf8("1\tCaf\u00e9 \u2013 live\t4:00")));
    const QString path = tempPath("cp1252.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "4", "--tracks", tracks, path}).code, kExitOk);
    const TrackListing listing = TrackListingCodec::Parse(readBack(path).bCoverText);
    EXPECT_EQ(listing.row(0), (TrackRow{"1", QString::fromUtf8("Caf\u00e9 \u2013 live"), "4:00"}));
}

TEST_F(NewTracksTest, RefusesDvdCasesMissingFilesAndOverlongLines) {
    const QString tracks = tempPath("t.txt");
    WriteBytes(tracks, "1\tA\t1:00\textra\n");
    const QString path = tempPath("refused.jkt");

    const Run dvd = RunCommand({"new", "--type", "2", "--tracks", tracks, path});
    EXPECT_EQ(dvd.code, kExitUsage);
    EXPECT_TRUE(dvd.err.contains("--tracks"));

    const Run missing = RunCommand({"new", "--type", "1", "--tracks", tempPath("none.txt"), path});
    EXPECT_EQ(missing.code, kExitFailure);
    EXPECT_TRUE(missing.err.contains("none.txt"));

    const Run overlong = RunCommand({"new", "--type", "1", "--tracks", tracks, path});
    EXPECT_EQ(overlong.code, kExitFailure);
    EXPECT_TRUE(overlong.err.contains("line 1")) << overlong.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(NewTracksTest, ReadsCueSheetsAndFoldersOfAudioFiles) {
    const QString sheet = tempPath("disc/album.cue");
    WriteBytes(sheet,
               "PERFORMER \"The Band\"\nTITLE \"First Album\"\nFILE \"album.wav\" WAVE\n"
               "  TRACK 01 AUDIO\n    TITLE \"Opening\"\n    INDEX 01 00:00:00\n"
               "  TRACK 02 AUDIO\n    TITLE \"Closing\"\n    INDEX 01 03:00:00\n");
    ASSERT_TRUE(AudioTestFiles::WriteBytes(tempPath("disc/album.wav"),
                                           AudioTestFiles::WavOfCdFrames(5 * 60 * 75)));
    const QString fromSheet = tempPath("sheet.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "1", "--tracks", sheet, fromSheet}).code, kExitOk);
    const CoverDocument sheetDoc = readBack(fromSheet);
    EXPECT_EQ(sheetDoc.bCoverText, Row("1.", "Opening", "3:00") + Row("2.", "Closing", "2:00"));
    EXPECT_EQ(sheetDoc.fCoverTitle, "");  // album texts only when asked for

    const QString folder = tempPath("files");
    ASSERT_TRUE(AudioTestFiles::Write(folder + "/b.ogg", AudioTestFiles::Format::OggVorbis, 90,
                                      {"Second", "Band", "Album", "", 2}));
    ASSERT_TRUE(AudioTestFiles::Write(folder + "/a.mp3", AudioTestFiles::Format::Mp3, 3,
                                      {"Third", "Band", "Album", "", 3}));
    ASSERT_TRUE(AudioTestFiles::Write(folder + "/c.flac", AudioTestFiles::Format::Flac, 3600,
                                      {"First", "Band", "Album", "", 1}));
    const QString fromFolder = tempPath("folder.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "4", "--tracks", folder, fromFolder}).code, kExitOk);
    EXPECT_EQ(
        readBack(fromFolder).bCoverText,
        Row("1.", "First", "1:00:00") + Row("2.", "Second", "1:30") + Row("3.", "Third", "0:03"));
}

TEST_F(NewTracksTest, PutsTheAlbumOnTheFrontAndSpineWhenAskedAndNotGivenOtherwise) {
    const QString sheet = tempPath("album.cue");
    WriteBytes(sheet,
               "PERFORMER \"The Band\"\nTITLE \"First Album\"\nFILE a.wav WAVE\n"
               "TRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    const QString asked = tempPath("asked.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "1", "--tracks", sheet, "--album-texts", asked}).code,
              kExitOk);
    EXPECT_EQ(readBack(asked).fCoverTitle, "First Album");
    EXPECT_EQ(readBack(asked).backCoverSpineText, "The Band - First Album");

    const QString given = tempPath("given.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "1", "--tracks", sheet, "--album-texts", "--front-title",
                          "Mine", "--set", "backCoverSpineText=Spine", given})
                  .code,
              kExitOk);
    EXPECT_EQ(readBack(given).fCoverTitle, "Mine");
    EXPECT_EQ(readBack(given).backCoverSpineText, "Spine");

    const Run alone = RunCommand({"new", "--type", "1", "--album-texts", tempPath("alone.jkt")});
    EXPECT_EQ(alone.code, kExitUsage);
    EXPECT_TRUE(alone.err.contains("--album-texts needs --tracks")) << alone.err.toStdString();
    EXPECT_TRUE(RunCommand({"new", "--help"}).out.contains("--album-texts"));
}

TEST_F(NewTracksTest, RefusesBrokenCueSheetsAndAudioFilesWithoutWritingAnything) {
    const QString sheet = tempPath("bad.cue");
    WriteBytes(sheet, "FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:99:00\n");
    const QString broken = tempPath("broken.flac");
    WriteBytes(broken, "not audio");
    const QString path = tempPath("refused.jkt");
    for (const QString& source : {sheet, broken}) {
        SCOPED_TRACE(source.toStdString());
        const Run run = RunCommand({"new", "--type", "1", "--tracks", source, path});
        EXPECT_EQ(run.code, kExitFailure);
        EXPECT_TRUE(run.err.contains(source)) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    EXPECT_TRUE(RunCommand({"new", "--type", "1", "--tracks", sheet, path}).err.contains("line 3"));
}

}  // namespace casewright

namespace casewright {

// --total-time switches the row on in the file, info shows it, and a long
// listing is made smaller by render and print with a warning, exit status
// unchanged.
TEST_F(NewTracksTest, TotalTimeIsStoredShownAndLongListingsAreToldOfWhenDrawn) {
    const QString tracks = tempPath("long.txt");
    QByteArray lines;
    for (int track = 1; track <= 30; ++track) {
        lines += QByteArray::number(track) + ".\tSong " + QByteArray::number(track) + "\t3:00\n";
    }
    WriteBytes(tracks, lines);
    const QString path = tempPath("long.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "4", "--tracks", tracks, "--total-time", path}).code,
              kExitOk);
    EXPECT_TRUE(readBack(path).showTotalTime);
    const Run info = RunCommand({"info", path});
    EXPECT_TRUE(info.out.contains("\nbackCoverSpineText=\nshowTotalTime=TRUE\nimage1=0\n"))
        << info.out.toStdString();

    const Run render = RunCommand({"render", path, "--dpi", "100", "-o", tempPath("long.png")});
    EXPECT_EQ(render.code, kExitOk);
    EXPECT_TRUE(render.err.contains("warning: Track listing reduced to "));
    EXPECT_TRUE(render.err.contains(" pt to fit 30 tracks")) << render.err.toStdString();
    const Run print = RunCommand({"print", path, "--no-disc", "-o", tempPath("long.pdf")});
    EXPECT_EQ(print.code, kExitOk);
    EXPECT_EQ(print.err, QString(render.err).replace("render:", "print:"));

    const QString plain = tempPath("plain.jkt");
    ASSERT_EQ(RunCommand({"new", "--type", "1", plain}).code, kExitOk);
    EXPECT_FALSE(RunCommand({"info", plain}).out.contains("showTotalTime"));
    EXPECT_TRUE(RunCommand({"render", plain, "-o", tempPath("plain.png")}).err.isEmpty());
    EXPECT_EQ(RunCommand({"new", "--type", "2", "--total-time", plain, "--force"}).code,
              kExitUsage);
}

}  // namespace casewright
