#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>
#include <optional>

#include "document/CoverDocument.h"
#include "text/ImportedAlbum.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace casewright {

class TrackGrid;

// The "Edit Track Listing" dialog: the back cover's track listing in a grid,
// and the spine text above it, for the standard CD, other and slimline CD
// cases.
//
// What the caller does (see also EditCoverTexts, which does all of it):
//   CTrackListingDlg dialog(doc, parent);
//   if (dialog.exec() == QDialog::Accepted) {
//       doc.coverChanged = true;                 // on every OK, changed or not
//       const bool stored = dialog.applyTo(doc);  // both texts, if either changed
//       if (stored || doc.covertype == CoverTypeSlimlineCD)
//           refresh the preview;                 // the slimline insert after every OK
//   }
// Cancel (or Escape, or the close box) leaves the document untouched: the
// dialog works on its own copies and writes nothing until applyTo().
//
// Import... (a file, or a folder of audio files), files dropped on the grid
// and Look up... (MusicBrainz) replace the grid with the tracks they find,
// after asking when the grid already holds tracks. An import reads its files
// on a worker thread while the dialog stays responsive; a failed one leaves
// the grid as it was and says why. Where the source names the album, the
// user is asked whether to take its title and artist for the front title
// and the spine text; they are kept with the dialog's other texts, so that
// only OK stores them.
class CTrackListingDlg : public QDialog {
    Q_OBJECT
public:
    // Control ids of the dialog template, kept for reference in tests and help.
    enum ControlId {
        IdOk = 1,
        IdCancel = 2,
        IdRemoveTrack = 1002,
        IdInsertTrack = 1003,
        IdGrid = 1005,
        IdSpineEdit = 1018,
        IdSpineLabel = 1037,
        IdTracksLabel = 1038,
    };

    // Edits `trackListing` (the delimited form kept in bCoverText) and
    // `spineText`. An empty listing opens as eight rows numbered "1." to "8.".
    CTrackListingDlg(const QString& trackListing, const QString& spineText, bool showSpineRow,
                     QWidget* parent = nullptr);
    // Edits the document's bCoverText and backCoverSpineText, spine row shown;
    // an album's title taken on import is offered in place of its fCoverTitle.
    explicit CTrackListingDlg(const CoverDocument& doc, QWidget* parent = nullptr);

    // The texts as OK left them; before OK, the texts the dialog opened with.
    QString trackListingText() const { return trackListing_; }
    QString spineText() const { return spineText_; }
    // After OK: whether either text differs from what the dialog opened with.
    bool textsChanged() const;

    // The total time switch as OK left it; before OK, as the dialog opened.
    bool showTotalTime() const { return showTotalTime_; }

    // The front title the user took from an imported album, if any.
    std::optional<QString> frontTitleChoice() const { return albumFrontTitle_; }

    // After OK: stores both texts in bCoverText and backCoverSpineText when
    // either changed, the front title taken from an album in fCoverTitle
    // when it differs and the total time switch when it changed, and returns
    // whether it stored anything; after Cancel does nothing. Does not touch
    // coverChanged.
    bool applyTo(CoverDocument& doc) const;

    TrackGrid* grid() const { return grid_; }

    // Whether an import is still reading its files.
    bool isBusy() const { return importJob_ != nullptr; }

    // Imports the tracks of one file or folder, or of several audio files.
    void importPaths(const QStringList& paths);

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void loadListing(const QString& trackListing);
    void insertTrack();
    void removeTrack();
    void takeTextsAndAccept();
    void importFile();
    void importFolder();
    void importFinished();
    void abandonImport();
    void lookUp();
    bool takeAlbum(const ImportedAlbum& album, const QString& sourceName, const QString& caption);
    void offerAlbumTexts(const ImportedAlbum& album, const QString& caption);
    void showBusy(const QString& status);
    void updateFrontTitleNote();

    const QString originalTrackListing_;
    const QString originalSpineText_;
    QString trackListing_;
    QString spineText_;
    const bool showSpineRow_;
    bool showTotalTime_ = false;
    QString frontTitle_;  // the design's, as the dialog opened
    std::optional<QString> albumFrontTitle_;

    QFutureWatcher<TrackImportResult>* importJob_ = nullptr;
    QStringList importing_;
    QString lastImportPath_;
    ImportedAlbum lastAlbum_;

    QLabel* spineLabel_ = nullptr;
    QLineEdit* spineEdit_ = nullptr;
    QLabel* tracksLabel_ = nullptr;
    TrackGrid* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QAction* importFileAction_ = nullptr;
    QAction* importFolderAction_ = nullptr;
    QPushButton* lookUpButton_ = nullptr;
    QLabel* busyLabel_ = nullptr;
    QProgressBar* busyBar_ = nullptr;
    QLabel* frontTitleNote_ = nullptr;
    QCheckBox* totalTimeCheck_ = nullptr;
};

}  // namespace casewright
