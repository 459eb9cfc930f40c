#include "images/ui/CTemplatesDlg.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>

#include "app/ui/HelpLocator.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "controls/WindowPlacement.h"
#include "images/ImageLoader.h"
#include "images/TemplateCaseFilter.h"
#include "images/TemplateLabel.h"
#include "images/TemplatePicker.h"
#include "images/TemplateThumbnailLoader.h"
#include "images/TemplateThumbnailPainter.h"
#include "images/ui/ImageFileDialog.h"
#include "images/ui/TemplateDialogButtons.h"

namespace casewright {

namespace {

constexpr int kWidthUnits = 478;
constexpr int kHeightUnits = 169;

QPixmap emptyThumbnail() {
    QPixmap blank(TemplateThumbnailPainter::kSide, TemplateThumbnailPainter::kSide);
    blank.fill(Qt::transparent);
    return blank;
}

}  // namespace

CTemplatesDlg::CTemplatesDlg(CoverDesign& design, int coverType, bool discView, QWidget* designer,
                             const QStringList& folders)
    : QDialog(designer), designer_(designer) {
    setWindowTitle(QStringLiteral("Templates"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("templates.html#window"));
    setModal(false);
    buildControls();
    TemplateScan scan = TemplateFolderScanner::scan(folders);
    // Only the templates drawn for this case, and the user's own, are listed.
    scan.entries = TemplateCaseFilter::forCoverType(scan.entries, coverType);
    picker_ = new TemplatePicker(&design, coverType, scan.entries, CheckImageFile, this);
    connect(picker_, &TemplatePicker::designChanged, this, &CTemplatesDlg::designChanged);
    connect(picker_, &TemplatePicker::imageRefused, this,
            [this](const QString& message) { ImageFileDialog::ReportRefusal(this, message); });
    fillList(scan);
    reportScanErrors(scan.errors);
    startThumbnails(discView);
    highlightCurrentTemplate();
}

CTemplatesDlg::~CTemplatesDlg() = default;

void CTemplatesDlg::buildControls() {
    resize(DialogUnits::ToPixelsX(kWidthUnits), DialogUnits::ToPixelsY(kHeightUnits));
    // The window's white background (control 1066 of the original layout).
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("templateList"));
    list_->setViewMode(QListView::IconMode);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFlow(QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setIconSize(QSize(TemplateThumbnailPainter::kSide, TemplateThumbnailPainter::kSide));
    list_->setWordWrap(true);
    list_->setGridSize(
        QSize(TemplateThumbnailPainter::kSide + 44, TemplateThumbnailPainter::kSide + 40));
    DialogUnits::Place(list_, 7, 7, 464, 128);
    list_->installEventFilter(this);
    connect(list_, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { applyClicked(index.row()); });

    TemplateDialogButtons::create(this);
    connect(button(kOk), &QAbstractButton::clicked, this, &CTemplatesDlg::accept);
    connect(button(kCancel), &QAbstractButton::clicked, this, &CTemplatesDlg::reject);
}

void CTemplatesDlg::fillList(const TemplateScan& scan) {
    const QPixmap blank = emptyThumbnail();
    for (const TemplateEntry& entry : scan.entries) {
        auto* item =
            new QListWidgetItem(QIcon(blank), TemplateLabel::fromFileName(entry.backFileName));
        item->setToolTip(entry.backFileName);
        list_->addItem(item);
    }
}

void CTemplatesDlg::reportScanErrors(const QStringList& errors) {
    for (const QString& error : errors) {
        Prompter::instance().message(this, error, QStringLiteral("Error"), Prompter::Buttons::Ok,
                                     Prompter::Icon::Error);
    }
}

void CTemplatesDlg::startThumbnails(bool discView) {
    thumbnails_ = new TemplateThumbnailLoader(this);
    connect(thumbnails_, &TemplateThumbnailLoader::thumbnailReady, this,
            &CTemplatesDlg::showThumbnail);
    connect(thumbnails_, &TemplateThumbnailLoader::finished, this, &CTemplatesDlg::thumbnailsReady);
    QStringList paths;
    for (const TemplateEntry& entry : picker_->entries()) {
        paths.append(entry.backPath());
    }
    thumbnails_->start(paths, discView);
}

void CTemplatesDlg::showThumbnail(int index, const QImage& thumbnail) {
    QListWidgetItem* item = list_->item(index);
    if (item && !thumbnail.isNull()) {
        item->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
    }
}

void CTemplatesDlg::highlightCurrentTemplate() {
    list_->setFocus();
    if (list_->count() > 0) {
        selectRow(0);
    }
    const int current = picker_->indexOfCurrentTemplate();
    if (current >= 0) {
        selectRow(current);
    }
}

void CTemplatesDlg::selectRow(int row) {
    list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    list_->scrollToItem(list_->item(row));
}

QStringList CTemplatesDlg::templateFiles() const {
    QStringList files;
    for (const TemplateEntry& entry : picker_->entries()) {
        files.append(entry.backPath());
    }
    return files;
}

QAbstractButton* CTemplatesDlg::button(int id) const {
    return TemplateDialogButtons::find(this, id);
}

int CTemplatesDlg::lastApplied() const {
    return picker_->lastApplied();
}

bool CTemplatesDlg::thumbnailsComplete() const {
    return thumbnails_->isFinished();
}

void CTemplatesDlg::toggle() {
    picker_->rememberImages();
    if (isVisible()) {
        hide();
        return;
    }
    const bool first = !placed_;
    if (first) {
        placeBesideDesigner();
        placed_ = true;
    }
    show();
    raise();
    if (first && screen()) {
        // The frame is known once the window shows: keep all of it on the screen.
        move(WindowPlacement::Within(frameGeometry(), screen()->availableGeometry()));
    }
}

void CTemplatesDlg::placeBesideDesigner() {
    const QScreen* screen = designer_ ? designer_->window()->screen() : this->screen();
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize size = frameGeometry().size();
    if (remembered_) {
        move(WindowPlacement::Within(QRect(*remembered_, size), available));
    } else if (designer_) {
        move(WindowPlacement::Beside(designer_->window()->frameGeometry(), size, available));
    }
}

void CTemplatesDlg::accept() {
    hide();
}

void CTemplatesDlg::reject() {
    picker_->restoreImages();
    hide();
}

void CTemplatesDlg::applyClicked(int row) {
    picker_->applyClicked(row);
}

bool CTemplatesDlg::handleArrowKey(int key) {
    const bool applied = key == Qt::Key_Left ? picker_->applyPrevious() : picker_->applyNext();
    if (applied) {
        selectRow(picker_->lastApplied());
    }
    return true;
}

bool CTemplatesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            return handleArrowKey(key);
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The close box keeps the applied template, as OK does.
void CTemplatesDlg::closeEvent(QCloseEvent* event) {
    event->accept();
    hide();
}

void CTemplatesDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        emit shownChanged(true);
    }
}

void CTemplatesDlg::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) {
        emit shownChanged(false);
    }
}

}  // namespace casewright
