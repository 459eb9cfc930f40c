// Building the designer window's controls and arranging them per case type.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QUrl>

#include "app/ProductInfo.h"
#include "controls/Artwork.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "designer/CCoverDesignerDlg.h"
#include "designer/DesignerControlIds.h"
#include "designer/FlatButtonFactory.h"
#include "document/CoverDocument.h"
#include "render/ui/CoverPreviewWidget.h"

namespace casewright {

using namespace DesignerIds;

namespace {

// Dialog units. The command column moves right by this much for the DVD
// types so that the wide wrap-around preview fits.
constexpr int kDialogWidth = 508;
constexpr int kDialogHeight = 300;
// The logo takes a band at the top; everything else sits below it.
constexpr int kLogoBand = 22;
constexpr int kDvdWidening = 56;
constexpr double kDvdHeightToWidth = 0.685;

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
    registerControl(kPreviewBackground, QStringLiteral("previewBackground"),
                    MakeFilledRect(this, QColor(128, 128, 128)));
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
    controls_.value(kWhiteBackground)->lower();
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
        auto* preview = new CoverPreviewWidget(MakeCoverPainter(p.kind), this);
        preview->hide();
        registerControl(p.id, QString::fromLatin1(p.name), preview);
        connect(preview, &CoverPreviewWidget::imagePlacementDragged, this,
                &CCoverDesignerDlg::moveImageCrop);
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

void CCoverDesignerDlg::buildFileCommands() {
    QAbstractButton* b = nullptr;
    b = addCommand(kPrint, QStringLiteral("printButton"), QStringLiteral("&Print"),
                   QString::fromLatin1(Artwork::kPrint),
                   QStringLiteral("Click here to print your cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::printCover);
    b = addCommand(kStartOver, QStringLiteral("startOverButton"), QStringLiteral("Start Over"),
                   QString::fromLatin1(Artwork::kStartOver),
                   QStringLiteral("Click here to create a new cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::startOver);
    b = addCommand(kSave, QStringLiteral("saveButton"), QStringLiteral("Save"),
                   QString::fromLatin1(Artwork::kSave),
                   QStringLiteral("Click here to save your cover."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::saveCommand);
    b = addCommand(kLoad, QStringLiteral("loadButton"), QStringLiteral("Load"),
                   QString::fromLatin1(Artwork::kLoad),
                   QStringLiteral("Click here to load a cover you created previously."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::loadCommand);
    b = addCommand(kHelp, QStringLiteral("helpButton"), QStringLiteral("Help"),
                   QString::fromLatin1(Artwork::kHelp),
                   QStringLiteral("Click here if you need some help."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::openHelp);
    b = addCommand(kExit, QStringLiteral("exitButton"), QStringLiteral("E&xit"),
                   QString::fromLatin1(Artwork::kExit), QStringLiteral("Click here to exit."));
    connect(b, &QAbstractButton::clicked, this, &CCoverDesignerDlg::exitCommand);
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

    // Under the preview, on its grey band; empty while the listing is drawn
    // as designed.
    auto* fitNote = new QLabel(this);
    fitNote->setAlignment(Qt::AlignCenter);
    fitNote->setStyleSheet(QStringLiteral("color: white;"));
    registerControl(kListingFitNote, QStringLiteral("listingFitNote"), fitNote);
}

void CCoverDesignerDlg::place(int id, int x, int y, int width, int height) {
    DialogUnits::Place(controls_.value(id), x, y + kLogoBand, width, height);
}

// Every position is set anew on each run: a restarted window may open a
// cover of another case type than the previous run showed.
void CCoverDesignerDlg::placeControls(int shift, bool checkBoxInAlignmentPlace) {
    setFixedSize(
        DialogUnits::ToPixels(0, 0, kDialogWidth + shift, kDialogHeight + kLogoBand).size());
    controls_.value(kWhiteBackground)->setGeometry(rect());
    logo_->move(DialogUnits::ToPixelsX(4), DialogUnits::ToPixelsY(2));
    logo_->resize(logo_->sizeHint());
    place(kAboutLink, 4, 20, 44, 12);
    place(kPreviewBackground, 50, 20, 298 + shift, 228);
    place(kStandardFrontPreview, 78, 24, 240, 214);
    place(kStandardBackPreview, 57, 24, 287, 214);
    place(kDvdPreview, 56, 24, 338, 194);
    place(kSlimlinePreview, 58, 30, 292, 201);
    place(kDiscPreview, 78, 24, 240, 214);
    place(kHiddenDvdPreview, 0, 0, 1, 1);
    place(kViewFrame, 50, 250, 298 + shift, 26);
    place(kListingFitNote, 52, 238, 294 + shift, 10);
    controls_.value(kListingFitNote)->raise();

    const int x = 356 + shift;
    place(kChooseTemplate, x, 20, 144, 18);
    place(kImageFrame, x - 4, 42, 152, 90);
    // The picture's placement beside the image command.
    place(kChooseImage, x, 46, 96, 18);
    place(kClearImage, x, 46, 96, 18);
    place(kImageFit, x + 98, 46, 46, 18);
    place(kChooseColor, x, 66, 144, 18);
    place(kCoverText, x, 86, 144, 18);
    place(kFont, x, 106, 144, 18);
    place(kAlignmentFrame, x - 4, 136, 152, 42);
    place(kAlignmentLabel, x, 139, 144, 10);
    place(kAlignLeft, x, 152, 46, 22);
    place(kAlignCenter, x + 49, 152, 46, 22);
    place(kAlignRight, x + 98, 152, 46, 22);
    if (checkBoxInAlignmentPlace) {
        place(kSpineCheck, x, 150, 144, 14);
        place(kCheckFrame, x - 4, 186, 152, 26);
        place(kPrintBorders, x, 192, 144, 14);
    } else {
        place(kSpineCheck, x, 185, 144, 14);
        place(kCheckFrame, x - 4, 182, 152, 34);
        place(kPrintBorders, x, 199, 144, 14);
    }
    place(kCommandFrame, x - 4, 220, 152, 62);
    place(kPrint, x, 224, 70, 17);
    place(kStartOver, x + 74, 224, 70, 17);
    place(kSave, x, 243, 70, 17);
    place(kLoad, x + 74, 243, 70, 17);
    place(kHelp, x, 262, 70, 17);
    place(kExit, x + 74, 262, 70, 17);

    place(kMakerLine, 4, 284, 180, 10);
    place(kUrlLink, 190, 282, 110, 13);
    place(kUpdateLink, 190, 268, 110, 13);
    place(kVersionLabel, x + 104, 284, 40, 10);
}

void CCoverDesignerDlg::arrangeForCoverType() {
    const int type = displayType();
    const bool dvd = IsDvdType(type);
    placeControls(dvd ? kDvdWidening : 0, !dvd);

    // Standard CD: back, front and disc views in that order; the other types
    // have no separate front cover.
    button(kViewFront)->setVisible(type == CoverTypeStandardCD);
    button(kViewBack)->setText(type == CoverTypeStandardCD ? QStringLiteral("VIEW BACK COVER")
                                                           : QStringLiteral("VIEW COVER"));
    place(kViewBack, 54, 254, 94, 18);
    place(kViewFront, 152, 254, 94, 18);
    place(kViewDisc, type == CoverTypeStandardCD ? 250 : 152, 254, 94, 18);

    if (dvd) {
        QWidget* preview = controls_.value(kDvdPreview);
        preview->resize(preview->width(), static_cast<int>(preview->width() * kDvdHeightToWidth));
    }
}

}  // namespace casewright
