#include <gtest/gtest.h>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "support/AudioTestFiles.h"
#include "support/LoopbackHttpServer.h"
#include "support/ScriptedPrompter.h"
#include "text/DiscToc.h"
#include "text/MusicBrainzClient.h"
#include "text/TrackListingCodec.h"
#include "text/ui/CMusicBrainzLookupDlg.h"
#include "text/ui/CTrackListingDlg.h"
#include "text/ui/EditCoverTexts.h"
#include "text/ui/MusicBrainzSession.h"
#include "text/ui/TrackGrid.h"
#include "ui/TextDialogDriver.h"

namespace casewright {

namespace {

using Answer = Prompter::Answer;

// Three tracks in one file, as rippers write them, with the album's texts.
const char* const kCueSheet = R"(PERFORMER "The Band"
TITLE "First Album"
FILE "album.wav" WAVE
  TRACK 01 AUDIO
    TITLE "Opening"
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    TITLE "Duet"
    INDEX 01 03:00:00
  TRACK 03 AUDIO
    TITLE "Closing"
    INDEX 01 07:30:00
)";

const QString kTyped = QStringLiteral(
    "[DELIM]1.[/DELIM][DELIM]Typed[/DELIM][DELIM]1:00[/DELIM]\n\r"
    "[DELIM]2.[/DELIM][DELIM][/DELIM][DELIM][/DELIM]\n\r");

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

QStringList Titles(TrackGrid* grid) {
    QStringList titles;
    for (int row = 0; row < grid->rowCount(); ++row) {
        titles << grid->cellText(row, TrackGrid::TitleColumn);
    }
    return titles;
}

bool WaitUntilIdle(CTrackListingDlg& dialog) {
    return QTest::qWaitFor([&dialog] { return !dialog.isBusy(); }, 10000);
}

// Files dropped on the grid, as a file manager drops them.
void Drop(TrackGrid* grid, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    const QPointF at = grid->viewport()->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &drop);
}

class TrackListingImport : public ::testing::Test {
protected:
    void open(const QString& listing = QString()) {
        dialog_ = std::make_unique<CTrackListingDlg>(listing, QString(), true);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        grid_ = dialog_->grid();
    }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(AudioTestFiles::WriteBytes(path, bytes));
        return path;
    }

    // The cue sheet and the audio file it describes (12 minutes).
    QString writeCueSheet() {
        write("album.wav", AudioTestFiles::WavOfCdFrames(12 * 60 * 75));
        return write("album.cue", kCueSheet);
    }

    // Through the Import button's first entry, the file dialog answered with `path`.
    void importFile(const QString& path) {
        prompter_.fileNames.push_back(path);
        Child<QPushButton>(*dialog_, "importButton")->menu()->actions().at(0)->trigger();
        ASSERT_TRUE(WaitUntilIdle(*dialog_));
    }

    QString spine() const { return Child<QLineEdit>(*dialog_, "spineTextEdit")->text(); }

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;
    std::unique_ptr<CTrackListingDlg> dialog_;
    TrackGrid* grid_ = nullptr;
};

}  // namespace

TEST_F(TrackListingImport, ImportButtonReadsTextFilesAndCueSheets) {
    const QString text = write("tracks.txt", "1. Morning Raga 12:04\nEvening Raga - 17:40\n");
    const QString cue = writeCueSheet();
    const struct {
        const char* what;
        QString path;
        QStringList titles;
        QString lengthOfLast;
        bool albumOffered;
    } cases[] = {
        {"text file", text, {"Morning Raga", "Evening Raga"}, "17:40", false},
        {"cue sheet", cue, {"Opening", "Duet", "Closing"}, "4:30", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter_.messages.clear();
        open();
        if (c.albumOffered) {
            prompter_.answers.push_back(Answer::No);
        }
        importFile(c.path);
        EXPECT_TRUE(prompter_.fileDialogFilters.last().contains("*.cue"));
        EXPECT_TRUE(prompter_.fileDialogFilters.last().contains("*.flac"));
        EXPECT_EQ(Titles(grid_), c.titles);
        EXPECT_EQ(grid_->cellText(grid_->rowCount() - 1, TrackGrid::LengthColumn), c.lengthOfLast);
        EXPECT_EQ(grid_->cellText(0, TrackGrid::NumberColumn), "1.");
        // A new listing's bare numbers are no tracks to lose, so nothing asks
        // before they are replaced; only the album's texts are offered.
        EXPECT_EQ(prompter_.messages.size(), c.albumOffered ? 1u : 0u);
        EXPECT_TRUE(spine().isEmpty());  // declined
        EXPECT_TRUE(Child<QPushButton>(*dialog_, "importButton")->isEnabled());
    }
}

TEST_F(TrackListingImport, NothingChangesWhenTheImportFailsOrTheUserKeepsTheTracks) {
    const QString bad = write("bad.txt", "1\tOne\t1:00\n2\tTwo\t2:00\tfourth field\n");
    open(kTyped);
    const TrackListing before = grid_->listing();

    prompter_.answers.push_back(Answer::Ok);
    importFile(bad);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_EQ(prompter_.messages[0].caption, "Import");
    EXPECT_TRUE(prompter_.messages[0].text.contains("bad.txt\", line 2"))
        << prompter_.messages[0].text.toStdString();
    EXPECT_EQ(grid_->listing(), before);

    // A source without tracks has nothing to replace them with.
    prompter_.answers.push_back(Answer::Ok);
    importFile(write("empty.txt", "\n\n"));
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].text, "\"empty.txt\" lists no tracks.");
    EXPECT_EQ(grid_->listing(), before);
    prompter_.messages.clear();

    // Typed tracks are replaced only when the user says so.
    const QString good = write("good.txt", "Alpha\nBeta\nGamma\n");
    prompter_.answers.push_back(Answer::No);
    importFile(good);
    ASSERT_EQ(prompter_.messages.size(), 1u);
    EXPECT_TRUE(prompter_.messages[0].text.contains("already holds 1 track"))
        << prompter_.messages[0].text.toStdString();
    EXPECT_TRUE(prompter_.messages[0].text.contains("3 tracks of \"good.txt\""));
    EXPECT_EQ(grid_->listing(), before);

    prompter_.answers.push_back(Answer::Yes);
    importFile(good);
    EXPECT_EQ(Titles(grid_), (QStringList{"Alpha", "Beta", "Gamma"}));
}

TEST_F(TrackListingImport, DroppedFilesAndFoldersAreImported) {
    using AudioTestFiles::Format;
    QTemporaryDir folder;
    const QStringList audio = {folder.filePath("b.flac"), folder.filePath("a.ogg")};
    ASSERT_TRUE(
        AudioTestFiles::Write(audio[0], Format::Flac, 61, {"Second", "Band", "Album", "", 2}));
    ASSERT_TRUE(
        AudioTestFiles::Write(audio[1], Format::OggVorbis, 60, {"First", "Band", "Album", "", 1}));
    const QString text = write("tracks.txt", "Only\n");
    const struct {
        const char* what;
        QStringList paths;
        QStringList titles;  // empty: refused with a message
    } cases[] = {
        {"several audio files at once, in track order", audio, {"First", "Second"}},
        {"a folder of audio files", {folder.path()}, {"First", "Second"}},
        {"a text file", {text}, {"Only"}},
        {"a text file with audio files", {text, audio[0]}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        open();
        const TrackListing before = grid_->listing();
        prompter_.messages.clear();
        // The album's texts are offered for the audio files and declined.
        prompter_.answers.assign({Answer::No});
        Drop(grid_, c.paths);
        ASSERT_TRUE(WaitUntilIdle(*dialog_));
        if (c.titles.isEmpty()) {
            ASSERT_EQ(prompter_.messages.size(), 1u);
            EXPECT_TRUE(prompter_.messages[0].text.contains("all of them are audio files"));
            EXPECT_EQ(grid_->listing(), before);
        } else {
            EXPECT_EQ(Titles(grid_), c.titles);
        }
        prompter_.answers.clear();
    }
}

TEST_F(TrackListingImport, CtrlVPastesASpreadsheetBlockAtTheCurrentCell) {
    open(kTyped);
    QGuiApplication::clipboard()->setText("Alpha\t3:00\r\nBeta\t4:00\r\nGamma\t5:00\r\n");
    grid_->setCurrentCell(1, TrackGrid::TitleColumn);
    QTest::keyClick(grid_, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(grid_->rowCount(), 4);
    EXPECT_EQ(grid_->listing().row(0), (TrackRow{"1.", "Typed", "1:00"}));
    EXPECT_EQ(grid_->listing().row(1), (TrackRow{"2.", "Alpha", "3:00"}));
    EXPECT_EQ(grid_->listing().row(3), (TrackRow{"4.", "Gamma", "5:00"}));

    // In the editor one cell's text is pasted into the text; a block into the grid.
    grid_->setCurrentCell(0, TrackGrid::TitleColumn);
    grid_->startEditing();
    QTest::keyClick(grid_->cellEditor(), Qt::Key_End);
    QGuiApplication::clipboard()->setText(" Two");
    QTest::keyClick(grid_->cellEditor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(grid_->isEditing());
    EXPECT_EQ(grid_->cellEditor()->text(), "Typed Two");
    QGuiApplication::clipboard()->setText("Left\tRight\n");
    QTest::keyClick(grid_->cellEditor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(grid_->isEditing());
    EXPECT_EQ(grid_->listing().row(0), (TrackRow{"1.", "Left", "Right"}));
}

TEST_F(TrackListingImport, TheAlbumsTextsAreStoredOnlyWhenTakenAndConfirmedWithOk) {
    const QString cue = writeCueSheet();
    const struct {
        const char* what;
        Answer answer;
        const char* closeWith;
        bool stored;
    } cases[] = {
        {"taken, OK", Answer::Yes, "okButton", true},
        {"declined, OK", Answer::No, "okButton", false},
        {"taken, Cancel", Answer::Yes, "cancelButton", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CoverDocument doc;
        doc.ResetToNewDesign(CoverTypeStandardCD, 96);
        doc.fCoverTitle = "Old title";
        doc.backCoverSpineText = "Old spine";
        prompter_.messages.clear();
        prompter_.answers.assign({c.answer});
        WhenDialogOpens([&](QDialog& dialog) {
            auto& editor = static_cast<CTrackListingDlg&>(dialog);
            editor.importPaths({cue});
            ASSERT_TRUE(WaitUntilIdle(editor));
            ASSERT_EQ(prompter_.messages.size(), 1u);
            EXPECT_TRUE(prompter_.messages[0].text.contains("Front title: First Album"));
            EXPECT_TRUE(prompter_.messages[0].text.contains("Spine text: The Band - First Album"));
            EXPECT_EQ(Child<QLabel>(dialog, "frontTitleNote")->text().isEmpty(),
                      c.answer != Answer::Yes);
            Click(Child<QPushButton>(dialog, c.closeWith));
        });
        EditCoverTexts(nullptr, doc, CoverSide::Back);
        EXPECT_EQ(doc.fCoverTitle, c.stored ? "First Album" : "Old title");
        EXPECT_EQ(doc.backCoverSpineText, c.stored ? "The Band - First Album" : "Old spine");
        if (QString(c.closeWith) == "okButton") {
            EXPECT_EQ(TrackListingCodec::Parse(doc.bCoverText).rowCount(), 3);
        } else {
            EXPECT_TRUE(doc.bCoverText.isEmpty());
        }
    }
}

// ---- MusicBrainz ------------------------------------------------------------

namespace {

// A disc ID lookup answered as the web service documents it: two releases,
// the first a two-disc set whose second medium holds the disc.
QByteArray DiscAnswer(const QString& discId) {
    return QStringLiteral(R"({"id": "%1", "releases": [
  {"id": "r-set", "title": "Harbour Lights", "date": "2003", "country": "GB",
   "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
   "media": [
     {"position": 1, "format": "CD", "track-count": 1, "discs": [],
      "tracks": [{"number": "1", "position": 1, "title": "Low Tide", "length": 241000}]},
     {"position": 2, "format": "CD", "track-count": 2, "discs": [{"id": "%1"}],
      "tracks": [{"number": "1", "position": 1, "title": "Spring Tide", "length": 62000},
                 {"number": "2", "position": 2, "title": "Slack Water", "length": 185000}]}]},
  {"id": "r-single", "title": "Harbour Lights", "date": "2004", "country": "JP",
   "artist-credit": [{"name": "The Tidewater Band", "joinphrase": ""}],
   "media": [{"position": 1, "format": "CD", "track-count": 1, "discs": [{"id": "%1"}],
              "tracks": [{"number": "1", "position": 1, "title": "Bonus", "length": 1000}]}]}
]})")
        .arg(discId)
        .toUtf8();
}

class SessionClient {
public:
    explicit SessionClient(const QUrl& url) : client_(settings(url)) {
        InstallSessionMusicBrainzClient(&client_);
    }
    ~SessionClient() { InstallSessionMusicBrainzClient(nullptr); }

private:
    static MusicBrainzClient::Settings settings(const QUrl& url) {
        MusicBrainzClient::Settings s;
        s.serviceUrl = url;
        s.minimumIntervalMs = 0;
        s.timeoutMs = 5000;
        return s;
    }
    MusicBrainzClient client_;
};

}  // namespace

TEST_F(TrackListingImport, LookUpOfACueSheetsDiscFillsTheGridWithThePickedRelease) {
    const QString cue = writeCueSheet();
    QString error;
    const std::optional<DiscToc> toc = ReadCueSheetToc(cue, &error);
    ASSERT_TRUE(toc) << error.toStdString();
    const QString discId = MusicBrainzDiscId(*toc, &error).value_or(QString());
    LoopbackHttpServer server;
    server.respond("/ws/2/discid/" + discId.toLatin1(), {200, DiscAnswer(discId)});
    SessionClient client(server.url());

    open(kTyped);
    prompter_.answers.assign({Answer::Yes, Answer::Yes});  // replace the typed track; the texts
    WhenDialogOpens([&](QDialog& lookup) {
        Child<QRadioButton>(lookup, "cueSheetRadio")->setChecked(true);
        Child<QLineEdit>(lookup, "cueSheetEdit")->setText(cue);
        Click(Child<QPushButton>(lookup, "lookUpButton"));
        auto* releases = Child<QListWidget>(lookup, "releaseList");
        ASSERT_TRUE(QTest::qWaitFor([releases] { return releases->count() == 2; }, 10000));
        EXPECT_TRUE(releases->item(0)->text().startsWith("Harbour Lights - The Tidewater Band"));
        releases->setCurrentRow(0);
        auto* medium = Child<QComboBox>(lookup, "mediumCombo");
        EXPECT_EQ(medium->count(), 3);         // two discs and "All discs"
        EXPECT_EQ(medium->currentIndex(), 1);  // the disc looked up
        Click(Child<QPushButton>(lookup, "okButton"));
    });
    Click(Child<QPushButton>(*dialog_, "lookUpButton"));

    EXPECT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().first().query.contains("toc=1+3+"));
    EXPECT_EQ(grid_->listing(),
              TrackListing({{"1.", "Spring Tide", "1:02"}, {"2.", "Slack Water", "3:05"}}));
    ASSERT_EQ(prompter_.messages.size(), 2u);
    EXPECT_EQ(prompter_.messages[1].caption, "Look Up");
    EXPECT_EQ(spine(), "The Tidewater Band - Harbour Lights");
    EXPECT_EQ(dialog_->frontTitleChoice(), QString("Harbour Lights"));
}

TEST_F(TrackListingImport, FailedLookUpsSayWhyAndChangeNothing) {
    LoopbackHttpServer server;
    server.respond("/ws/2/release", {503, "busy"});
    server.respond("/ws/2/discid/hang", {200, {}, 0, true});
    SessionClient client(server.url());
    const auto search = [](QDialog& lookup) {
        Child<QLineEdit>(lookup, "artistEdit")->setText("The Tidewater Band");
        Child<QRadioButton>(lookup, "searchRadio")->setChecked(true);
    };
    const struct {
        const char* what;
        std::function<void(QDialog&)> choose;
        const char* message;  // nullptr: cancelled while the request runs
    } cases[] = {
        {"service busy", search, "HTTP 503"},
        {"no disc in the drive",
         [](QDialog& lookup) {
             Child<QLineEdit>(lookup, "cdDriveEdit")->setText("/nonexistent/cdrom");
             Child<QRadioButton>(lookup, "cdDriveRadio")->setChecked(true);
         },
         "Cannot read the CD in \"/nonexistent/cdrom\""},
        {"cancelled while searching", search, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.message) {
            server.respond("/ws/2/release", {200, {}, 0, true});  // never answers
        }
        open(kTyped);
        const TrackListing before = grid_->listing();
        prompter_.messages.clear();
        prompter_.answers.assign({Answer::Ok});
        WhenDialogOpens([&](QDialog& lookup) {
            auto& dialog = static_cast<CMusicBrainzLookupDlg&>(lookup);
            c.choose(lookup);
            Click(Child<QPushButton>(lookup, "lookUpButton"));
            if (c.message) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.isBusy(); }, 10000));
                ASSERT_EQ(prompter_.messages.size(), 1u);
                EXPECT_TRUE(prompter_.messages[0].text.contains(c.message))
                    << prompter_.messages[0].text.toStdString();
                EXPECT_TRUE(dialog.releases().empty());
            } else {
                EXPECT_TRUE(dialog.isBusy());
            }
            Click(Child<QPushButton>(lookup, "cancelButton"));
        });
        Click(Child<QPushButton>(*dialog_, "lookUpButton"));
        QTest::qWait(50);  // an abandoned request tells nobody
        EXPECT_EQ(prompter_.messages.size(), c.message ? 1u : 0u);
        EXPECT_EQ(grid_->listing(), before);
        EXPECT_TRUE(spine().isEmpty());
    }
}

TEST(MusicBrainzSession, TheServiceUrlMayBeSetFromTheEnvironment) {
    const struct {
        QByteArray variable;
        QString url;
    } cases[] = {
        {"", "https://musicbrainz.org"},
        {"not an address", "https://musicbrainz.org"},
        {"ftp://mirror.example", "https://musicbrainz.org"},
        {" http://127.0.0.1:5000/mb ", "http://127.0.0.1:5000/mb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable.toStdString());
        const MusicBrainzClient::Settings settings = MusicBrainzSettingsFor(c.variable);
        EXPECT_EQ(settings.serviceUrl.toString(), c.url);
        EXPECT_EQ(settings.userAgent, "Casewright/4.13 ( https://www.orvalis.example/ )");
        EXPECT_EQ(settings.minimumIntervalMs, 1000);
    }
}

}  // namespace casewright
