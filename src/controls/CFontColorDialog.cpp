#include "controls/CFontColorDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "document/LogFont.h"

namespace casewright {

namespace {

constexpr double kMinPointSize = 1.0;
constexpr double kMaxPointSize = 1638.0;
constexpr int kSwatchSize = 14;

// Reads "7.5" or "7,5"; 0 when the text is no size the dialog accepts.
int ParseTenths(const QString& text) {
    QString normalised = text.trimmed();
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double points = QLocale::c().toDouble(normalised, &ok);
    if (!ok || points < kMinPointSize || points > kMaxPointSize) {
        return 0;
    }
    return static_cast<int>(std::lround(points * 10.0));
}

QString FormatTenths(int tenths) {
    return tenths % 10 == 0 ? QString::number(tenths / 10) : QString::number(tenths / 10.0, 'f', 1);
}

}  // namespace

CFontColorDialog::CFontColorDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Font"));
    buildControls();
    setSelectedFont(font());
    updateColorButton();
}

void CFontColorDialog::buildControls() {
    family_ = new QFontComboBox(this);
    family_->setObjectName(QStringLiteral("fontFamily"));
    family_->setEditable(false);

    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("fontStyle"));
    style_->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});

    size_ = new QComboBox(this);
    size_->setObjectName(QStringLiteral("fontSize"));
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    for (int points : QFontDatabase::standardSizes()) {
        size_->addItem(QString::number(points));
    }

    auto* choices = new QFormLayout;
    choices->addRow(tr("&Font:"), family_);
    choices->addRow(tr("Font st&yle:"), style_);
    choices->addRow(tr("&Size:"), size_);

    sample_ = new QLabel(tr("AaBbYyZz"), this);
    sample_->setObjectName(QStringLiteral("sample"));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumSize(200, 60);
    auto* sampleGroup = new QGroupBox(tr("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleGroup);
    sampleLayout->addWidget(sample_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFontColorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFontColorDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(buildEffects());
    lower->addWidget(sampleGroup, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(family_, &QFontComboBox::currentFontChanged, this, &CFontColorDialog::updateSample);
    connect(style_, &QComboBox::currentIndexChanged, this, &CFontColorDialog::updateSample);
    connect(size_, &QComboBox::currentTextChanged, this, &CFontColorDialog::updateSample);
}

QWidget* CFontColorDialog::buildEffects() {
    auto* group = new QGroupBox(tr("Effects"), this);
    strikeOut_ = new QCheckBox(tr("Stri&keout"), group);
    strikeOut_->setObjectName(QStringLiteral("strikeOut"));
    underline_ = new QCheckBox(tr("&Underline"), group);
    underline_->setObjectName(QStringLiteral("underline"));
    colorButton_ = new QPushButton(group);
    colorButton_->setObjectName(QStringLiteral("textColor"));
    colorButton_->setAutoDefault(false);

    auto* colorLabel = new QLabel(tr("&Color:"), group);
    colorLabel->setBuddy(colorButton_);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(colorButton_, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(strikeOut_);
    layout->addWidget(underline_);
    layout->addLayout(colorRow);
    layout->addStretch();

    connect(strikeOut_, &QCheckBox::toggled, this, &CFontColorDialog::updateSample);
    connect(underline_, &QCheckBox::toggled, this, &CFontColorDialog::updateSample);
    connect(colorButton_, &QPushButton::clicked, this, &CFontColorDialog::chooseColor);
    return group;
}

void CFontColorDialog::setSelectedFont(const QFont& font) {
    requestedFamily_ = font.family();
    requestedWeight_ = font.weight();
    family_->setCurrentFont(font);
    shownFamily_ = family_->currentFont().family();

    const bool bold = font.weight() >= QFont::DemiBold;
    style_->setCurrentIndex((bold ? Bold : Regular) + (font.italic() ? Italic : Regular));

    double points = font.pointSizeF();
    if (points <= 0 && font.pixelSize() > 0) {
        points = font.pixelSize() * 72.0 / LogFont::kHeightDpi;
    }
    size_->setCurrentText(FormatTenths(static_cast<int>(std::lround(points * 10.0))));

    strikeOut_->setChecked(font.strikeOut());
    underline_->setChecked(font.underline());
    updateSample();
}

QString CFontColorDialog::chosenFamily() const {
    const QString shown = family_->currentFont().family();
    return shown == shownFamily_ ? requestedFamily_ : shown;
}

int CFontColorDialog::chosenWeight() const {
    const bool bold = style_->currentIndex() >= Bold;
    const bool wasBold = requestedWeight_ >= QFont::DemiBold;
    // An unchanged style keeps the exact weight, such as a semi-bold or black.
    if (bold == wasBold) {
        return requestedWeight_;
    }
    return bold ? QFont::Bold : QFont::Normal;
}

QFont CFontColorDialog::selectedFont() const {
    QFont font(chosenFamily());
    const int tenths = pointSizeTenths();
    if (tenths > 0) {
        font.setPointSizeF(tenths / 10.0);
    }
    font.setWeight(static_cast<QFont::Weight>(chosenWeight()));
    font.setItalic(style_->currentIndex() == Italic || style_->currentIndex() == BoldItalic);
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    return font;
}

int CFontColorDialog::pointSizeTenths() const {
    return ParseTenths(size_->currentText());
}

void CFontColorDialog::setTextColor(const QColor& color) {
    color_ = color;
    updateColorButton();
    updateSample();
}

void CFontColorDialog::chooseColor() {
    const QColor chosen = QColorDialog::getColor(color_, this, tr("Color"));
    if (chosen.isValid()) {
        setTextColor(chosen);
    }
}

void CFontColorDialog::updateColorButton() {
    QPixmap swatch(kSwatchSize, kSwatchSize);
    swatch.fill(color_);
    colorButton_->setIcon(QIcon(swatch));
    colorButton_->setText(color_.name(QColor::HexRgb).toUpper());
}

void CFontColorDialog::updateSample() {
    QFont font = selectedFont();
    if (pointSizeTenths() == 0) {
        font.setPointSizeF(sample_->font().pointSizeF());
    }
    sample_->setFont(font);
    QPalette colors = sample_->palette();
    colors.setColor(QPalette::WindowText, color_);
    sample_->setPalette(colors);
}

void CFontColorDialog::accept() {
    if (pointSizeTenths() == 0) {
        // Not a size: stay open with the size box ready for another try.
        size_->setFocus();
        size_->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace casewright
