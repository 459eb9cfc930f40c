#include "text/ui/CMusicBrainzLookupDlg.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/ui/HelpLocator.h"
#include "controls/Prompter.h"
#include "text/MusicBrainzClient.h"
#include "text/ui/TextDialogFont.h"

namespace casewright {

namespace {

const QString kCaption = QStringLiteral("Look Up");
const QString kNoCdHint = QStringLiteral(
    "\n\nPut an audio CD into the drive, or look up a cue sheet or the album's artist and title "
    "instead.");

QString TrackCount(int count) {
    return count == 1 ? QStringLiteral("1 track") : QStringLiteral("%1 tracks").arg(count);
}

QString MediumLabel(const MusicBrainzMedium& medium, int count) {
    QString text = QStringLiteral("Disc %1 of %2").arg(medium.position).arg(count);
    if (!medium.title.isEmpty()) {
        text += QStringLiteral(": ") + medium.title;
    }
    QStringList details;
    if (!medium.format.isEmpty() && medium.format != QLatin1String("CD")) {
        details << medium.format;
    }
    const int tracks =
        medium.rows.empty() ? medium.trackCount : static_cast<int>(medium.rows.size());
    if (tracks > 0) {
        details << TrackCount(tracks);
    }
    return details.isEmpty() ? text : text + QStringLiteral(" (%1)").arg(details.join(", "));
}

}  // namespace

QString AsSentence(const QString& message) {
    QString sentence = message.trimmed();
    if (sentence.isEmpty()) {
        return sentence;
    }
    sentence[0] = sentence[0].toUpper();
    if (!sentence.endsWith(QLatin1Char('.')) && !sentence.endsWith(QLatin1Char('?')) &&
        !sentence.endsWith(QLatin1Char('!'))) {
        sentence += QLatin1Char('.');
    }
    return sentence;
}

CMusicBrainzLookupDlg::CMusicBrainzLookupDlg(MusicBrainzClient& client, const Start& start,
                                             QWidget* parent)
    : QDialog(parent), client_(client) {
    setWindowTitle(QStringLiteral("Look Up on MusicBrainz"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("texts.html#lookup"));
    UseDialogFont(this);
    buildControls(start);
    updateControls();
}

CMusicBrainzLookupDlg::~CMusicBrainzLookupDlg() {
    abandon();
}

void CMusicBrainzLookupDlg::buildControls(const Start& start) {
    auto* sources = new QGroupBox(QStringLiteral("Look up the tracks of"), this);
    cdRadio_ = new QRadioButton(QStringLiteral("The CD in the drive:"), sources);
    cdRadio_->setObjectName(QStringLiteral("cdDriveRadio"));
    driveEdit_ = new QLineEdit(start.drive.isEmpty() ? DefaultCdDrive() : start.drive, sources);
    driveEdit_->setObjectName(QStringLiteral("cdDriveEdit"));
    cueRadio_ = new QRadioButton(QStringLiteral("The cue sheet:"), sources);
    cueRadio_->setObjectName(QStringLiteral("cueSheetRadio"));
    cueEdit_ = new QLineEdit(QDir::toNativeSeparators(start.cueSheet), sources);
    cueEdit_->setObjectName(QStringLiteral("cueSheetEdit"));
    browseButton_ = new QPushButton(QStringLiteral("Browse..."), sources);
    browseButton_->setObjectName(QStringLiteral("browseCueSheetButton"));
    searchRadio_ = new QRadioButton(QStringLiteral("The album:"), sources);
    searchRadio_->setObjectName(QStringLiteral("searchRadio"));
    artistEdit_ = new QLineEdit(start.artist, sources);
    artistEdit_->setObjectName(QStringLiteral("artistEdit"));
    artistEdit_->setPlaceholderText(QStringLiteral("Artist"));
    albumEdit_ = new QLineEdit(start.album, sources);
    albumEdit_->setObjectName(QStringLiteral("albumEdit"));
    albumEdit_->setPlaceholderText(QStringLiteral("Album"));

    auto* sourceGrid = new QGridLayout(sources);
    sourceGrid->addWidget(cdRadio_, 0, 0);
    sourceGrid->addWidget(driveEdit_, 0, 1, 1, 2);
    sourceGrid->addWidget(cueRadio_, 1, 0);
    sourceGrid->addWidget(cueEdit_, 1, 1);
    sourceGrid->addWidget(browseButton_, 1, 2);
    sourceGrid->addWidget(searchRadio_, 2, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(artistEdit_);
    searchRow->addWidget(albumEdit_);
    sourceGrid->addLayout(searchRow, 2, 1, 1, 2);
    sourceGrid->setColumnStretch(1, 1);

    switch (start.source) {
        case Source::CdDrive:
            cdRadio_->setChecked(true);
            break;
        case Source::CueSheet:
            cueRadio_->setChecked(true);
            break;
        case Source::Search:
            searchRadio_->setChecked(true);
            break;
    }

    lookUpButton_ = new QPushButton(QStringLiteral("Look Up"), this);
    lookUpButton_->setObjectName(QStringLiteral("lookUpButton"));
    lookUpButton_->setDefault(true);
    busyBar_ = new QProgressBar(this);
    busyBar_->setObjectName(QStringLiteral("busyIndicator"));
    busyBar_->setRange(0, 0);
    busyBar_->setTextVisible(false);
    busyBar_->setMaximumWidth(80);
    busyBar_->hide();
    statusLabel_ = new QLabel(this);
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    auto* lookUpRow = new QHBoxLayout;
    lookUpRow->addWidget(lookUpButton_);
    lookUpRow->addWidget(busyBar_);
    lookUpRow->addWidget(statusLabel_, 1);

    auto* releasesLabel = new QLabel(QStringLiteral("Releases found:"), this);
    releaseList_ = new QListWidget(this);
    releaseList_->setObjectName(QStringLiteral("releaseList"));
    releasesLabel->setBuddy(releaseList_);
    mediumLabel_ = new QLabel(QStringLiteral("Disc:"), this);
    mediumCombo_ = new QComboBox(this);
    mediumCombo_->setObjectName(QStringLiteral("mediumCombo"));
    mediumLabel_->setBuddy(mediumCombo_);
    auto* mediumRow = new QHBoxLayout;
    mediumRow->addWidget(mediumLabel_);
    mediumRow->addWidget(mediumCombo_, 1);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setAutoDefault(false);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sources);
    layout->addLayout(lookUpRow);
    layout->addWidget(releasesLabel);
    layout->addWidget(releaseList_, 1);
    layout->addLayout(mediumRow);
    layout->addLayout(buttons);
    resize(520, 400);

    for (QRadioButton* radio : {cdRadio_, cueRadio_, searchRadio_}) {
        connect(radio, &QRadioButton::toggled, this, &CMusicBrainzLookupDlg::updateControls);
    }
    // Typing in a source's box chooses that source.
    connect(driveEdit_, &QLineEdit::textEdited, cdRadio_, [this] { cdRadio_->setChecked(true); });
    connect(cueEdit_, &QLineEdit::textEdited, cueRadio_, [this] { cueRadio_->setChecked(true); });
    for (QLineEdit* edit : {artistEdit_, albumEdit_}) {
        connect(edit, &QLineEdit::textEdited, searchRadio_,
                [this] { searchRadio_->setChecked(true); });
    }
    connect(browseButton_, &QPushButton::clicked, this, &CMusicBrainzLookupDlg::chooseCueSheet);
    connect(lookUpButton_, &QPushButton::clicked, this, &CMusicBrainzLookupDlg::lookUp);
    connect(releaseList_, &QListWidget::currentRowChanged, this, &CMusicBrainzLookupDlg::showMedia);
    connect(releaseList_, &QListWidget::itemActivated, this,
            &CMusicBrainzLookupDlg::takeChosenRelease);
    connect(okButton_, &QPushButton::clicked, this, &CMusicBrainzLookupDlg::takeChosenRelease);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

CMusicBrainzLookupDlg::Source CMusicBrainzLookupDlg::source() const {
    if (cueRadio_->isChecked()) {
        return Source::CueSheet;
    }
    return searchRadio_->isChecked() ? Source::Search : Source::CdDrive;
}

bool CMusicBrainzLookupDlg::isBusy() const {
    return reply_ || tocWatcher_;
}

void CMusicBrainzLookupDlg::updateControls() {
    const bool busy = isBusy();
    lookUpButton_->setEnabled(!busy);
    releaseList_->setEnabled(!busy);
    mediumCombo_->setEnabled(!busy);
    okButton_->setEnabled(!busy && releaseList_->currentRow() >= 0);
    const bool severalMedia = mediumCombo_->count() > 1;
    mediumLabel_->setVisible(severalMedia);
    mediumCombo_->setVisible(severalMedia);
}

void CMusicBrainzLookupDlg::chooseCueSheet() {
    const QString start = cueEdit_->text().isEmpty() ? QDir::homePath() : cueEdit_->text();
    const QString chosen = Prompter::instance().openFileName(
        this, QStringLiteral("Choose Cue Sheet"), start, QStringLiteral("Cue sheets (*.cue)"));
    if (!chosen.isEmpty()) {
        cueEdit_->setText(QDir::toNativeSeparators(chosen));
        cueRadio_->setChecked(true);
    }
}

void CMusicBrainzLookupDlg::lookUp() {
    if (isBusy()) {
        return;
    }
    discId_.clear();
    showReleases({});
    switch (source()) {
        case Source::CdDrive: {
            const QString drive = driveEdit_->text().trimmed();
            setBusy(QStringLiteral("Reading the CD..."));
            readToc([drive] {
                TocRead read;
                read.toc = ReadCdDriveToc(drive, &read.error);
                return read;
            });
            return;
        }
        case Source::CueSheet: {
            const QString sheet = QDir::fromNativeSeparators(cueEdit_->text().trimmed());
            if (sheet.isEmpty()) {
                fail(QStringLiteral("Choose a cue sheet to look up."));
                return;
            }
            setBusy(QStringLiteral("Reading the cue sheet..."));
            readToc([sheet] {
                TocRead read;
                read.toc = ReadCueSheetToc(sheet, &read.error);
                return read;
            });
            return;
        }
        case Source::Search:
            break;
    }
    if (artistEdit_->text().trimmed().isEmpty() && albumEdit_->text().trimmed().isEmpty()) {
        fail(QStringLiteral("Type the artist, the album or both to search for."));
        return;
    }
    setBusy(QStringLiteral("Searching MusicBrainz..."));
    watch(client_.searchReleases(artistEdit_->text(), albumEdit_->text()),
          &CMusicBrainzLookupDlg::releasesFound);
}

void CMusicBrainzLookupDlg::readToc(std::function<TocRead()> read) {
    tocWatcher_ = new QFutureWatcher<TocRead>(this);
    connect(tocWatcher_, &QFutureWatcherBase::finished, this, &CMusicBrainzLookupDlg::tocRead);
    tocWatcher_->setFuture(QtConcurrent::run(std::move(read)));
    updateControls();
}

void CMusicBrainzLookupDlg::tocRead() {
    const TocRead read = tocWatcher_->result();
    tocWatcher_->deleteLater();
    tocWatcher_ = nullptr;
    if (!read.toc) {
        fail(source() == Source::CdDrive ? AsSentence(read.error) + kNoCdHint : read.error);
        return;
    }
    lookUpDisc(*read.toc);
}

void CMusicBrainzLookupDlg::lookUpDisc(const DiscToc& toc) {
    QString error;
    const std::optional<QString> id = MusicBrainzDiscId(toc, &error);
    if (!id) {
        fail(error);
        return;
    }
    discId_ = *id;
    setBusy(QStringLiteral("Looking up the disc..."));
    watch(client_.lookUpDisc(*id, toc.text()), &CMusicBrainzLookupDlg::releasesFound);
}

void CMusicBrainzLookupDlg::watch(MusicBrainzReply* reply,
                                  void (CMusicBrainzLookupDlg::*handler)()) {
    reply_ = reply;
    connect(reply, &MusicBrainzReply::finished, this, handler);
    updateControls();
}

void CMusicBrainzLookupDlg::releasesFound() {
    MusicBrainzReply* reply = reply_;
    reply_ = nullptr;
    if (!reply) {
        return;
    }
    reply->deleteLater();
    if (!reply->succeeded()) {
        fail(reply->errorMessage());
        return;
    }
    stopBusy();
    showReleases(reply->releases());
}

void CMusicBrainzLookupDlg::showReleases(std::vector<MusicBrainzRelease> releases) {
    releases_ = std::move(releases);
    releaseList_->clear();
    for (const MusicBrainzRelease& release : releases_) {
        releaseList_->addItem(release.label());
    }
    if (releases_.empty()) {
        okButton_->setDefault(false);
        lookUpButton_->setDefault(true);
        showMedia();
        return;
    }
    statusLabel_->setText(releases_.size() == 1
                              ? QStringLiteral("1 release found.")
                              : QStringLiteral("%1 releases found.").arg(releases_.size()));
    releaseList_->setCurrentRow(0);
    releaseList_->setFocus();
    lookUpButton_->setDefault(false);
    okButton_->setDefault(true);
    updateControls();
}

void CMusicBrainzLookupDlg::showMedia() {
    mediumCombo_->clear();
    const int row = releaseList_->currentRow();
    if (row >= 0 && row < static_cast<int>(releases_.size())) {
        const MusicBrainzRelease& release = releases_[static_cast<size_t>(row)];
        const int count = static_cast<int>(release.media.size());
        if (count > 1) {
            for (int i = 0; i < count; ++i) {
                mediumCombo_->addItem(MediumLabel(release.media[static_cast<size_t>(i)], count), i);
            }
            mediumCombo_->addItem(QStringLiteral("All discs"), -1);
            const int withDisc = release.mediumWithDisc(discId_);
            mediumCombo_->setCurrentIndex(withDisc >= 0 ? withDisc : 0);
        }
    }
    updateControls();
}

int CMusicBrainzLookupDlg::chosenMedium() const {
    if (mediumCombo_->count() > 1) {
        return mediumCombo_->currentData().toInt();
    }
    // One medium or, in a search result that lists none, whatever the release holds.
    const int row = releaseList_->currentRow();
    return row >= 0 && releases_[static_cast<size_t>(row)].media.size() == 1 ? 0 : -1;
}

void CMusicBrainzLookupDlg::takeChosenRelease() {
    const int row = releaseList_->currentRow();
    if (isBusy() || row < 0 || row >= static_cast<int>(releases_.size())) {
        return;
    }
    const MusicBrainzRelease& release = releases_[static_cast<size_t>(row)];
    if (release.hasTracks()) {
        album_ = release.album(chosenMedium());
        accept();
        return;
    }
    // A search lists releases without their tracks; the picked one is fetched.
    setBusy(QStringLiteral("Fetching the tracks..."));
    watch(client_.lookUpRelease(release.id), &CMusicBrainzLookupDlg::releaseFetched);
}

void CMusicBrainzLookupDlg::releaseFetched() {
    MusicBrainzReply* reply = reply_;
    reply_ = nullptr;
    if (!reply) {
        return;
    }
    reply->deleteLater();
    if (!reply->succeeded() || reply->releases().empty()) {
        fail(reply->errorMessage());
        return;
    }
    stopBusy();
    album_ = reply->releases().front().album(chosenMedium());
    accept();
}

void CMusicBrainzLookupDlg::setBusy(const QString& status) {
    statusLabel_->setText(status);
    busyBar_->show();
    setCursor(Qt::BusyCursor);
    updateControls();
}

void CMusicBrainzLookupDlg::stopBusy() {
    statusLabel_->clear();
    busyBar_->hide();
    unsetCursor();
    updateControls();
}

void CMusicBrainzLookupDlg::abandon() {
    // Deleting the reply abandons its request; a drive or sheet still being
    // read finishes on its worker thread and is forgotten.
    delete reply_.data();
    reply_ = nullptr;
    if (tocWatcher_) {
        tocWatcher_->disconnect(this);
        tocWatcher_->deleteLater();
        tocWatcher_ = nullptr;
    }
}

void CMusicBrainzLookupDlg::fail(const QString& message) {
    stopBusy();
    Prompter::instance().message(this, AsSentence(message), kCaption, Prompter::Buttons::Ok,
                                 Prompter::Icon::Warning);
}

void CMusicBrainzLookupDlg::done(int result) {
    abandon();
    stopBusy();
    QDialog::done(result);
}

}  // namespace casewright
