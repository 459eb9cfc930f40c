#include "designer/CNewCoverDlg.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <limits>

#include "app/SettingsStore.h"
#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "controls/CTransparentStatic.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "controls/RadioArrowKeys.h"
#include "document/CoverTypes.h"

namespace casewright {

namespace {

// The custom size boxes in the order Continue converts them.
struct CustomSizeBox {
    CNewCoverDlg::ControlId id;
    const char* objectName;
    const char* boxTitle;
    uint32_t SettingsStore::*setting;
};

const CustomSizeBox kCustomSizeBoxes[] = {
    {CNewCoverDlg::IDC_FRONT_HEIGHT, "frontHeightEdit", "Front Height", &SettingsStore::dwCHF},
    {CNewCoverDlg::IDC_FRONT_WIDTH, "frontWidthEdit", "Front Width", &SettingsStore::dwCWF},
    {CNewCoverDlg::IDC_BACK_HEIGHT, "backHeightEdit", "Back Height", &SettingsStore::dwCHB},
    {CNewCoverDlg::IDC_BACK_WIDTH, "backWidthEdit", "Back Width", &SettingsStore::dwCWB},
};

// Radio buttons from top to bottom, with the case type each stands for.
struct TypeRadio {
    int coverType;
    CNewCoverDlg::ControlId id;
    const char* objectName;
    const char* caption;  // "&&" shows a literal "&"
};

const TypeRadio kTypeRadios[] = {
    {CoverTypeStandardCD, CNewCoverDlg::IDC_STANDARD_CD, "standardCdRadio",
     "Standard CD Case && Label"},
    {CoverTypeSlimlineCD, CNewCoverDlg::IDC_SLIMLINE_CD, "slimlineCdRadio",
     "Slimline CD Case && Label"},
    {CoverTypeStandardDVD, CNewCoverDlg::IDC_STANDARD_DVD, "standardDvdRadio",
     "Standard DVD Case && Label"},
    {CoverTypeSlimlineDVD, CNewCoverDlg::IDC_SLIMLINE_DVD, "slimlineDvdRadio",
     "Slimline DVD Case && Label"},
    {CoverTypeOther, CNewCoverDlg::IDC_OTHER, "otherRadio", "Other:"},
};

const QColor kHeadingColor(0, 51, 102);
constexpr int kCoverTypeCount = 5;

CTransparentStatic* MakeLabel(QWidget* parent, const QString& text, const char* objectName) {
    auto* label = new CTransparentStatic(text, parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

}  // namespace

CNewCoverDlg::CNewCoverDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Create A New Cover"));
    setObjectName(QStringLiteral("newCoverDialog"));
    buildControls();
    loadStoredChoice();
}

QFont CNewCoverDlg::CheckedFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

QFont CNewCoverDlg::UncheckedFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(13);
    font.setWeight(QFont::Normal);
    return font;
}

void CNewCoverDlg::buildControls() {
    setFixedSize(DialogUnits::ToPixelsX(250), DialogUnits::ToPixelsY(154));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(QPixmap(QLatin1String(Artwork::kLogo)));
    logo->move(DialogUnits::ToPixelsX(7), DialogUnits::ToPixelsY(4));
    logo->adjustSize();

    CTransparentStatic* heading =
        MakeLabel(this, QStringLiteral("Please choose the type of cover you would like to create:"),
                  "headingLabel");
    heading->setTextColor(kHeadingColor);
    DialogUnits::Place(heading, 14, 40, 226, 18);

    buildRadioButtons();
    buildCustomSizeGroup();
    buildContinueButton();
}

void CNewCoverDlg::buildContinueButton() {
    auto* button = new CFlatImageButton(QStringLiteral("Continue"), this);
    button->setObjectName(QStringLiteral("continueButton"));
    button->setIcons(QLatin1String(Artwork::kOk));
    button->setFont(CheckedFont());
    for (int index : {CFlatImageButton::BackgroundIn, CFlatImageButton::BackgroundOut,
                      CFlatImageButton::BackgroundFocus}) {
        button->setColor(index, Qt::white);
    }
    button->setDefault(true);
    DialogUnits::Place(button, 186, 134, 56, 16);
    connect(button, &QPushButton::clicked, this, &CNewCoverDlg::onContinue);
    continueButton_ = button;
}

void CNewCoverDlg::buildRadioButtons() {
    int y = 60;
    for (const TypeRadio& entry : kTypeRadios) {
        auto* radio = new QRadioButton(QLatin1String(entry.caption), this);
        radio->setObjectName(QLatin1String(entry.objectName));
        radio->setAutoFillBackground(false);
        const bool other = entry.coverType == CoverTypeOther;
        DialogUnits::Place(radio, 24, y, other ? 38 : 150, 12);
        connect(radio, &QRadioButton::clicked, this, [this, radio] { onRadioClicked(radio); });
        radios_[entry.coverType - 1] = radio;
        y += 15;
    }
    radioForType(CoverTypeOther)->hide();
    // The arrow keys choose, so that Enter creates the case the user points at.
    QList<QAbstractButton*> onScreen;  // top to bottom, not by type number
    for (const TypeRadio& entry : kTypeRadios) {
        onScreen << radioForType(entry.coverType);
    }
    RadioArrowKeys::Install(this, onScreen);
}

void CNewCoverDlg::buildCustomSizeGroup() {
    customGroup_ = new QGroupBox(this);
    customGroup_->setObjectName(QStringLiteral("customSizeGroup"));
    DialogUnits::Place(customGroup_, 64, 120, 120, 30);
    customGroup_->hide();

    sizeCaptions_ = {MakeLabel(this, QStringLiteral("Width (cm):"), "widthCaption"),
                     MakeLabel(this, QStringLiteral("Height (cm):"), "heightCaption"),
                     MakeLabel(this, QStringLiteral("Front Cover:"), "frontCaption"),
                     MakeLabel(this, QStringLiteral("Back Cover:"), "backCaption")};
    QFont captionFont = UncheckedFont();
    captionFont.setPixelSize(11);
    for (CTransparentStatic* caption : sizeCaptions_) {
        caption->setFont(captionFont);
    }
    DialogUnits::Place(sizeCaptions_[0], 108, 122, 36, 8);
    DialogUnits::Place(sizeCaptions_[1], 146, 122, 36, 8);
    DialogUnits::Place(sizeCaptions_[2], 68, 131, 40, 8);
    DialogUnits::Place(sizeCaptions_[3], 68, 141, 40, 8);

    const QRect editPlaces[] = {
        DialogUnits::ToPixels(146, 130, 34, 10), DialogUnits::ToPixels(108, 130, 34, 10),
        DialogUnits::ToPixels(146, 140, 34, 10), DialogUnits::ToPixels(108, 140, 34, 10)};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(kCustomSizeBoxes[i].objectName));
        edit->setGeometry(editPlaces[i]);
        sizeEdits_[i] = edit;
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             sizeCaptions_[0], sizeCaptions_[1], sizeCaptions_[2], sizeCaptions_[3], sizeEdits_[0],
             sizeEdits_[1], sizeEdits_[2], sizeEdits_[3]}) {
        control->hide();
    }
    setCustomSizeEnabled(false);
}

QRadioButton* CNewCoverDlg::radioForType(int coverType) const {
    if (coverType < 1 || coverType > kCoverTypeCount) {
        return nullptr;
    }
    return radios_[coverType - 1];
}

QLineEdit* CNewCoverDlg::customSizeEdit(ControlId id) const {
    for (int i = 0; i < 4; ++i) {
        if (kCustomSizeBoxes[i].id == id) {
            return sizeEdits_[i];
        }
    }
    return nullptr;
}

void CNewCoverDlg::loadStoredChoice() {
    const SettingsStore store;
    QRadioButton* stored = radioForType(static_cast<int>(store.Option));
    // A stored number that names no case type stands for the standard CD
    // case, which is also what Continue would store with nothing checked.
    if (!stored) {
        stored = radioForType(CoverTypeStandardCD);
    }
    stored->setChecked(true);
    stored->setFocus();
    applyRadioFonts();
    for (int i = 0; i < 4; ++i) {
        sizeEdits_[i]->setText(FormatTenthsOfCm(store.*kCustomSizeBoxes[i].setting));
    }
    if (store.Option == CoverTypeOther) {
        setCustomSizeEnabled(true);
        sizeEdits_[0]->setFocus();
    }
}

void CNewCoverDlg::onRadioClicked(QRadioButton* clicked) {
    for (QRadioButton* radio : radios_) {
        radio->setChecked(radio == clicked);
    }
    applyRadioFonts();
    const bool custom = clicked == radioForType(CoverTypeOther);
    setCustomSizeEnabled(custom);
    if (custom) {
        sizeEdits_[0]->setFocus();
    }
}

void CNewCoverDlg::applyRadioFonts() {
    for (QRadioButton* radio : radios_) {
        radio->setFont(radio->isChecked() ? CheckedFont() : UncheckedFont());
    }
}

void CNewCoverDlg::setCustomSizeEnabled(bool enabled) {
    for (CTransparentStatic* caption : sizeCaptions_) {
        caption->setEnabled(enabled);
    }
    for (QLineEdit* edit : sizeEdits_) {
        edit->setEnabled(enabled);
    }
}

int CNewCoverDlg::chosenType() const {
    // Later matches win, in the order of the case type numbers.
    int type = CoverTypeStandardCD;
    for (int candidate = CoverTypeStandardDVD; candidate <= kCoverTypeCount; ++candidate) {
        if (radioForType(candidate)->isChecked()) {
            type = candidate;
        }
    }
    return type;
}

std::optional<uint32_t> CNewCoverDlg::ParseTenthsOfCm(const QString& text) {
    int points = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('.')) {
            ++points;
        } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    if (points > 1) {
        return std::nullopt;
    }
    QString digits = points == 0 ? text + QStringLiteral(".0") : text;
    digits.remove(QLatin1Char('.'));
    if (digits.isEmpty()) {
        return 0u;
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok);
    if (!ok || value > std::numeric_limits<uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

QString CNewCoverDlg::FormatTenthsOfCm(uint32_t tenths) {
    return QString::number(tenths / 10.0, 'f', 1);
}

std::optional<std::array<uint32_t, 4>> CNewCoverDlg::readCustomSizes() {
    std::array<uint32_t, 4> sizes{};
    for (int i = 0; i < 4; ++i) {
        const std::optional<uint32_t> size = ParseTenthsOfCm(sizeEdits_[i]->text());
        if (!size) {
            Prompter::instance().message(
                this,
                QStringLiteral("Please enter a valid number in the '%1' box.")
                    .arg(QLatin1String(kCustomSizeBoxes[i].boxTitle)),
                QStringLiteral("Error"), Prompter::Buttons::Ok, Prompter::Icon::Warning);
            sizeEdits_[i]->setFocus();
            return std::nullopt;
        }
        sizes[i] = *size;
    }
    return sizes;
}

void CNewCoverDlg::onContinue() {
    const int type = chosenType();
    std::array<uint32_t, 4> sizes{};
    if (type == CoverTypeOther) {
        const auto read = readCustomSizes();
        if (!read) {
            return;
        }
        sizes = *read;
    }
    SettingsStore store;
    store.Option = static_cast<uint32_t>(type);
    if (type == CoverTypeOther) {
        for (int i = 0; i < 4; ++i) {
            store.*kCustomSizeBoxes[i].setting = sizes[i];
        }
    }
    store.save();
    accept();
}

void CNewCoverDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F1:
            HelpLocator::OpenHelp(QStringLiteral("newcover.html"), this);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace casewright
