#include "text/ui/CTrackListingDlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "text/TrackListingCodec.h"
#include "text/TrackSourceImport.h"
#include "text/ui/CMusicBrainzLookupDlg.h"
#include "text/ui/MusicBrainzSession.h"
#include "text/ui/TextDialogFont.h"
#include "text/ui/TextHelp.h"
#include "text/ui/TrackGrid.h"
#include "text/ui/TrackImportSources.h"

namespace casewright {

namespace {

const QString kImportCaption = QStringLiteral("Import");
const QString kLookUpCaption = QStringLiteral("Look Up");

// Where the next file dialog opens: where the last import came from, for the
// rest of the program run.
QString& LastImportFolder() {
    static QString folder;
    return folder;
}

QString ImportStartFolder() {
    if (!LastImportFolder().isEmpty()) {
        return LastImportFolder();
    }
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QDir::homePath();
}

QString Tracks(int count) {
    return count == 1 ? QStringLiteral("1 track") : QStringLiteral("%1 tracks").arg(count);
}

// Tracks the user typed or imported: rows with a title or a length. The
// numbers alone, as a new listing has them, are nothing to lose.
int FilledTrackCount(const TrackListing& listing) {
    return static_cast<int>(
        std::count_if(listing.rows().cbegin(), listing.rows().cend(), [](const TrackRow& row) {
            return !row.title.trimmed().isEmpty() || !row.length.trimmed().isEmpty();
        }));
}

}  // namespace

CTrackListingDlg::CTrackListingDlg(const QString& trackListing, const QString& spineText,
                                   bool showSpineRow, QWidget* parent)
    : QDialog(parent),
      originalTrackListing_(trackListing),
      originalSpineText_(spineText),
      trackListing_(trackListing),
      spineText_(spineText),
      showSpineRow_(showSpineRow) {
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
    : CTrackListingDlg(doc.bCoverText, doc.backCoverSpineText, true, parent) {
    frontTitle_ = doc.fCoverTitle;
    showTotalTime_ = doc.showTotalTime;
    totalTimeCheck_->setChecked(doc.showTotalTime);
}

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
    importButton_ = new QPushButton(QStringLiteral("Import..."), this);
    importButton_->setObjectName(QStringLiteral("importButton"));
    auto* importMenu = new QMenu(importButton_);
    importFileAction_ =
        importMenu->addAction(QStringLiteral("Text File, Cue Sheet or Audio File..."));
    importFileAction_->setObjectName(QStringLiteral("importFileAction"));
    importFolderAction_ = importMenu->addAction(QStringLiteral("Folder of Audio Files..."));
    importFolderAction_->setObjectName(QStringLiteral("importFolderAction"));
    importButton_->setMenu(importMenu);
    lookUpButton_ = new QPushButton(QStringLiteral("Look up..."), this);
    lookUpButton_->setObjectName(QStringLiteral("lookUpButton"));
    for (QPushButton* button :
         {cancelButton_, insertButton_, removeButton_, importButton_, lookUpButton_}) {
        button->setAutoDefault(false);
    }

    busyLabel_ = new QLabel(this);
    busyLabel_->setObjectName(QStringLiteral("importStatus"));
    busyLabel_->setWordWrap(true);
    busyLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    busyBar_ = new QProgressBar(this);
    busyBar_->setObjectName(QStringLiteral("importBusyIndicator"));
    busyBar_->setRange(0, 0);  // busy, without a measure of how far
    busyBar_->setTextVisible(false);
    busyBar_->hide();
    frontTitleNote_ = new QLabel(this);
    frontTitleNote_->setObjectName(QStringLiteral("frontTitleNote"));
    totalTimeCheck_ = new QCheckBox(QStringLiteral("Show total time"), this);
    totalTimeCheck_->setObjectName(QStringLiteral("totalTimeCheck"));

    connect(okButton_, &QPushButton::clicked, this, &CTrackListingDlg::takeTextsAndAccept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(insertButton_, &QPushButton::clicked, this, &CTrackListingDlg::insertTrack);
    connect(removeButton_, &QPushButton::clicked, this, &CTrackListingDlg::removeTrack);
    connect(importFileAction_, &QAction::triggered, this, &CTrackListingDlg::importFile);
    connect(importFolderAction_, &QAction::triggered, this, &CTrackListingDlg::importFolder);
    connect(lookUpButton_, &QPushButton::clicked, this, &CTrackListingDlg::lookUp);
    connect(grid_, &TrackGrid::filesDropped, this, &CTrackListingDlg::importPaths);

    setTabOrder(spineEdit_, grid_);
    setTabOrder(grid_, totalTimeCheck_);
    setTabOrder(totalTimeCheck_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, insertButton_);
    setTabOrder(insertButton_, removeButton_);
    setTabOrder(removeButton_, importButton_);
    setTabOrder(importButton_, lookUpButton_);
}

void CTrackListingDlg::placeControls() {
    DialogUnits::Place(spineLabel_, 7, 9, 42, 8);
    DialogUnits::Place(spineEdit_, 50, 7, 204, 14);
    DialogUnits::Place(tracksLabel_, 7, 27, 40, 8);
    DialogUnits::Place(frontTitleNote_, 50, 27, 204, 8);
    DialogUnits::Place(grid_, 7, 37, 247, 162);
    DialogUnits::Place(okButton_, 261, 7, 54, 14);
    DialogUnits::Place(cancelButton_, 261, 24, 54, 14);
    DialogUnits::Place(insertButton_, 261, 49, 54, 14);
    DialogUnits::Place(removeButton_, 261, 66, 54, 14);
    DialogUnits::Place(importButton_, 261, 91, 54, 14);
    DialogUnits::Place(lookUpButton_, 261, 108, 54, 14);
    DialogUnits::Place(busyLabel_, 261, 128, 54, 32);
    DialogUnits::Place(busyBar_, 261, 162, 54, 6);
    DialogUnits::Place(totalTimeCheck_, 7, 204, 150, 10);
    setFixedSize(DialogUnits::ToPixelsX(322), DialogUnits::ToPixelsY(220));
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
    showTotalTime_ = totalTimeCheck_->isChecked();
    accept();
}

bool CTrackListingDlg::textsChanged() const {
    return trackListing_ != originalTrackListing_ || spineText_ != originalSpineText_;
}

bool CTrackListingDlg::applyTo(CoverDocument& doc) const {
    if (result() != QDialog::Accepted) {
        return false;
    }
    bool stored = false;
    if (textsChanged()) {
        doc.bCoverText = trackListing_;
        doc.backCoverSpineText = spineText_;
        stored = true;
    }
    if (albumFrontTitle_ && *albumFrontTitle_ != doc.fCoverTitle) {
        doc.fCoverTitle = *albumFrontTitle_;
        stored = true;
    }
    if (showTotalTime_ != doc.showTotalTime) {
        doc.showTotalTime = showTotalTime_;
        stored = true;
    }
    return stored;
}

void CTrackListingDlg::importFile() {
    const QString path = Prompter::instance().openFileName(
        this, QStringLiteral("Import Track Listing"), ImportStartFolder(), TrackSourceFileFilter());
    if (!path.isEmpty()) {
        importPaths({path});
    }
}

void CTrackListingDlg::importFolder() {
    const QString folder = Prompter::instance().existingFolder(
        this, QStringLiteral("Import Folder of Audio Files"), ImportStartFolder());
    if (!folder.isEmpty()) {
        importPaths({folder});
    }
}

void CTrackListingDlg::importPaths(const QStringList& paths) {
    if (isBusy() || paths.isEmpty()) {
        return;
    }
    const QFileInfo first(paths.first());
    LastImportFolder() = first.isDir() ? first.absoluteFilePath() : first.absolutePath();
    importing_ = paths;
    importJob_ = new QFutureWatcher<TrackImportResult>(this);
    connect(importJob_, &QFutureWatcherBase::finished, this, &CTrackListingDlg::importFinished);
    importJob_->setFuture(QtConcurrent::run([paths] { return ImportDroppedTrackSources(paths); }));
    showBusy(QStringLiteral("Importing %1...").arg(TrackSourceName(paths)));
}

void CTrackListingDlg::importFinished() {
    const TrackImportResult imported = importJob_->result();
    const QStringList paths = importing_;
    abandonImport();
    if (!imported) {
        Prompter::instance().message(
            this,
            QStringLiteral("The track listing could not be imported.\n\n") +
                AsSentence(imported.error),
            kImportCaption, Prompter::Buttons::Ok, Prompter::Icon::Warning);
        return;
    }
    if (takeAlbum(*imported.album, QStringLiteral("\"%1\"").arg(TrackSourceName(paths)),
                  kImportCaption)) {
        lastImportPath_ = paths.size() == 1 ? paths.first() : QString();
        lastAlbum_ = *imported.album;
    }
}

void CTrackListingDlg::abandonImport() {
    if (importJob_) {
        // The files being read are left to the worker, and its result to nobody.
        importJob_->disconnect(this);
        importJob_->deleteLater();
        importJob_ = nullptr;
    }
    importing_.clear();
    showBusy(QString());
}

void CTrackListingDlg::showBusy(const QString& status) {
    const bool busy = !status.isEmpty();
    busyLabel_->setText(status);
    busyBar_->setVisible(busy);
    importButton_->setEnabled(!busy);
    lookUpButton_->setEnabled(!busy);
    grid_->setAcceptsFileDrops(!busy);
    if (busy) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

void CTrackListingDlg::lookUp() {
    if (isBusy()) {
        return;
    }
    grid_->commitEdit();
    CMusicBrainzLookupDlg::Start start;
    if (TrackSourceKindOf(lastImportPath_) == TrackSourceKind::CueSheet) {
        start.source = CMusicBrainzLookupDlg::Source::CueSheet;
        start.cueSheet = lastImportPath_;
    }
    // A search starts from what the dialog knows of the album.
    start.artist = lastAlbum_.artist;
    start.album =
        lastAlbum_.title.isEmpty() ? albumFrontTitle_.value_or(frontTitle_) : lastAlbum_.title;
    CMusicBrainzLookupDlg dialog(SessionMusicBrainzClient(), start, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    takeAlbum(dialog.album(), QStringLiteral("\"%1\"").arg(dialog.album().title), kLookUpCaption);
}

bool CTrackListingDlg::takeAlbum(const ImportedAlbum& album, const QString& sourceName,
                                 const QString& caption) {
    Prompter& prompter = Prompter::instance();
    if (album.rows.empty()) {
        prompter.message(this, QStringLiteral("%1 lists no tracks.").arg(sourceName), caption,
                         Prompter::Buttons::Ok, Prompter::Icon::Information);
        return false;
    }
    grid_->commitEdit();
    const int filled = FilledTrackCount(grid_->listing());
    if (filled > 0) {
        const QString question =
            QStringLiteral("The listing already holds %1. Replace them with the %2 of %3?")
                .arg(Tracks(filled), Tracks(static_cast<int>(album.rows.size())), sourceName);
        if (prompter.message(this, question, caption, Prompter::Buttons::YesNo,
                             Prompter::Icon::Question) != Prompter::Answer::Yes) {
            return false;
        }
    }
    grid_->showListing(album.listing());
    grid_->setCurrentCell(0, TrackGrid::NumberColumn);
    offerAlbumTexts(album, caption);
    return true;
}

void CTrackListingDlg::offerAlbumTexts(const ImportedAlbum& album, const QString& caption) {
    const QString front = album.frontTitle().trimmed();
    const QString spine = album.spineText().trimmed();
    const bool newFront = !front.isEmpty() && front != albumFrontTitle_.value_or(frontTitle_);
    const bool newSpine = showSpineRow_ && !spine.isEmpty() && spine != spineEdit_->text();
    if (!newFront && !newSpine) {
        return;
    }
    QStringList offered;
    if (newFront) {
        offered << QStringLiteral("Front title: %1").arg(front);
    }
    if (newSpine) {
        offered << QStringLiteral("Spine text: %1").arg(spine);
    }
    const QString question = QStringLiteral("Use the album's title and artist on the cover?\n\n") +
                             offered.join(QLatin1Char('\n'));
    if (Prompter::instance().message(this, question, caption, Prompter::Buttons::YesNo,
                                     Prompter::Icon::Question) != Prompter::Answer::Yes) {
        return;
    }
    if (newFront) {
        albumFrontTitle_ = front;
    }
    if (newSpine) {
        spineEdit_->setText(spine);
    }
    updateFrontTitleNote();
}

void CTrackListingDlg::updateFrontTitleNote() {
    if (!albumFrontTitle_) {
        frontTitleNote_->clear();
        return;
    }
    const QString note = QStringLiteral("Front title on OK: %1").arg(*albumFrontTitle_);
    frontTitleNote_->setText(
        frontTitleNote_->fontMetrics().elidedText(note, Qt::ElideRight, frontTitleNote_->width()));
    frontTitleNote_->setToolTip(*albumFrontTitle_);
}

void CTrackListingDlg::done(int result) {
    abandonImport();
    QDialog::done(result);
}

void CTrackListingDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        OpenTextsHelp(this);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace casewright
