#include "text/ui/CTrackListingDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "controls/DialogUnits.h"
#include "text/TrackListingCodec.h"
#include "text/ui/TextDialogFont.h"
#include "text/ui/TextHelp.h"
#include "text/ui/TrackGrid.h"

namespace casewright {

CTrackListingDlg::CTrackListingDlg(const QString& trackListing, const QString& spineText,
                                   bool showSpineRow, QWidget* parent)
    : QDialog(parent),
      originalTrackListing_(trackListing),
      originalSpineText_(spineText),
      trackListing_(trackListing),
      spineText_(spineText) {
    setWindowTitle(QStringLiteral("Edit Track Listing"));
    UseDialogFont(this);
    buildControls();
    placeControls();
    spineLabel_->setVisible(showSpineRow);
    spineEdit_->setVisible(showSpineRow);
    spineEdit_->setText(spineText);
    loadListing(trackListing);
}

CTrackListingDlg::CTrackListingDlg(const CoverDocument& doc, QWidget* parent)
    : CTrackListingDlg(doc.bCoverText, doc.backCoverSpineText, true, parent) {}

void CTrackListingDlg::buildControls() {
    spineLabel_ = new QLabel(QStringLiteral("Spine Text:"), this);
    spineLabel_->setObjectName(QStringLiteral("spineTextLabel"));
    spineEdit_ = new QLineEdit(this);
    spineEdit_->setObjectName(QStringLiteral("spineTextEdit"));
    tracksLabel_ = new QLabel(QStringLiteral("Tracks:"), this);
    tracksLabel_->setObjectName(QStringLiteral("tracksLabel"));
    grid_ = new TrackGrid(this);
    grid_->setObjectName(QStringLiteral("trackGrid"));

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    insertButton_ = new QPushButton(QStringLiteral("Insert Track"), this);
    insertButton_->setObjectName(QStringLiteral("insertTrackButton"));
    removeButton_ = new QPushButton(QStringLiteral("Remove Track"), this);
    removeButton_->setObjectName(QStringLiteral("removeTrackButton"));
    for (QPushButton* button : {cancelButton_, insertButton_, removeButton_}) {
        button->setAutoDefault(false);
    }

    connect(okButton_, &QPushButton::clicked, this, &CTrackListingDlg::takeTextsAndAccept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &CTrackListingDlg::insertTrack);
    connect(removeButton_, &QPushButton::clicked, this, &CTrackListingDlg::removeTrack);

    setTabOrder(spineEdit_, grid_);
    setTabOrder(grid_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, insertButton_);
    setTabOrder(insertButton_, removeButton_);
}

void CTrackListingDlg::placeControls() {
    DialogUnits::Place(spineLabel_, 7, 9, 42, 8);
    DialogUnits::Place(spineEdit_, 50, 7, 204, 14);
    DialogUnits::Place(tracksLabel_, 7, 27, 40, 8);
    DialogUnits::Place(grid_, 7, 37, 247, 162);
    DialogUnits::Place(okButton_, 261, 7, 54, 14);
    DialogUnits::Place(cancelButton_, 261, 24, 54, 14);
    DialogUnits::Place(insertButton_, 261, 49, 54, 14);
    DialogUnits::Place(removeButton_, 261, 66, 54, 14);
    setFixedSize(DialogUnits::ToPixelsX(322), DialogUnits::ToPixelsY(206));
}

void CTrackListingDlg::loadListing(const QString& trackListing) {
    grid_->showListing(TrackListingCodec::Parse(trackListing));
    // A stored listing leaves its last row current, so Insert Track adds a
    // track at the end; a fresh one starts at the first number.
    const int row = trackListing.isEmpty() ? 0 : grid_->rowCount() - 1;
    grid_->setCurrentCell(row, TrackGrid::NumberColumn);
}

void CTrackListingDlg::insertTrack() {
    grid_->commitEdit();
    TrackListing listing = grid_->listing();
    const int inserted = listing.insertTrack(grid_->currentRow());
    grid_->showListing(listing);
    grid_->setCurrentCell(inserted, std::max(grid_->currentColumn(), int{TrackGrid::NumberColumn}));
}

void CTrackListingDlg::removeTrack() {
    grid_->commitEdit();
    TrackListing listing = grid_->listing();
    const int current = listing.removeTrack(grid_->currentRow());
    grid_->showListing(listing);
    grid_->setCurrentCell(current, std::max(grid_->currentColumn(), int{TrackGrid::NumberColumn}));
}

void CTrackListingDlg::takeTextsAndAccept() {
    grid_->commitEdit();
    trackListing_ = TrackListingCodec::Encode(grid_->listing());
    spineText_ = spineEdit_->text();
    accept();
}

bool CTrackListingDlg::textsChanged() const {
    return trackListing_ != originalTrackListing_ || spineText_ != originalSpineText_;
}

bool CTrackListingDlg::applyTo(CoverDocument& doc) const {
    if (result() != QDialog::Accepted || !textsChanged()) {
        return false;
    }
    doc.bCoverText = trackListing_;
    doc.backCoverSpineText = spineText_;
    return true;
}

void CTrackListingDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        OpenTextsHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace casewright
