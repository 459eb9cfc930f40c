#include "text/MusicBrainzClient.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

#include "support/LoopbackHttpServer.h"

namespace casewright {

namespace {

const QString kDiscId = QStringLiteral("IeldkVfIh1wep_M8CMuDvA0nQ7Q-");

// Answers written after the web service's documented JSON format (version 2):
// a disc ID lookup with inc=recordings+artist-credits finds two releases, the
// first a two-disc set whose second medium holds the disc.
const QByteArray kDiscAnswer = R"({
  "id": "IeldkVfIh1wep_M8CMuDvA0nQ7Q-",
  "offset-count": 9,
  "offsets": [150, 6614, 32287, 54041, 61236, 88129, 92729, 115276, 153877],
  "sectors": 189343,
  "releases": [
    {
      "id": "0d3b1a9c-6b1e-4a56-9a3e-7c1f2b5d8e01",
      "title": "Harbour Lights",
      "status": "Official",
      "date": "2003-05-12",
      "country": "GB",
      "disambiguation": "",
      "barcode": null,
      "artist-credit": [
        {"name": "The Tidewater Band", "joinphrase": "",
         "artist": {"id": "a1", "name": "The Tidewater Band", "sort-name": "Tidewater Band, The"}}
      ],
      "media": [
        {"position": 1, "title": "Ebb", "format": "CD", "track-count": 1, "track-offset": 0,
         "discs": [],
         "tracks": [
           {"id": "t1", "number": "1", "position": 1, "title": "Low Tide", "length": 241000,
            "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
            "recording": {"id": "r1", "title": "Low Tide", "length": 241000}}
         ]},
        {"position": 2, "title": "Flow", "format": "CD", "track-count": 2, "track-offset": 0,
         "discs": [{"id": "IeldkVfIh1wep_M8CMuDvA0nQ7Q-", "sectors": 189343, "offset-count": 9}],
         "tracks": [
           {"id": "t2", "number": "1", "position": 1, "title": "Spring Tide", "length": 3725400,
            "artist-credit": [
              {"name": "The Tidewater Band", "joinphrase": " feat. "},
              {"name": "Mara Quinn", "joinphrase": ""}
            ],
            "recording": {"id": "r2", "title": "Spring Tide", "length": 3725400}},
           {"id": "t3", "number": "2", "position": 2, "title": "", "length": null,
            "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
            "recording": {"id": "r3", "title": "Slack Water", "length": null}}
         ]}
      ]
    },
    {
      "id": "5f0c2e47-1d2b-4c8e-b6f1-3a9d7e4c2b10",
      "title": "Harbour Lights",
      "date": "2004",
      "country": "JP",
      "disambiguation": "bonus track edition",
      "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
      "media": [
        {"position": 1, "format": "CD", "track-count": 1,
         "discs": [{"id": "IeldkVfIh1wep_M8CMuDvA0nQ7Q-"}],
         "tracks": [{"number": "A1", "position": 1, "title": "Spring Tide", "length": 221500}]}
      ]
    }
  ]
})";

// A search answer lists releases and their media without tracks.
const QByteArray kSearchAnswer = R"({
  "created": "2024-03-01T10:00:00.000Z", "count": 1, "offset": 0,
  "releases": [
    {"id": "0d3b1a9c-6b1e-4a56-9a3e-7c1f2b5d8e01", "score": 100, "title": "Harbour Lights",
     "status": "Official", "date": "2003-05-12", "country": "GB", "track-count": 3,
     "artist-credit": [{"name": "The Tidewater Band",
                        "artist": {"id": "a1", "name": "The Tidewater Band"}}],
     "media": [{"format": "CD", "disc-count": 1, "track-count": 1},
               {"format": "CD", "disc-count": 1, "track-count": 2}]}
  ]
})";

const QByteArray kReleaseAnswer = R"({
  "id": "0d3b1a9c-6b1e-4a56-9a3e-7c1f2b5d8e01", "title": "Harbour Lights", "date": "2003-05-12",
  "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
  "media": [
    {"position": 1, "format": "CD", "track-count": 1,
     "tracks": [{"number": "1", "position": 1, "title": "Low Tide", "length": 241000}]},
    {"position": 2, "format": "CD", "track-count": 1,
     "tracks": [{"number": "1", "position": 1, "title": "Spring Tide", "length": 62000}]}
  ]
})";

}  // namespace

class MusicBrainzTest : public ::testing::Test {
protected:
    MusicBrainzClient::Settings settings(const QUrl& url, int intervalMs = 0) {
        MusicBrainzClient::Settings s;
        s.serviceUrl = url;
        s.minimumIntervalMs = intervalMs;
        s.timeoutMs = 5000;
        return s;
    }

    // Waits for the answer, which must come.
    static void finish(MusicBrainzReply* reply, int timeoutMs = 10000) {
        if (!reply->isFinished()) {
            QSignalSpy spy(reply, &MusicBrainzReply::finished);
            ASSERT_TRUE(spy.wait(timeoutMs));
        }
        ASSERT_TRUE(reply->isFinished());
    }

    LoopbackHttpServer server_;
};

TEST_F(MusicBrainzTest, LooksUpADiscAndReadsItsReleases) {
    const QByteArray path = "/ws/2/discid/" + kDiscId.toLatin1();
    server_.respond(path, {200, kDiscAnswer});
    MusicBrainzClient client(settings(server_.url()));
    MusicBrainzReply* reply = client.lookUpDisc(kDiscId);
    finish(reply);
    ASSERT_TRUE(reply->succeeded()) << reply->errorMessage().toStdString();

    ASSERT_EQ(server_.requests().size(), 1);
    const LoopbackHttpServer::Request& request = server_.requests().first();
    EXPECT_EQ(request.path, path);
    EXPECT_TRUE(request.query.contains("inc=recordings+artist-credits")) << request.query.data();
    EXPECT_TRUE(request.query.contains("fmt=json"));
    EXPECT_TRUE(request.headers.value("user-agent").startsWith("Casewright/4.13 ( https://"))
        << request.headers.value("user-agent").data();
    EXPECT_EQ(request.headers.value("accept"), "application/json");

    ASSERT_EQ(reply->releases().size(), 2u);
    const MusicBrainzRelease& set = reply->releases().at(0);
    EXPECT_EQ(set.mediumWithDisc(kDiscId), 1);
    const ImportedAlbum album = set.album(set.mediumWithDisc(kDiscId));
    EXPECT_EQ(album.title, "Harbour Lights");
    EXPECT_EQ(album.artist, "The Tidewater Band");
    EXPECT_EQ(album.rows,
              (std::vector<TrackRow>{
                  {"1.", "The Tidewater Band feat. Mara Quinn - Spring Tide", "1:02:05"},
                  {"2.", "Slack Water", ""}}));
    EXPECT_EQ(set.album(-1).rows.at(0).number, "1-1");  // every medium of the set
    EXPECT_EQ(set.album(-1).rows.size(), 3u);

    // Several releases share the disc; each is told apart for the user to pick.
    EXPECT_EQ(set.label(), "Harbour Lights - The Tidewater Band (2003-05-12, GB, 2xCD, 3 tracks)");
    EXPECT_EQ(reply->releases().at(1).label(),
              "Harbour Lights - The Tidewater Band [bonus track edition] (2004, JP, CD, 1 track)");
    EXPECT_EQ(reply->releases().at(1).album(0).rows.at(0), (TrackRow{"A1", "Spring Tide", "3:42"}));

    // With its table of contents, a disc the service does not know may still be matched.
    MusicBrainzReply* fuzzy = client.lookUpDisc(kDiscId, "1 2 9000 150 4500");
    finish(fuzzy);
    EXPECT_TRUE(server_.requests().at(1).query.endsWith("&toc=1+2+9000+150+4500"))
        << server_.requests().at(1).query.data();
}

TEST_F(MusicBrainzTest, SearchesByArtistAndAlbumThenFetchesThePickedRelease) {
    server_.respond("/ws/2/release", {200, kSearchAnswer});
    server_.respond("/ws/2/release/0d3b1a9c-6b1e-4a56-9a3e-7c1f2b5d8e01", {200, kReleaseAnswer});
    MusicBrainzClient client(settings(server_.url()));
    MusicBrainzReply* search = client.searchReleases("The \"Tide\" Band", "Harbour Lights");
    finish(search);
    ASSERT_TRUE(search->succeeded()) << search->errorMessage().toStdString();
    ASSERT_EQ(search->releases().size(), 1u);
    EXPECT_FALSE(search->releases().at(0).hasTracks());
    EXPECT_EQ(QUrlQuery(QString::fromLatin1(server_.requests().at(0).query))
                  .queryItemValue("query", QUrl::FullyDecoded),
              "release:\"Harbour Lights\" AND artist:\"The \\\"Tide\\\" Band\"");

    MusicBrainzReply* release = client.lookUpRelease(search->releases().at(0).id);
    finish(release);
    ASSERT_TRUE(release->succeeded()) << release->errorMessage().toStdString();
    ASSERT_EQ(release->releases().size(), 1u);
    EXPECT_EQ(release->releases().at(0).album(1).rows,
              (std::vector<TrackRow>{{"1.", "Spring Tide", "1:02"}}));
    EXPECT_TRUE(server_.requests().at(1).query.contains("inc=recordings+artist-credits"));
}

TEST_F(MusicBrainzTest, ReportsEveryFailureWithAClearMessageAndNoReleases) {
    const QByteArray disc = "/ws/2/discid/" + kDiscId.toLatin1();
    const struct {
        const char* what;
        LoopbackHttpServer::Response response;
        const char* message;
    } cases[] = {
        {"no match", {404, R"({"error": "Not Found"})"}, "knows no release with the disc ID"},
        {"a match without releases", {200, R"({"releases": []})"}, "knows no release"},
        {"service busy", {503, "<html>rate limited</html>"}, "HTTP 503"},
        {"server error", {500, ""}, "HTTP 500"},
        {"malformed JSON", {200, R"({"releases": [ {"title": "x" )"}, "cannot be read"},
        {"JSON of another shape", {200, R"([1, 2, 3])"}, "not a release list"},
        {"slow server", {200, kDiscAnswer, 3000}, "did not answer within 0.3 seconds"},
        {"server that hangs", {200, {}, 0, true}, "did not answer within 0.3 seconds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        server_.respond(disc, c.response);
        MusicBrainzClient::Settings s = settings(server_.url());
        s.timeoutMs = 300;
        MusicBrainzClient client(s);
        MusicBrainzReply* reply = client.lookUpDisc(kDiscId);
        finish(reply);
        EXPECT_FALSE(reply->succeeded());
        EXPECT_TRUE(reply->releases().empty());
        EXPECT_TRUE(reply->errorMessage().contains(c.message))
            << reply->errorMessage().toStdString();
    }

    MusicBrainzClient offline(settings(UnusedLoopbackUrl()));
    MusicBrainzReply* unreachable = offline.lookUpDisc(kDiscId);
    finish(unreachable);
    EXPECT_TRUE(unreachable->errorMessage().startsWith("cannot reach MusicBrainz at 127.0.0.1"))
        << unreachable->errorMessage().toStdString();

    MusicBrainzClient client(settings(server_.url()));
    server_.respond("/ws/2/release", {200, R"({"count": 0, "releases": []})"});
    MusicBrainzReply* nothing = client.searchReleases("Nobody", "");
    finish(nothing);
    EXPECT_EQ(nothing->errorMessage(), "MusicBrainz found no release for the artist \"Nobody\"");
    MusicBrainzReply* empty = client.searchReleases(" ", "");
    finish(empty);
    EXPECT_FALSE(empty->succeeded());
}

TEST_F(MusicBrainzTest, AsksAtMostOnceInEachIntervalAndSurvivesAbandonedRequests) {
    const int intervalMs = 300;
    server_.respond("/ws/2/discid/a", {200, kDiscAnswer});
    server_.respond("/ws/2/discid/c", {200, kDiscAnswer});
    MusicBrainzClient client(settings(server_.url(), intervalMs));
    MusicBrainzReply* first = client.lookUpDisc("a");
    MusicBrainzReply* abandoned = client.lookUpDisc("b");
    MusicBrainzReply* last = client.lookUpDisc("c");
    delete abandoned;  // the receiver lost interest before it was sent
    finish(first);
    finish(last);
    EXPECT_TRUE(last->succeeded()) << last->errorMessage().toStdString();
    ASSERT_EQ(server_.requests().size(), 2);
    EXPECT_EQ(server_.requests().at(1).path, "/ws/2/discid/c");
    const qint64 gap =
        server_.requests().at(1).receivedAtMs - server_.requests().at(0).receivedAtMs;
    EXPECT_GE(gap, intervalMs - 20);
}

TEST_F(MusicBrainzTest, TheReceiverMayDeleteTheReplyWhenItIsFinished) {
    server_.respond("/ws/2/discid/a", {200, kDiscAnswer});
    MusicBrainzClient client(settings(server_.url()));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        bool heard = false;
        MusicBrainzReply* reply = client.lookUpDisc("a");
        QObject::connect(reply, &MusicBrainzReply::finished, [reply, &heard] {
            heard = reply->succeeded();
            delete reply;
        });
        EXPECT_TRUE(QTest::qWaitFor([&heard] { return heard; }, 5000));
    }
}

TEST(MusicBrainzJson, RefusesAnswersOfTheWrongShape) {
    const struct {
        const char* what;
        QByteArray json;
        bool release;
    } cases[] = {
        {"list without releases", R"({"count": 0})", false},
        {"release list that is not an array", R"({"releases": {}})", false},
        {"release without media", R"({"id": "x", "title": "y"})", true},
        {"empty", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        const bool parsed = c.release ? MusicBrainzJson::ParseRelease(c.json, &error).has_value()
                                      : MusicBrainzJson::ParseReleases(c.json, &error).has_value();
        EXPECT_FALSE(parsed);
        EXPECT_TRUE(error.startsWith("MusicBrainz sent")) << error.toStdString();
    }
}

}  // namespace casewright
