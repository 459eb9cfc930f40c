#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "text/DiscToc.h"
#include "text/ImportedAlbum.h"
#include "text/MusicBrainzClient.h"
#include "text/MusicBrainzRelease.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace casewright {

// "Look Up on MusicBrainz": finds the releases of the CD in a drive (by its
// disc ID), of the disc a cue sheet describes (by the table of contents
// rebuilt from it), or of an artist and album typed in, lets the user pick
// one of them and, for a release of several discs, the disc, and ends with
// OK holding that disc's album.
//
// Reading a drive or a cue sheet runs on a worker thread and the service is
// asked through `client`, so the dialog stays responsive; Look Up shows that
// it is busy. A failure (no drive, no disc, no network, no match, an error of
// the service) is told in a message box and leaves the dialog as it was, so
// the user may try another way. Cancel abandons a request still running.
class CMusicBrainzLookupDlg : public QDialog {
    Q_OBJECT
public:
    enum class Source { CdDrive, CueSheet, Search };

    // What the dialog opens with.
    struct Start {
        Source source = Source::CdDrive;
        QString drive;  // empty: libdiscid's default drive
        QString cueSheet;
        QString artist;
        QString album;
    };

    CMusicBrainzLookupDlg(MusicBrainzClient& client, const Start& start, QWidget* parent = nullptr);
    ~CMusicBrainzLookupDlg() override;

    // After OK: the picked disc (or every disc) of the picked release.
    const ImportedAlbum& album() const { return album_; }

    bool isBusy() const;
    const std::vector<MusicBrainzRelease>& releases() const { return releases_; }

    void done(int result) override;

private:
    struct TocRead {
        std::optional<DiscToc> toc;
        QString error;
    };

    void buildControls(const Start& start);
    Source source() const;
    void updateControls();
    void chooseCueSheet();
    void lookUp();
    void readToc(std::function<TocRead()> read);
    void tocRead();
    void lookUpDisc(const DiscToc& toc);
    void watch(MusicBrainzReply* reply, void (CMusicBrainzLookupDlg::*handler)());
    void releasesFound();
    void releaseFetched();
    void showReleases(std::vector<MusicBrainzRelease> releases);
    void showMedia();
    int chosenMedium() const;
    void takeChosenRelease();
    void setBusy(const QString& status);
    void stopBusy();
    void abandon();
    void fail(const QString& message);

    MusicBrainzClient& client_;
    QPointer<MusicBrainzReply> reply_;
    QFutureWatcher<TocRead>* tocWatcher_ = nullptr;
    QString discId_;
    std::vector<MusicBrainzRelease> releases_;
    ImportedAlbum album_;

    QRadioButton* cdRadio_ = nullptr;
    QRadioButton* cueRadio_ = nullptr;
    QRadioButton* searchRadio_ = nullptr;
    QLineEdit* driveEdit_ = nullptr;
    QLineEdit* cueEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLineEdit* artistEdit_ = nullptr;
    QLineEdit* albumEdit_ = nullptr;
    QPushButton* lookUpButton_ = nullptr;
    QProgressBar* busyBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QListWidget* releaseList_ = nullptr;
    QLabel* mediumLabel_ = nullptr;
    QComboBox* mediumCombo_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// A message of the importers or of the client ("cannot read ...") as a
// sentence for a message box.
QString AsSentence(const QString& message);

}  // namespace casewright
