// Building the designer window's controls and arranging them per case type.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/ProductInfo.h"
#include "app/SettingsStore.h"
#include "controls/Artwork.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "controls/ScreenDpi.h"
#include "designer/CCoverDesignerDlg.h"
#include "designer/DesignerControlIds.h"
#include "designer/FlatButtonFactory.h"
#include "designer/PreviewArea.h"
#include "document/CaseTypeTable.h"
#include "document/CoverDesign.h"
#include "document/CoverDocument.h"
#include "render/PreviewParamsBuilder.h"
#include "render/ui/CoverPreviewWidget.h"

namespace casewright {

using namespace DesignerIds;

namespace {

// Dialog units of the smallest layout. The logo (and the zoom row) take a
// band at the top; everything else sits below it.
constexpr int kDialogWidth = 508;
constexpr int kDialogHeight = 300;
constexpr int kLogoBand = 22;
constexpr int kPreviewLeft = 50;
constexpr int kPreviewTop = 20;
constexpr int kPreviewBottom = 248;
constexpr int kColumnGap = 4;
// The command column's frames and a margin of 4 at the window's edge.
constexpr int kColumnWidth = 156;
// Pixels kept free for the window manager's frame around the window.
constexpr int kFrameReserveWidth = 16;
constexpr int kFrameReserveHeight = 40;
// Below this the captions no longer fit their buttons.
constexpr double kLeastUnitScale = 0.75;

QFrame* MakeFrame(QWidget* parent, QFrame::Shape shape) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    return frame;
}

QWidget* MakeFilledRect(QWidget* parent, const QColor& color) {
    auto* rect = new QWidget(parent);
    rect->setAutoFillBackground(true);
    QPalette palette = rect->palette();
    palette.setColor(QPalette::Window, color);
    rect->setPalette(palette);
    return rect;
}

}  // namespace

void CCoverDesignerDlg::registerControl(int id, const QString& name, QWidget* widget) {
    widget->setObjectName(name);
    controls_.insert(id, widget);
}

QAbstractButton* CCoverDesignerDlg::addCommand(int id, const QString& name, const QString& caption,
                                               const QString& iconPath, const QString& tooltip) {
    QAbstractButton* b = FlatButtonFactory::Command(this, caption, iconPath);
    if (!tooltip.isEmpty()) {
        FlatButtonFactory::SetTooltip(b, tooltip);
    }
    registerControl(id, name, b);
    return b;
}

void CCoverDesignerDlg::buildControls() {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    registerControl(kWhiteBackground, QStringLiteral("whiteBackground"),
                    MakeFilledRect(this, Qt::white));
    previewArea_ = new PreviewArea(this);
    registerControl(kPreviewBackground, QStringLiteral("previewBackground"), previewArea_);
    registerControl(kViewFrame, QStringLiteral("viewFrame"), MakeFrame(this, QFrame::Box));
    registerControl(kImageFrame, QStringLiteral("imageFrame"), MakeFrame(this, QFrame::Box));
    registerControl(kAlignmentFrame, QStringLiteral("alignmentFrame"),
                    MakeFrame(this, QFrame::Box));
    registerControl(kCheckFrame, QStringLiteral("checkFrame"), MakeFrame(this, QFrame::Box));
    registerControl(kCommandFrame, QStringLiteral("commandFrame"), MakeFrame(this, QFrame::Box));

    buildPreviews();
    buildViewButtons();
    buildCommandColumn();
    buildAlignmentGroup();
    buildCheckBoxes();
    buildFileCommands();
    buildLinksAndLabels();
    buildUndoCommands();
    buildZoomControls();
    buildRecentCovers();
    setKeyboardOrder();
    controls_.value(kWhiteBackground)->lower();
}

// Tab walks the command column from top to bottom, then the views, the zoom
// row, the preview and the links; every button takes focus from the keyboard.
void CCoverDesignerDlg::setKeyboardOrder() {
    const int order[] = {kUndo,
                         kRedo,
                         kChooseTemplate,
                         kChooseImage,
                         kClearImage,
                         kImageFit,
                         kChooseColor,
                         kCoverText,
                         kFont,
                         kAlignLeft,
                         kAlignCenter,
                         kAlignRight,
                         kSpineCheck,
                         kPrintBorders,
                         kPrint,
                         kStartOver,
                         kSave,
                         kLoad,
                         kRecentCovers,
                         kHelp,
                         kExit,
                         kViewBack,
                         kViewFront,
                         kViewDisc,
                         kZoomOut,
                         kZoomFit,
                         kZoomTrueSize,
                         kZoomIn,
                         kPreviewBackground,
                         kAboutLink,
                         kUrlLink,
                         kUpdateLink};
    QWidget* previous = nullptr;
    for (const int id : order) {
        QWidget* widget = control(id);
        if (qobject_cast<QAbstractButton*>(widget)) {
            widget->setFocusPolicy(Qt::StrongFocus);
        }
        if (previous) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
    logo_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(previous, logo_);
}

void CCoverDesignerDlg::buildPreviews() {
    const struct {
        int id;
        const char* name;
        SurfaceKind kind;
    } previews[] = {
        {kStandardFrontPreview, "standardFrontPreview", SurfaceKind::StandardFront},
        {kStandardBackPreview, "standardBackPreview", SurfaceKind::StandardBack},
        {kDvdPreview, "dvdPreview", SurfaceKind::DvdWrap},
        {kSlimlinePreview, "slimlinePreview", SurfaceKind::SlimlineInsert},
        {kDiscPreview, "discPreview", SurfaceKind::Disc},
        {kHiddenDvdPreview, "hiddenDvdPreview", SurfaceKind::DvdWrap},
    };
    for (const auto& p : previews) {
        QWidget* parent =
            p.id == kHiddenDvdPreview ? static_cast<QWidget*>(this) : previewArea_->canvas();
        auto* preview = new CoverPreviewWidget(MakeCoverPainter(p.kind), parent);
        preview->hide();
        registerControl(p.id, QString::fromLatin1(p.name), preview);
        // A whole drag of the crop is one step.
        connect(preview, &CoverPreviewWidget::imagePlacementDragStarted, design_.get(),
                &CoverDesign::beginSession);
        connect(preview, &CoverPreviewWidget::imagePlacementDragged, this,
                &CCoverDesignerDlg::moveImageCrop);
        connect(preview, &CoverPreviewWidget::imagePlacementDragFinished, this,
                [this] { design_->endSession(QStringLiteral("Move Image")); });
    }
}

void CCoverDesignerDlg::buildViewButtons() {
    const struct {
        int id;
        const char* name;
        const char* caption;
        const char* icon;
        CoverSide side;
    } views[] = {
        {kViewFront, "viewFrontButton", "VIEW FRONT COVER", Artwork::kViewFront, CoverSide::Front},
        {kViewBack, "viewBackButton", "VIEW BACK COVER", Artwork::kViewBack, CoverSide::Back},
        {kViewDisc, "viewDiscButton", "VIEW DISC", Artwork::kViewDisc, CoverSide::Disc},
    };
    auto* group = new QButtonGroup(this);
    for (const auto& v : views) {
        QAbstractButton* b = FlatButtonFactory::Radio(this, QString::fromLatin1(v.caption),
                                                      QString::fromLatin1(v.icon));
        group->addButton(b);
        registerControl(v.id, QString::fromLatin1(v.name), b);
        const CoverSide side = v.side;
        connect(b, &QAbstractButton::clicked, this, [this, side] { onViewClicked(side); });
    }
}

void CCoverDesignerDlg::buildCommandColumn() {
    QAbstractButton* b = nullptr;
    b = FlatButtonFactory::BitmapCommand(this, QStringLiteral("Choose Template"),
                                         QString::fromLatin1(Artwork::kChooseTemplate));
    registerControl(kChooseTemplate, QStringLiteral("chooseTemplateButton"), b);
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::toggleTemplateWindow);
    b = addCommand(kChooseImage, QStringLiteral("chooseImageButton"),
                   QStringLiteral("Choose Image"), QString::fromLatin1(Artwork::kChooseImage),
                   QStringLiteral("Click here to choose a background image for your cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::chooseImage);
    b = addCommand(kClearImage, QStringLiteral("clearImageButton"), QStringLiteral("Clear Image"),
                   QString::fromLatin1(Artwork::kClearImage),
                   QStringLiteral("Click here to clear the background image."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::clearImage);
    auto* fit = new QComboBox(this);
    for (const ImageFit mode : {ImageFit::Stretch, ImageFit::Fit, ImageFit::Fill}) {
        QString name = ImageFitName(mode);
        name[0] = name[0].toUpper();
        fit->addItem(name, static_cast<int>(mode));
    }
    fit->setToolTip(QStringLiteral(
        "Stretch the picture over the surface, fit it whole inside, or fill the surface with it "
        "(drag the picture in the preview to move the cut)."));
    registerControl(kImageFit, QStringLiteral("imageFitChoice"), fit);
    connect(fit, QOverload<int>::of(&QComboBox::activated), this, [this, fit](int index) {
        chooseImageFit(static_cast<ImageFit>(fit->itemData(index).toInt()));
    });
    b = addCommand(kChooseColor, QStringLiteral("chooseColorButton"),
                   QStringLiteral("Choose Color"), QString::fromLatin1(Artwork::kChooseColor),
                   QStringLiteral("Click here to change the background color of your cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::chooseColor);
    b = addCommand(
        kCoverText, QStringLiteral("coverTextButton"), QStringLiteral("Track Listing"),
        QString::fromLatin1(Artwork::kCoverText),
        QStringLiteral("Click here to add a track listing and spine text to your cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::openTextEditor);
    b = addCommand(kFont, QStringLiteral("fontButton"), QStringLiteral("Font"),
                   QString::fromLatin1(Artwork::kFont),
                   QStringLiteral("Click here to change the font and colour of your track "
                                  "listing and spine text."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::chooseFont);
}

void CCoverDesignerDlg::buildAlignmentGroup() {
    auto* label = new QLabel(QStringLiteral("Text Alignment"), this);
    label->setAlignment(Qt::AlignCenter);
    registerControl(kAlignmentLabel, QStringLiteral("textAlignmentLabel"), label);
    const struct {
        int id;
        const char* name;
        const char* caption;
        const char* tooltip;
        const char* bitmap;
        int align;
    } buttons[] = {
        {kAlignLeft, "alignLeftButton", "Left", "Click here to left align the cover text.",
         Artwork::kAlignLeft, LEFT},
        {kAlignCenter, "alignCenterButton", "Center", "Click here to center align the cover text.",
         Artwork::kAlignCenter, CENTER},
        {kAlignRight, "alignRightButton", "Right", "Click here to right align the cover text.",
         Artwork::kAlignRight, RIGHT},
    };
    auto* group = new QButtonGroup(this);
    for (const auto& a : buttons) {
        QAbstractButton* b = FlatButtonFactory::BitmapRadio(this, QString::fromLatin1(a.caption),
                                                            QString::fromLatin1(a.bitmap));
        group->addButton(b);
        FlatButtonFactory::SetTooltip(b, QString::fromLatin1(a.tooltip));
        registerControl(a.id, QString::fromLatin1(a.name), b);
        const int align = a.align;
        connect(b, &QAbstractButton::clicked, this, [this, align] { setAlignment(align); });
    }
}

void CCoverDesignerDlg::buildCheckBoxes() {
    QAbstractButton* spine =
        FlatButtonFactory::CheckBox(this, QStringLiteral("Extend image over spines?"));
    registerControl(kSpineCheck, QStringLiteral("spineCheckBox"), spine);
    connect(spine, &QAbstractButton::clicked, this, &CCoverDesignerDlg::spineCheckClicked);
    QAbstractButton* borders = FlatButtonFactory::CheckBox(this, QStringLiteral("Print Borders?"));
    registerControl(kPrintBorders, QStringLiteral("printBordersCheckBox"), borders);
    connect(borders, &QAbstractButton::clicked, this, &CCoverDesignerDlg::bordersClicked);
}

// The file commands and their keys. Save always asks for the file name, so
// it is also "save under a new name" (Ctrl+Shift+S). Keys without a standard
// sequence on every desktop's scheme are spelled out.
void CCoverDesignerDlg::buildFileCommands() {
    const struct {
        int id;
        const char* name;
        const char* caption;
        const char* icon;
        const char* tooltip;
        QList<QKeySequence> keys;  // the first one is named in the tooltip
        void (CCoverDesignerDlg::*command)();
    } commands[] = {
        {kPrint, "printButton", "&Print", Artwork::kPrint, "Click here to print your cover",
         QKeySequence::keyBindings(QKeySequence::Print), &CCoverDesignerDlg::printCover},
        {kStartOver, "startOverButton", "Start Over", Artwork::kStartOver,
         "Click here to create a new cover", QKeySequence::keyBindings(QKeySequence::New),
         &CCoverDesignerDlg::startOver},
        {kSave, "saveButton", "Save", Artwork::kSave, "Click here to save your cover",
         QKeySequence::keyBindings(QKeySequence::Save) +
             QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         &CCoverDesignerDlg::saveCommand},
        {kLoad, "loadButton", "Load", Artwork::kLoad,
         "Click here to load a cover you created previously",
         QKeySequence::keyBindings(QKeySequence::Open), &CCoverDesignerDlg::loadCommand},
        {kHelp,
         "helpButton",
         "Help",
         Artwork::kHelp,
         "Click here if you need some help",
         {QKeySequence(Qt::Key_F1)},
         nullptr},
        {kExit,
         "exitButton",
         "E&xit",
         Artwork::kExit,
         "Click here to exit",
         {QKeySequence(Qt::CTRL | Qt::Key_Q)},
         &CCoverDesignerDlg::exitCommand},
    };
    QList<QKeySequence> taken;
    for (const auto& c : commands) {
        QString tooltip = QString::fromLatin1(c.tooltip);
        if (!c.keys.isEmpty()) {
            tooltip +=
                QStringLiteral(" (%1)").arg(c.keys.first().toString(QKeySequence::NativeText));
        }
        QAbstractButton* b =
            addCommand(c.id, QString::fromLatin1(c.name), QString::fromLatin1(c.caption),
                       QString::fromLatin1(c.icon), tooltip + QLatin1Char('.'));
        // F1 is handled by the window's key handling in every state.
        if (!c.command) {
            connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::openHelp);
            continue;
        }
        connect(b, &QAbstractButton::clicked, this, c.command);
        for (const QKeySequence& keys : c.keys) {
            // Two shortcuts on one sequence would both stay silent.
            if (keys.isEmpty() || taken.contains(keys)) {
                continue;
            }
            taken << keys;
            connect(new QShortcut(keys, this), &QShortcut::activated, this, c.command);
        }
    }
}

void CCoverDesignerDlg::buildLinksAndLabels() {
    QAbstractButton* site = FlatButtonFactory::Link(this, QUrl(ProductInfo::MakerSiteUrl()).host());
    FlatButtonFactory::SetTooltip(site, ProductInfo::MakerSiteUrl());
    registerControl(kUrlLink, QStringLiteral("makerSiteLink"), site);
    connect(site, &QAbstractButton::clicked, this,
            [] { Prompter::instance().openUrl(QUrl(ProductInfo::MakerSiteUrl())); });

    QAbstractButton* update =
        FlatButtonFactory::Link(this, QStringLiteral("Check for software updates"));
    update->hide();
    registerControl(kUpdateLink, QStringLiteral("updateLink"), update);
    connect(update, &QAbstractButton::clicked, this,
            [] { Prompter::instance().openUrl(QUrl(ProductInfo::UpdatePageUrl())); });

    QAbstractButton* about = FlatButtonFactory::Link(this, QStringLiteral("About..."));
    FlatButtonFactory::SetTooltip(about, QStringLiteral("About ") + ProductInfo::Name());
    registerControl(kAboutLink, QStringLiteral("aboutLink"), about);
    connect(about, &QAbstractButton::clicked, this, &CCoverDesignerDlg::showAboutBox);

    // The logo opens the About box too: the desktop has no system menu for it.
    logo_ = FlatButtonFactory::Picture(this, QString::fromLatin1(Artwork::kLogo));
    logo_->setObjectName(QStringLiteral("logo"));
    FlatButtonFactory::SetTooltip(logo_, QStringLiteral("About ") + ProductInfo::Name());
    connect(logo_, &QAbstractButton::clicked, this, &CCoverDesignerDlg::showAboutBox);

    auto* maker = new QLabel(ProductInfo::Name() + QStringLiteral(" is made by ") +
                                 ProductInfo::Maker() + QStringLiteral("."),
                             this);
    registerControl(kMakerLine, QStringLiteral("makerLine"), maker);
    auto* version = new QLabel(QStringLiteral("V4.0"), this);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    registerControl(kVersionLabel, QStringLiteral("versionLabel"), version);

    // On the preview's grey band, at its foot; empty while the listing is
    // drawn as designed.
    auto* fitNote = new QLabel(this);
    fitNote->setAlignment(Qt::AlignCenter);
    fitNote->setStyleSheet(QStringLiteral("color: white;"));
    registerControl(kListingFitNote, QStringLiteral("listingFitNote"), fitNote);
}

void CCoverDesignerDlg::buildZoomControls() {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    registerControl(kZoomLabel, QStringLiteral("zoomLabel"), label);
    const struct {
        int id;
        const char* name;
        const char* caption;
        const char* tooltip;
        void (CCoverDesignerDlg::*command)();
    } zooms[] = {
        {kZoomOut, "zoomOutButton", "\u2212", "Zoom out (Ctrl+minus, Ctrl+wheel)",
         &CCoverDesignerDlg::zoomOut},
        {kZoomFit, "zoomFitButton", "Fit window", "Fit the cover to the window (Ctrl+0)",
         &CCoverDesignerDlg::zoomToFit},
        {kZoomTrueSize, "zoomTrueSizeButton", "100 %", "Show the cover at its true size (Ctrl+1)",
         &CCoverDesignerDlg::zoomToTrueSize},
        {kZoomIn, "zoomInButton", "+", "Zoom in (Ctrl+plus, Ctrl+wheel)",
         &CCoverDesignerDlg::zoomIn},
    };
    for (const auto& z : zooms) {
        QAbstractButton* b = FlatButtonFactory::Link(this, QString::fromUtf8(z.caption));
        FlatButtonFactory::SetTooltip(b, QString::fromLatin1(z.tooltip));
        registerControl(z.id, QString::fromLatin1(z.name), b);
        connect(b, &QAbstractButton::clicked, this, z.command);
    }
    const struct {
        QKeySequence keys;
        void (CCoverDesignerDlg::*command)();
    } shortcuts[] = {
        {QKeySequence::ZoomIn, &CCoverDesignerDlg::zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &CCoverDesignerDlg::zoomIn},
        {QKeySequence::ZoomOut, &CCoverDesignerDlg::zoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), &CCoverDesignerDlg::zoomToFit},
        {QKeySequence(Qt::CTRL | Qt::Key_1), &CCoverDesignerDlg::zoomToTrueSize},
    };
    for (const auto& s : shortcuts) {
        connect(new QShortcut(s.keys, this), &QShortcut::activated, this, s.command);
    }
    connect(previewArea_, &PreviewArea::zoomChanged, this, &CCoverDesignerDlg::updateZoomLabel);
}

// A drop-down beside Load with the covers opened or saved last.
void CCoverDesignerDlg::buildRecentCovers() {
    recentCovers_ = new QToolButton(this);
    recentCovers_->setArrowType(Qt::DownArrow);
    recentCovers_->setAutoRaise(true);
    recentCovers_->setPopupMode(QToolButton::InstantPopup);
    // The arrow itself says there is a menu; no second indicator.
    recentCovers_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    recentCovers_->setToolTip(QStringLiteral("Load a recent cover"));
    recentMenu_ = new QMenu(recentCovers_);
    recentMenu_->setObjectName(QStringLiteral("recentCoversMenu"));
    recentCovers_->setMenu(recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, &CCoverDesignerDlg::fillRecentCoversMenu);
    registerControl(kRecentCovers, QStringLiteral("recentCoversButton"), recentCovers_);
}

int CCoverDesignerDlg::ux(double units) const {
    return static_cast<int>(
        std::lround(units * DialogUnits::ToPixelsX(1000) / 1000.0 * unitScale_));
}

int CCoverDesignerDlg::uy(double units) const {
    return static_cast<int>(
        std::lround(units * DialogUnits::ToPixelsY(1000) / 1000.0 * unitScale_));
}

QSize CCoverDesignerDlg::minimumLayoutSize() const {
    return QSize(ux(kDialogWidth), uy(kDialogHeight + kLogoBand));
}

// The remembered size, or one that shows the surface at true size; within
// the available area less room for the window's frame.
QSize CCoverDesignerDlg::openingSize(const QRect& available) const {
    QSize size = SettingsStore().designerSize;
    if (!size.isValid()) {
        // The cover's largest surface, the one a run opens on.
        const auto kind = SurfaceFor(displayType(), CoverSide::Back);
        const int refDpi = ScreenResolution(this).x;
        const PreviewParams params =
            kind ? BuildPreviewParams(*document_, *kind, refDpi) : PreviewParams();
        const QSizeF inches = QSizeF(params.refWidth, params.refHeight) / refDpi;
        const double dpi = PhysicalScreenDpi(this);
        const int chromeWidth = ux(kPreviewLeft + kColumnGap + kColumnWidth);
        const int chromeHeight = uy(kLogoBand + kPreviewTop) + uy(kDialogHeight - kPreviewBottom);
        size = QSize(chromeWidth + static_cast<int>(inches.width() * dpi) + 2 * uy(4),
                     chromeHeight + static_cast<int>(inches.height() * dpi) + 2 * uy(4));
    }
    const QSize room = available.size() - QSize(kFrameReserveWidth, kFrameReserveHeight);
    return size.boundedTo(room).expandedTo(minimumLayoutSize());
}

void CCoverDesignerDlg::fitToScreen(const QRect& available) {
    unitScale_ = 1.0;
    const QSize least = minimumLayoutSize();
    const QSize room = available.size() - QSize(kFrameReserveWidth, kFrameReserveHeight);
    const double scale = std::min({1.0, static_cast<double>(room.width()) / least.width(),
                                   static_cast<double>(room.height()) / least.height()});
    unitScale_ = std::max(scale, kLeastUnitScale);
    setMinimumSize(minimumLayoutSize());
    if (!isVisible()) {
        resize(openingSize(available));
        if (SettingsStore().designerMaximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
    placeControls();
}

// Kept at the end of each run in which the window was shown.
void CCoverDesignerDlg::rememberWindowSize() {
    if (!isVisible()) {
        return;
    }
    SettingsStore settings;
    settings.designerMaximized = isMaximized();
    settings.designerSize = isMaximized() ? normalGeometry().size() : size();
    if (!settings.designerSize.isValid()) {
        settings.designerSize = size();
    }
    settings.save();
}

// The command column keeps its place at the window's right edge and the
// view buttons and links theirs at the bottom; the preview area takes the
// rest. Every position is set anew on each run and resize: a restarted
// window may open a cover of another case type than the previous run showed.
void CCoverDesignerDlg::placeControls() {
    if (!previewArea_) {
        return;
    }
    const int type = displayType();
    const bool checkBoxInAlignmentPlace = !IsDvdType(type);
    const int top = uy(kLogoBand);
    const int column = width() - ux(kColumnWidth);
    const auto at = [this](int id, int x, int y, int w, int h) {
        controls_.value(id)->setGeometry(x, y, w, h);
    };
    // Rows of the command column, in dialog units below the logo band.
    const auto row = [&](int id, int dx, int y, int w, int h) {
        at(id, column + ux(dx), top + uy(y), ux(w), uy(h));
    };
    // Rows kept at the bottom, in dialog units of the smallest layout.
    const auto fromBottom = [&](int y) { return height() - uy(kDialogHeight - y); };

    controls_.value(kWhiteBackground)->setGeometry(rect());
    logo_->move(ux(4), uy(2));
    logo_->resize(logo_->sizeHint());
    at(kAboutLink, ux(4), top + uy(20), ux(44), uy(12));

    const QRect preview(QPoint(ux(kPreviewLeft), top + uy(kPreviewTop)),
                        QPoint(column - ux(kColumnGap) - 1, fromBottom(kPreviewBottom) - 1));
    controls_.value(kPreviewBackground)->setGeometry(preview);
    placeZoomControls(preview.right() + 1);
    const QRect viewFrame(preview.left(), fromBottom(250), preview.width(), uy(26));
    controls_.value(kViewFrame)->setGeometry(viewFrame);
    placeViewButtons(viewFrame);
    at(kListingFitNote, preview.left() + ux(2), preview.bottom() - uy(10), preview.width() - ux(4),
       uy(10));
    controls_.value(kListingFitNote)->raise();
    at(kHiddenDvdPreview, 0, 0, 1, 1);

    row(kChooseTemplate, 4, 20, 144, 18);
    row(kImageFrame, 0, 42, 152, 90);
    // The picture's placement beside the image command.
    row(kChooseImage, 4, 46, 96, 18);
    row(kClearImage, 4, 46, 96, 18);
    row(kImageFit, 102, 46, 46, 18);
    row(kChooseColor, 4, 66, 144, 18);
    row(kCoverText, 4, 86, 144, 18);
    row(kFont, 4, 106, 144, 18);
    row(kAlignmentFrame, 0, 136, 152, 42);
    row(kAlignmentLabel, 4, 139, 144, 10);
    row(kAlignLeft, 4, 152, 46, 22);
    row(kAlignCenter, 53, 152, 46, 22);
    row(kAlignRight, 102, 152, 46, 22);
    if (checkBoxInAlignmentPlace) {
        row(kSpineCheck, 4, 150, 144, 14);
        row(kCheckFrame, 0, 186, 152, 26);
        row(kPrintBorders, 4, 192, 144, 14);
    } else {
        row(kSpineCheck, 4, 185, 144, 14);
        row(kCheckFrame, 0, 182, 152, 34);
        row(kPrintBorders, 4, 199, 144, 14);
    }
    row(kCommandFrame, 0, 220, 152, 62);
    row(kPrint, 4, 224, 70, 17);
    row(kStartOver, 78, 224, 70, 17);
    row(kSave, 4, 243, 70, 17);
    row(kLoad, 78, 243, 57, 17);
    row(kRecentCovers, 135, 243, 13, 17);
    row(kHelp, 4, 262, 70, 17);
    row(kExit, 78, 262, 70, 17);

    at(kMakerLine, ux(4), fromBottom(284), ux(180), uy(10));
    at(kUrlLink, ux(190), fromBottom(282), ux(110), uy(13));
    at(kUpdateLink, ux(190), fromBottom(268), ux(110), uy(13));
    at(kVersionLabel, column + ux(108), fromBottom(284), ux(40), uy(10));
    // Undo and Redo sit in the logo band, above the commands they take back.
    at(kUndo, column + ux(4), uy(3), ux(70), uy(16));
    at(kRedo, column + ux(78), uy(3), ux(70), uy(16));
    updateZoomLabel();
}

// Standard CD: back, front and disc views in that order; the other types
// have no separate front cover. The buttons share a narrow frame evenly.
void CCoverDesignerDlg::placeViewButtons(const QRect& frame) {
    const bool standard = CaseTypeInfoFor(displayType()).frontSurface.has_value();
    const QList<int> ids =
        standard ? QList<int>{kViewBack, kViewFront, kViewDisc} : QList<int>{kViewBack, kViewDisc};
    const int gap = ux(4);
    const int count = static_cast<int>(ids.size());
    const int width = std::min(ux(94), (frame.width() - gap * (count + 1)) / count);
    int x = frame.left() + gap;
    for (int id : ids) {
        controls_.value(id)->setGeometry(x, frame.top() + uy(4), width, uy(18));
        x += width + gap;
    }
}

// The zoom row sits in the logo band, right-aligned with the preview area.
void CCoverDesignerDlg::placeZoomControls(int right) {
    const struct {
        int id;
        int width;
    } items[] = {
        {kZoomIn, 14}, {kZoomTrueSize, 30}, {kZoomFit, 48}, {kZoomOut, 14}, {kZoomLabel, 56}};
    int x = right;
    for (const auto& item : items) {
        x -= ux(item.width);
        controls_.value(item.id)->setGeometry(x, uy(6), ux(item.width), uy(13));
        x -= ux(2);
    }
}

void CCoverDesignerDlg::arrangeForCoverType() {
    const bool separateFront = CaseTypeInfoFor(displayType()).frontSurface.has_value();
    button(kViewFront)->setVisible(separateFront);
    button(kViewBack)->setText(separateFront ? QStringLiteral("VIEW BACK COVER")
                                             : QStringLiteral("VIEW COVER"));
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    fitToScreen(shownOn ? shownOn->availableGeometry() : QRect(0, 0, 1024, 768));
    previewArea_->setPhysicalDpi(PhysicalScreenDpi(this));
}

}  // namespace casewright
