#pragma once

#include <QDialog>

#include "document/CoverDocument.h"

class QLabel;
class QLineEdit;
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
    // Edits the document's bCoverText and backCoverSpineText, spine row shown.
    explicit CTrackListingDlg(const CoverDocument& doc, QWidget* parent = nullptr);

    // The texts as OK left them; before OK, the texts the dialog opened with.
    QString trackListingText() const { return trackListing_; }
    QString spineText() const { return spineText_; }
    // After OK: whether either text differs from what the dialog opened with.
    bool textsChanged() const;

    // After OK: stores both texts in bCoverText and backCoverSpineText when
    // either changed and returns true; otherwise (or after Cancel) does
    // nothing. Does not touch coverChanged.
    bool applyTo(CoverDocument& doc) const;

    TrackGrid* grid() const { return grid_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void placeControls();
    void loadListing(const QString& trackListing);
    void insertTrack();
    void removeTrack();
    void takeTextsAndAccept();

    const QString originalTrackListing_;
    const QString originalSpineText_;
    QString trackListing_;
    QString spineText_;

    QLabel* spineLabel_ = nullptr;
    QLineEdit* spineEdit_ = nullptr;
    QLabel* tracksLabel_ = nullptr;
    TrackGrid* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* insertButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

}  // namespace casewright
