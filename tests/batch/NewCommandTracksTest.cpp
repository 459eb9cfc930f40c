#include "BatchTestSupport.h"
#include "document/CoverDocument.h"
#include "document/CoverFileReader.h"
#include "document/Cp1252Codec.h"
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

}  // namespace casewright
