#include "images/ui/CImagePositionDlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>

#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/DialogUnits.h"
#include "designer/FlatButtonFactory.h"
#include "document/CoverDocument.h"
#include "images/ui/ImageFileDialog.h"

namespace casewright {

namespace {

// Images extracted from a cover file under a name without a known extension
// end in ".tmp"; they cannot be shown, so their buttons offer a new choice.
bool CountsAsSet(const QString& path) {
    return !path.isEmpty() && !path.contains(QStringLiteral(".tmp"));
}

QFont SelectedRadioFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

QFont UnselectedRadioFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setBold(false);
    return font;
}

}  // namespace

CImagePositionDlg::CImagePositionDlg(CoverDocument& document, const QString& lastDroppedPath,
                                     std::function<void()> refreshPreviews, QWidget* parent)
    : QDialog(parent),
      document_(document),
      refreshPreviews_(std::move(refreshPreviews)),
      backPath_(document.bImagePath),
      frontPath_(document.fImagePath),
      wholePath_(document.sImagePath),
      lastPath_(lastDroppedPath),
      option_(document.CoverOption == 1 ? 1 : 0) {
    setWindowTitle(QStringLiteral("Image Position"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("images.html#position"));
    buildControls();
    if (option_ == 1) {
        separateRadio_->setChecked(true);
        selectSeparateImages();
    } else {
        wholeRadio_->setChecked(true);
        selectWholeCover();
    }
}

void CImagePositionDlg::buildControls() {
    const QSize size = DialogUnits::ToPixels(0, 0, 229, 150).size();
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto* white = new QWidget(this);
    white->setObjectName(QStringLiteral("whiteBackground"));
    white->setGeometry(rect());
    white->lower();
    controls_.insert(kWhiteBackground, white);

    auto* heading = new QLabel(QStringLiteral("Image Options"), this);
    heading->setObjectName(QStringLiteral("imageOptionsHeading"));
    heading->setStyleSheet(QStringLiteral("color: rgb(0, 51, 102);"));
    DialogUnits::Place(heading, 10, 8, 200, 10);
    controls_.insert(kHeading, heading);

    wholeRadio_ = new QRadioButton(QStringLiteral("Choose one image for the whole cover"), this);
    wholeRadio_->setObjectName(QStringLiteral("wholeCoverRadio"));
    DialogUnits::Place(wholeRadio_, 14, 24, 200, 12);
    controls_.insert(kWholeRadio, wholeRadio_);
    separateRadio_ = new QRadioButton(QStringLiteral("Choose separate back/front images."), this);
    separateRadio_->setObjectName(QStringLiteral("separateImagesRadio"));
    DialogUnits::Place(separateRadio_, 14, 40, 200, 12);
    controls_.insert(kSeparateRadio, separateRadio_);
    connect(wholeRadio_, &QAbstractButton::clicked, this, &CImagePositionDlg::selectWholeCover);
    connect(separateRadio_, &QAbstractButton::clicked, this,
            &CImagePositionDlg::selectSeparateImages);

    QAbstractButton* b = nullptr;
    b = addButton(kChooseBack, QStringLiteral("Choose Back Image"),
                  QString::fromLatin1(Artwork::kChooseImage),
                  QStringLiteral("Click here to choose a background image for your back cover."),
                  &CImagePositionDlg::chooseBack);
    DialogUnits::Place(b, 14, 64, 96, 22);
    b = addButton(
        kClearBack, QStringLiteral("Clear Back Image"), QString::fromLatin1(Artwork::kClearImage),
        QStringLiteral("Click here to clear the back cover image."), &CImagePositionDlg::clearBack);
    DialogUnits::Place(b, 14, 64, 96, 22);
    b = addButton(kChooseFront, QStringLiteral("Choose Front Image"),
                  QString::fromLatin1(Artwork::kChooseImage),
                  QStringLiteral("Click here to choose an image for your front cover."),
                  &CImagePositionDlg::chooseFront);
    DialogUnits::Place(b, 118, 64, 96, 22);
    b = addButton(kClearFront, QStringLiteral("Clear Front Image"),
                  QString::fromLatin1(Artwork::kClearImage),
                  QStringLiteral("Click here to clear the front cover image."),
                  &CImagePositionDlg::clearFront);
    DialogUnits::Place(b, 118, 64, 96, 22);
    b = addButton(kChooseWhole, QStringLiteral("Choose Image"),
                  QString::fromLatin1(Artwork::kChooseImage),
                  QStringLiteral("Click here to choose a background image for your cover."),
                  &CImagePositionDlg::chooseWhole);
    DialogUnits::Place(b, 64, 64, 100, 22);
    b = addButton(
        kClearWhole, QStringLiteral("Clear Image"), QString::fromLatin1(Artwork::kClearImage),
        QStringLiteral("Click here to clear the cover image."), &CImagePositionDlg::clearWhole);
    DialogUnits::Place(b, 64, 64, 100, 22);

    b = FlatButtonFactory::Command(this, QStringLiteral("Continue"),
                                   QString::fromLatin1(Artwork::kOk));
    b->setObjectName(QStringLiteral("continueButton"));
    DialogUnits::Place(b, 79, 118, 70, 22);
    controls_.insert(kContinue, b);
    connect(b, &QAbstractButton::clicked, this, &QDialog::accept);
}

QAbstractButton* CImagePositionDlg::addButton(int id, const QString& caption,
                                              const QString& iconPath, const QString& tooltip,
                                              void (CImagePositionDlg::*handler)()) {
    QAbstractButton* button = FlatButtonFactory::Command(this, caption, iconPath);
    QString name = caption;
    name.remove(QLatin1Char(' '));
    name[0] = name[0].toLower();
    button->setObjectName(name + QStringLiteral("Button"));
    FlatButtonFactory::SetTooltip(button, tooltip);
    controls_.insert(id, button);
    connect(button, &QAbstractButton::clicked, this, handler);
    return button;
}

QWidget* CImagePositionDlg::control(int id) const {
    return controls_.value(id, nullptr);
}

bool CImagePositionDlg::clickControl(int id) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    if (!button || button->isHidden() || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

void CImagePositionDlg::refresh() {
    if (refreshPreviews_) {
        refreshPreviews_();
    }
}

void CImagePositionDlg::selectWholeCover() {
    backPath_.clear();
    frontPath_.clear();
    option_ = 0;
    document_.CoverOption = option_;
    document_.sImagePath = wholePath_;
    refresh();
    updateButtons();
    updateRadioFonts();
}

void CImagePositionDlg::selectSeparateImages() {
    wholePath_.clear();
    option_ = 1;
    document_.CoverOption = option_;
    document_.bImagePath = backPath_;
    refresh();
    document_.fImagePath = frontPath_;
    refresh();
    updateButtons();
    updateRadioFonts();
}

bool CImagePositionDlg::chooseInto(QString& target) {
    const ImageFileDialog::Choice choice =
        ImageFileDialog::Choose(this, lastPath_, ImageFileDialog::FirstFolder::Desktop);
    if (choice.confirmed && !choice.path.isEmpty()) {
        target = choice.path;
    }
    return choice.confirmed;
}

void CImagePositionDlg::chooseBack() {
    if (!chooseInto(backPath_)) {
        return;
    }
    document_.CoverOption = option_;
    document_.bImagePath = backPath_;
    refresh();
    updateButtons();
}

void CImagePositionDlg::chooseFront() {
    if (!chooseInto(frontPath_)) {
        return;
    }
    document_.CoverOption = option_;
    document_.fImagePath = frontPath_;
    refresh();
    updateButtons();
}

void CImagePositionDlg::chooseWhole() {
    if (chooseInto(wholePath_)) {
        accept();
    }
}

void CImagePositionDlg::clearBack() {
    backPath_.clear();
    document_.CoverOption = option_;
    document_.bImagePath = backPath_;
    refresh();
    updateButtons();
}

void CImagePositionDlg::clearFront() {
    frontPath_.clear();
    document_.CoverOption = option_;
    document_.fImagePath = frontPath_;
    refresh();
    updateButtons();
}

void CImagePositionDlg::clearWhole() {
    wholePath_.clear();
    document_.CoverOption = option_;
    document_.sImagePath = wholePath_;
    refresh();
    updateButtons();
}

void CImagePositionDlg::updateButtons() {
    const bool separate = option_ == 1;
    control(kChooseBack)->setVisible(separate && !CountsAsSet(backPath_));
    control(kClearBack)->setVisible(separate && CountsAsSet(backPath_));
    control(kChooseFront)->setVisible(separate && !CountsAsSet(frontPath_));
    control(kClearFront)->setVisible(separate && CountsAsSet(frontPath_));
    control(kChooseWhole)->setVisible(!separate && !CountsAsSet(wholePath_));
    control(kClearWhole)->setVisible(!separate && CountsAsSet(wholePath_));
}

void CImagePositionDlg::updateRadioFonts() {
    wholeRadio_->setFont(option_ == 0 ? SelectedRadioFont() : UnselectedRadioFont());
    separateRadio_->setFont(option_ == 1 ? SelectedRadioFont() : UnselectedRadioFont());
}

void CImagePositionDlg::done(int result) {
    document_.CoverOption = option_;
    if (!backPath_.isEmpty() || !frontPath_.isEmpty() || !wholePath_.isEmpty()) {
        document_.bImagePath = backPath_;
        document_.fImagePath = frontPath_;
        document_.sImagePath = wholePath_;
        refresh();
    }
    QDialog::done(result);
}

}  // namespace casewright
