#include "designer/CCoverDesignerDlg.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "app/ui/CAboutDlg.h"
#include "app/ui/HelpLocator.h"
#include "app/ui/UpdateReminderPrompt.h"
#include "controls/Artwork.h"
#include "controls/Prompter.h"
#include "controls/ScreenDpi.h"
#include "designer/CoverFileCommands.h"
#include "designer/DesignerControlIds.h"
#include "designer/DocumentCoverFileGateway.h"
#include "designer/DroppedFileRules.h"
#include "designer/FlatButtonFactory.h"
#include "designer/PreviewArea.h"
#include "document/CaseTypeTable.h"
#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "document/DvdSpineSwitch.h"
#include "images/ui/CImagePositionDlg.h"
#include "images/ui/CTemplatesDlg.h"
#include "images/ui/ImageFileDialog.h"
#include "print/PageLayouts.h"
#include "print/ui/PrintFlow.h"
#include "render/CoverPainter.h"
#include "render/ImageResolution.h"
#include "render/PreviewParamsBuilder.h"
#include "render/ui/CoverPreviewWidget.h"
#include "text/CoverTextRowSet.h"
#include "text/ui/EditCoverTexts.h"

namespace casewright {

using namespace DesignerIds;

namespace {

// A stored case type outside the known ones starts a standard CD design.
int NewDesignType(uint32_t storedOption) {
    const int type = static_cast<int>(storedOption);
    return FindCaseType(type) ? type : CoverTypeStandardCD;
}

int ViewButtonId(CoverSide side) {
    switch (side) {
        case CoverSide::Front:
            return kViewFront;
        case CoverSide::Disc:
            return kViewDisc;
        case CoverSide::Back:
        default:
            return kViewBack;
    }
}

}  // namespace

CCoverDesignerDlg::CCoverDesignerDlg(CoverDocument& document, QWidget* parent)
    : QDialog(parent),
      document_(&document),
      design_(std::make_unique<CoverDesign>(document)),
      files_(std::make_unique<DocumentCoverFileGateway>()),
      modalRunner_([](QDialog& dialog) { return dialog.exec(); }) {
    // The whole-cover image belongs to one design: a new window starts without it.
    CoverDocument start = document;
    start.sImagePath.clear();
    design_->startWith(start);
    setAcceptDrops(true);
    updateWindowTitle();
    setWindowIcon(QIcon(QString::fromLatin1(Artwork::kApplicationIcon)));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    buildControls();
    connect(design_.get(), &CoverDesign::changed, this, &CCoverDesignerDlg::onDesignChanged);
}

CCoverDesignerDlg::CCoverDesignerDlg(QWidget* parent)
    : CCoverDesignerDlg(*new CoverDocument, parent) {
    ownedDocument_.reset(document_);
}

CCoverDesignerDlg::~CCoverDesignerDlg() {
    // The buttons outlive the design object; it must not reach them as it goes.
    design_->disconnect(this);
    design_->undoStack().disconnect(this);
}

int CCoverDesignerDlg::exec() {
    startRun();
    return QDialog::exec();
}

void CCoverDesignerDlg::startRun() {
    endResult_.reset();
    runUpdateReminder();
    static_cast<QLabel*>(control(kVersionLabel))->setText(ProductInfo::Version());
    showAlignment(false, LEFT);
    button(kSpineCheck)->setChecked(true);
    button(kPrintBorders)->setChecked(true);

    // A new or loaded design starts with nothing to undo.
    CoverDocument start = *document_;
    start.ResetToNewDesign(NewDesignType(SettingsStore().Option), LogFont::kHeightDpi);
    openPendingCover(start);
    RestoreDvdSpineSwitch(start);
    const auto layout = LayoutForCoverType(DisplayCoverType(start.covertype));
    start.geometry =
        layout ? MakeCoverLayout(*layout, SettingsStore().printerAdjustment()) : CoverGeometry();
    design_->startWith(start);
    updateWindowTitle();
    arrangeForCoverType();
    enterView(CoverSide::Back);
    createTemplateWindow();
}

// "summer.jkt[*] – Casewright": Qt shows the mark only while there are
// unsaved changes.
void CCoverDesignerDlg::updateWindowTitle() {
    const QString name = coverFilePath_.isEmpty() ? QStringLiteral("Untitled")
                                                  : QFileInfo(coverFilePath_).fileName();
    setWindowTitle(QStringLiteral("%1[*] \u2013 %2").arg(name, ProductInfo::Name()));
    setWindowModified(design_ && design_->isChanged());
}

// A fresh, hidden template window for each run: it knows the case type of
// this design only.
void CCoverDesignerDlg::createTemplateWindow() {
    templates_.reset();
    templateWindowShown_ = false;
    templates_ = std::make_unique<CTemplatesDlg>(*design_, displayType(),
                                                 currentView_ == CoverSide::Disc, this);
    connect(templates_.get(), &CTemplatesDlg::shownChanged, this, [this](bool shown) {
        templateWindowShown_ = shown;
        if (!shown) {
            rememberTemplatesPosition();
        }
    });
    templates_->setRememberedPosition(SettingsStore().templatesPosition);
}

void CCoverDesignerDlg::rememberTemplatesPosition() {
    SettingsStore settings;
    settings.templatesPosition = templates_->pos();
    settings.save();
}

void CCoverDesignerDlg::openPendingCover(CoverDocument& start) {
    coverFilePath_.clear();
    if (pendingCoverPath_.isEmpty()) {
        return;
    }
    const CoverFileOutcome outcome = files_->read(start, pendingCoverPath_, LogFont::kHeightDpi);
    if (outcome.ok) {
        coverFilePath_ = pendingCoverPath_;
        CoverFileCommands::RememberCover(coverFilePath_);
    }
    if (!outcome.message.isEmpty()) {
        Prompter::instance().message(this, outcome.message, outcome.caption, Prompter::Buttons::Ok,
                                     Prompter::Icon::Warning);
    }
    pendingCoverPath_.clear();
}

int CCoverDesignerDlg::displayType() const {
    return DisplayCoverType(document_->covertype);
}

QWidget* CCoverDesignerDlg::control(int id) const {
    return controls_.value(id, nullptr);
}

QAbstractButton* CCoverDesignerDlg::button(int id) const {
    return qobject_cast<QAbstractButton*>(control(id));
}

bool CCoverDesignerDlg::clickControl(int id) {
    QAbstractButton* b = button(id);
    if (!b || b->isHidden() || !b->isEnabled()) {
        return false;
    }
    b->click();
    return true;
}

CoverPreviewWidget* CCoverDesignerDlg::visiblePreview() const {
    for (QWidget* widget : controls_) {
        auto* preview = qobject_cast<CoverPreviewWidget*>(widget);
        if (preview && !preview->isHidden()) {
            return preview;
        }
    }
    return nullptr;
}

void CCoverDesignerDlg::setCoverFileGateway(std::unique_ptr<CoverFileGateway> files) {
    files_ = std::move(files);
}

void CCoverDesignerDlg::setModalRunner(std::function<int(QDialog&)> runner) {
    modalRunner_ = std::move(runner);
}

// ---- views -----------------------------------------------------------------

void CCoverDesignerDlg::onViewClicked(CoverSide side) {
    QAbstractButton* clicked = button(ViewButtonId(side));
    if (clicked->isChecked()) {
        enterView(side);
    } else {
        clicked->setChecked(true);  // the view in use stays selected
    }
    update();
}

void CCoverDesignerDlg::enterView(CoverSide side) {
    currentView_ = side;
    for (CoverSide s : {CoverSide::Front, CoverSide::Back, CoverSide::Disc}) {
        button(ViewButtonId(s))->setChecked(s == side);
    }
    showViewControls();
    refreshPreview();
}

void CCoverDesignerDlg::showViewControls() {
    const int type = displayType();
    const bool dvd = IsDvdType(type);
    switch (currentView_) {
        case CoverSide::Front:
            showAlignment(true, document_->fCoverAlign);
            button(kCoverText)->setText(QStringLiteral("Cover Text"));
            break;
        case CoverSide::Back:
            showAlignment(dvd, document_->bCoverAlign);
            // The DVD cover's texts are edited as cover text, not as a listing.
            button(kCoverText)
                ->setText(UsesTrackListingEditor(type, currentView_)
                              ? QStringLiteral("Track Listing")
                              : QStringLiteral("Cover Text"));
            break;
        case CoverSide::Disc:
            showAlignment(false, document_->dCoverAlign);
            button(kCoverText)->setText(QStringLiteral("Disc Text"));
            break;
    }
    button(kChooseImage)
        ->setText(dvd && currentView_ == CoverSide::Back ? QStringLiteral("Choose Images")
                                                         : QStringLiteral("Choose Image"));
    updateImageButtons();
    showSpineCheck();
    button(kPrintBorders)->setChecked(document_->surface(currentView_).showBorder);
    showPreviewFor(SurfaceFor(type, currentView_));
}

void CCoverDesignerDlg::showAlignment(bool shown, int align) {
    for (int id : {kAlignmentLabel, kAlignmentFrame, kAlignLeft, kAlignCenter, kAlignRight}) {
        control(id)->setVisible(shown);
    }
    button(kAlignLeft)->setChecked(align == LEFT);
    button(kAlignCenter)->setChecked(align == CENTER);
    button(kAlignRight)->setChecked(align == RIGHT);
}

// Check box 1009 means something else in each view. Entering a view shows the
// flag it drives there, so that the disc's core switch never leaks into the
// spine switches. On the DVD cover it drives both spine flags; it shows the
// spine switch, which is what its caption asks about.
void CCoverDesignerDlg::showSpineCheck() {
    QAbstractButton* check = button(kSpineCheck);
    const int type = displayType();
    switch (currentView_) {
        case CoverSide::Front:
            check->hide();
            return;
        case CoverSide::Back:
            if (IsDvdType(type)) {
                // The spine flag is not read back from a cover file; the
                // print-over flag this check box also drives is, so it
                // carries the switch across a save and load.
                check->setText(QStringLiteral("Print Spine?"));
                check->setChecked(document_->bBackPrintOverSpines);
            } else {
                check->setText(type == CoverTypeSlimlineCD
                                   ? QStringLiteral("Extend image over spine?")
                                   : QStringLiteral("Extend image over spines?"));
                check->setChecked(document_->bBackPrintOverSpines);
            }
            break;
        case CoverSide::Disc:
            check->setText(QStringLiteral("Print over core?"));
            check->setChecked(document_->printOverInnerCircleDisc);
            break;
    }
    check->show();
}

void CCoverDesignerDlg::showPreviewFor(std::optional<SurfaceKind> kind) {
    CoverPreviewWidget* shown = kind ? previewFor(*kind) : nullptr;
    for (int id : {kStandardFrontPreview, kStandardBackPreview, kDvdPreview, kSlimlinePreview,
                   kDiscPreview}) {
        control(id)->setVisible(control(id) == shown);
    }
    if (!shown) {
        previewArea_->showPreview(nullptr, QSizeF());
    }
}

CoverPreviewWidget* CCoverDesignerDlg::previewFor(SurfaceKind kind) const {
    switch (kind) {
        case SurfaceKind::StandardFront:
            return static_cast<CoverPreviewWidget*>(control(kStandardFrontPreview));
        case SurfaceKind::StandardBack:
            return static_cast<CoverPreviewWidget*>(control(kStandardBackPreview));
        case SurfaceKind::DvdWrap:
            return static_cast<CoverPreviewWidget*>(control(kDvdPreview));
        case SurfaceKind::SlimlineInsert:
            return static_cast<CoverPreviewWidget*>(control(kSlimlinePreview));
        case SurfaceKind::Disc:
        default:
            return static_cast<CoverPreviewWidget*>(control(kDiscPreview));
    }
}

void CCoverDesignerDlg::updateImageButtons() {
    const bool hasImage = !imagePathInView().isEmpty();
    control(kChooseImage)->setVisible(!hasImage);
    control(kClearImage)->setVisible(hasImage);
    auto* fit = static_cast<QComboBox*>(control(kImageFit));
    const QVector<int> blocks = imageBlocksInView();
    fit->setEnabled(!blocks.isEmpty());
    if (!blocks.isEmpty()) {
        fit->setCurrentIndex(
            fit->findData(static_cast<int>(document_->imagePlacement(blocks.first()).fit)));
    }
}

QVector<int> CCoverDesignerDlg::imageBlocksInView() const {
    const auto kind = SurfaceFor(displayType(), currentView_);
    QVector<int> blocks;
    if (!kind) {
        return blocks;
    }
    CoverPreviewWidget* preview = previewFor(*kind);
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(*kind);
    painter->params = BuildPreviewParams(*document_, *kind, ScreenResolution(this).x);
    for (const SurfaceImageArea& area : painter->ImageAreas(preview->rect())) {
        blocks.append(area.block);
    }
    return blocks;
}

void CCoverDesignerDlg::chooseImageFit(ImageFit fit) {
    const QList<int> blocks = imageBlocksInView();
    design_->applyIfChanged(QStringLiteral("Image Fit"), [&](CoverDocument& doc) {
        for (const int block : blocks) {
            doc.imagePlacement(block).fit = fit;
        }
    });
}

// Shown as a draft while the drag lasts; the drag's end makes it a step.
void CCoverDesignerDlg::moveImageCrop(int block, ImagePlacement placement) {
    if (design_->document().imagePlacement(block) == placement) {
        return;
    }
    CoverDocument draft = design_->document();
    draft.imagePlacement(block) = placement;
    if (design_->inSession()) {
        design_->showDraft(draft);
    } else {
        design_->replace(QStringLiteral("Move Image"), draft);
    }
}

QString CCoverDesignerDlg::imagePathInView() const {
    return document_->surface(currentView_).imagePath;
}

// ---- following the design ------------------------------------------------------

// Every change of the design, an undo and a redo included, shows itself here
// once: the controls of the view take the design's state, the preview redraws.
void CCoverDesignerDlg::onDesignChanged() {
    if (!controls_.isEmpty() && control(kViewBack)) {
        showViewControls();
        refreshPreview();
        updateUndoButtons();
        update();
    }
}

void CCoverDesignerDlg::refreshPreview() {
    const auto kind = SurfaceFor(displayType(), currentView_);
    auto* fitNote = static_cast<QLabel*>(control(kListingFitNote));
    fitNote->clear();
    if (!kind) {
        return;
    }
    // The area sizes the widget in the surface's proportions; the widget
    // sets its scales from its own size against the surface's size at the
    // screen's resolution, and repaints.
    const int dpi = ScreenResolution(this).x;
    const PreviewParams params = BuildPreviewParams(*document_, *kind, dpi);
    previewArea_->showPreview(previewFor(*kind), QSizeF(params.refWidth, params.refHeight) / dpi);
    CoverPreviewWidget* preview = previewFor(*kind);
    preview->setPreviewParams(params);
    preview->setNote(
        LowResolutionWarnings(*document_, {*kind}, DrawnPictureSize).join(QLatin1Char('\n')));
    fitNote->setText(
        TrackListingFitNote(preview->coverPainter()->ListingFit(ScreenResolution(this).y)));
    updateZoomLabel();
}

// ---- zoom --------------------------------------------------------------------

void CCoverDesignerDlg::zoomIn() {
    previewArea_->zoomIn();
}

void CCoverDesignerDlg::zoomOut() {
    previewArea_->zoomOut();
}

void CCoverDesignerDlg::zoomToFit() {
    previewArea_->setZoom(PreviewArea::kFit);
}

void CCoverDesignerDlg::zoomToTrueSize() {
    previewArea_->setZoom(1.0);
}

void CCoverDesignerDlg::updateZoomLabel() {
    if (auto* label = qobject_cast<QLabel*>(control(kZoomLabel))) {
        label->setText(previewArea_->zoomText());
    }
}

// ---- surface commands --------------------------------------------------------

void CCoverDesignerDlg::chooseImage() {
    if (IsDvdType(displayType()) && currentView_ == CoverSide::Back) {
        openImagePosition();
        return;
    }
    const ImageFileDialog::Choice choice =
        ImageFileDialog::Choose(this, lastDroppedPath_, ImageFileDialog::FirstFolder::Documents);
    if (!choice.confirmed) {
        return;
    }
    // A confirmed name that is no file counts as a choice, but keeps the image.
    design_->setImage(currentView_, choice.path.isEmpty() ? imagePathInView() : choice.path,
                      QStringLiteral("Choose Image"));
}

// The dialog works on a draft that the preview shows while it is open; the
// whole session is one step.
void CCoverDesignerDlg::openImagePosition() {
    CoverDocument draft = *document_;
    design_->beginSession();
    CImagePositionDlg dialog(
        draft, lastDroppedPath_, [this, &draft] { design_->showDraft(draft); }, this);
    modalRunner_(dialog);
    design_->showDraft(draft);
    design_->endSession(QStringLiteral("Image Position"));
}

void CCoverDesignerDlg::clearImage() {
    design_->setImage(currentView_, QString(), QStringLiteral("Clear Image"));
}

void CCoverDesignerDlg::chooseColor() {
    const ConstSurfaceFields surface = std::as_const(*document_).surface(currentView_);
    const std::optional<ColorRef> color = Prompter::instance().chooseColor(this, surface.bgColor);
    if (color) {
        const QString question =
            CaseTypeInfoFor(displayType()).frontSurface
                ? QStringLiteral("Use this color for the back cover, front cover and disc?")
                : QStringLiteral("Use this color for the cover and disc?");
        const Prompter::Answer answer =
            Prompter::instance().message(this, question, QStringLiteral("Color"),
                                         Prompter::Buttons::YesNo, Prompter::Icon::Question);
        if (answer == Prompter::Answer::Yes) {
            design_->setAllBackgroundColors(*color);
        } else {
            design_->setBackgroundColor(currentView_, *color);
        }
    }
}

void CCoverDesignerDlg::chooseFont() {
    const ConstSurfaceFields surface = std::as_const(*document_).surface(currentView_);
    const auto choice = Prompter::instance().chooseFont(this, surface.font, surface.textColor);
    if (choice) {
        design_->setFont(currentView_, choice->font, choice->color, choice->pointSizeTenths);
    }
}

void CCoverDesignerDlg::setAlignment(int align) {
    button(kAlignLeft)->setChecked(align == LEFT);
    button(kAlignCenter)->setChecked(align == CENTER);
    button(kAlignRight)->setChecked(align == RIGHT);
    design_->setAlignment(currentView_ == CoverSide::Front ? CoverSide::Front : CoverSide::Back,
                          align);
}

void CCoverDesignerDlg::spineCheckClicked() {
    design_->setSpineOrCoreSwitch(currentView_, button(kSpineCheck)->isChecked());
}

void CCoverDesignerDlg::bordersClicked() {
    design_->setBorders(currentView_, button(kPrintBorders)->isChecked());
}

// ---- undo and redo -------------------------------------------------------------

void CCoverDesignerDlg::buildUndoCommands() {
    QUndoStack& stack = design_->undoStack();
    QAbstractButton* b = addCommand(kUndo, QStringLiteral("undoButton"), QStringLiteral("Undo"),
                                    QString(), QString());
    connect(b, &QAbstractButton::clicked, &stack, &QUndoStack::undo);
    b = addCommand(kRedo, QStringLiteral("redoButton"), QStringLiteral("Redo"), QString(),
                   QString());
    connect(b, &QAbstractButton::clicked, &stack, &QUndoStack::redo);
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Undo)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, &stack, &QUndoStack::undo);
    }
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        connect(new QShortcut(keys, this), &QShortcut::activated, &stack, &QUndoStack::redo);
    }
    connect(&stack, &QUndoStack::indexChanged, this, &CCoverDesignerDlg::updateUndoButtons);
    connect(&stack, &QUndoStack::cleanChanged, this, [this] { updateUndoButtons(); });
    updateUndoButtons();
}

// The buttons name the step they take back or do again, and are disabled
// when there is none.
void CCoverDesignerDlg::updateUndoButtons() {
    const QUndoStack& stack = design_->undoStack();
    QAbstractButton* undo = button(kUndo);
    QAbstractButton* redo = button(kRedo);
    if (!undo || !redo) {
        return;
    }
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    FlatButtonFactory::SetTooltip(
        undo, stack.canUndo() ? QStringLiteral("Undo %1 (Ctrl+Z)").arg(stack.undoText())
                              : QStringLiteral("Nothing to undo"));
    FlatButtonFactory::SetTooltip(
        redo, stack.canRedo() ? QStringLiteral("Redo %1 (Ctrl+Shift+Z)").arg(stack.redoText())
                              : QStringLiteral("Nothing to redo"));
    updateWindowTitle();
}

// ---- ending the window, files ------------------------------------------------

// Runs one of the file commands; a save it made names the window's cover.
template <typename Command>
auto CCoverDesignerDlg::runFileCommand(Command command) {
    CoverFileCommands commands(this, *design_, pendingCoverPath_, *files_);
    const auto result = command(commands);
    if (!commands.savedPath().isEmpty()) {
        coverFilePath_ = commands.savedPath();
    }
    updateWindowTitle();
    return result;
}

// A new design always: the save (and the Save dialog's starting point) must
// not leave the saved cover to be reopened by the next run.
void CCoverDesignerDlg::startOver() {
    if (!runFileCommand([](CoverFileCommands& c) { return c.saveQuestionPasses(); })) {
        return;
    }
    pendingCoverPath_.clear();
    design_->startWith(*document_);
    done(kResultStartOver);
}

void CCoverDesignerDlg::exitCommand() {
    if (!runFileCommand([](CoverFileCommands& c) { return c.saveQuestionPasses(); })) {
        return;
    }
    pendingCoverPath_.clear();
    done(kResultExit);
}

void CCoverDesignerDlg::saveCommand() {
    runFileCommand([](CoverFileCommands& c) {
        c.save();
        return true;
    });
}

void CCoverDesignerDlg::loadCommand() {
    if (runFileCommand([](CoverFileCommands& c) { return c.load(); }) ==
        CoverFileCommands::LoadEnd::Restart) {
        done(kResultStartOver);
    }
}

QMenu* CCoverDesignerDlg::recentCoversMenu() {
    fillRecentCoversMenu();
    return recentMenu_;
}

void CCoverDesignerDlg::fillRecentCoversMenu() {
    recentMenu_->clear();
    SettingsStore settings;
    if (settings.dropMissingRecentCovers()) {
        settings.save();
    }
    for (const QString& path : settings.recentCovers) {
        QAction* action = recentMenu_->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openRecentCover(path); });
    }
    if (settings.recentCovers.isEmpty()) {
        recentMenu_->addAction(QStringLiteral("No recent covers"))->setEnabled(false);
    }
    recentMenu_->setToolTipsVisible(true);
}

void CCoverDesignerDlg::openRecentCover(const QString& path) {
    if (runFileCommand([&path](CoverFileCommands& c) { return c.loadRecent(path); }) ==
        CoverFileCommands::LoadEnd::Restart) {
        done(kResultStartOver);
    }
}

void CCoverDesignerDlg::done(int result) {
    endResult_ = result;
    rememberWindowSize();
    if (templates_) {
        templates_->hide();
    }
    QDialog::done(result);
}

// Escape does nothing in this window; the close box goes through Exit.
void CCoverDesignerDlg::reject() {}

void CCoverDesignerDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    exitCommand();
}

void CCoverDesignerDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_Escape:
            event->accept();
            return;
        case Qt::Key_F1:
            event->accept();
            openHelp();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CCoverDesignerDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeControls();
}

// ---- dropped files -----------------------------------------------------------

void CCoverDesignerDlg::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void CCoverDesignerDlg::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    dropFiles(paths);
}

void CCoverDesignerDlg::dropFiles(const QStringList& paths) {
    if (paths.isEmpty() || !DroppedFileRules::IsAccepted(paths.first())) {
        return;
    }
    const QString path = paths.first();
    if (!DroppedFileRules::OpensAsCover(path) && !ImageFileDialog::AcceptImage(this, path)) {
        return;
    }
    lastDroppedPath_ = path;
    design_->dropImage(currentView_, path);
    if (DroppedFileRules::OpensAsCover(path)) {
        pendingCoverPath_ = path;
        done(kResultDroppedCover);
    }
}

// ---- commands of other windows ---------------------------------------------

// The Cover Text dialog or, for a track listing, the listing editor; they put
// their texts into a copy of the design and say by coverChanged whether OK
// made a change, which is then one step named after the button.
void CCoverDesignerDlg::openTextEditor() {
    CoverDocument edited = *document_;
    edited.coverChanged = false;
    EditCoverTexts(this, edited, currentView_);
    if (edited.coverChanged) {
        design_->replace(button(kCoverText)->text(), edited);
    }
}

void CCoverDesignerDlg::toggleTemplateWindow() {
    if (templates_) {
        templates_->toggle();
    }
}

void CCoverDesignerDlg::printCover() {
    RunPrintFlow(this, *document_, suggestedPdfPath());
}

// Save as PDF proposes the name of the cover saved or opened; nothing when
// the design has none.
QString CCoverDesignerDlg::suggestedPdfPath() const {
    const QString extension = ProductInfo::CoverFileExtension();
    const QString& cover = coverFilePath_;
    if (!cover.endsWith(extension)) {
        return QString();
    }
    return cover.left(cover.size() - extension.size()) + QStringLiteral(".pdf");
}

void CCoverDesignerDlg::openHelp() {
    HelpLocator::OpenHelp(QStringLiteral("designer.html"), this);
}

void CCoverDesignerDlg::showAboutBox() {
    CAboutDlg about(this);
    modalRunner_(about);
}

void CCoverDesignerDlg::runUpdateReminder() {
    RunUpdateReminder(this);
}

}  // namespace casewright
