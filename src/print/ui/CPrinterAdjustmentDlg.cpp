#include "print/ui/CPrinterAdjustmentDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/SettingsStore.h"
#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "document/CoverTypes.h"
#include "print/CalibrationPage.h"
#include "print/DiscSheet.h"
#include "print/PageLayouts.h"
#include "print/ui/PrintDialogStyle.h"
#include "print/ui/UpDownEdit.h"

namespace casewright {

namespace {

QLabel* Heading(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setFont(PrintDialogStyle::BoldFont());
    return label;
}

// What a print does with a stored distance, shown as a number.
QString ShownDistance(const QString& stored) {
    return QString::number(MillimetresFromText(stored));
}

}  // namespace

CPrinterAdjustmentDlg::CPrinterAdjustmentDlg(QWidget* parent, std::optional<LabelStock> labelSheet)
    : BackgroundDialog(parent), labelSheet_(std::move(labelSheet)), calibration_(this) {
    setWindowTitle(QStringLiteral("Printer Adjustment"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("printing.html#adjust"));
    left_ = addDirectionBox(QStringLiteral("To the left"), QStringLiteral("leftCheck"));
    right_ = addDirectionBox(QStringLiteral("To the right"), QStringLiteral("rightCheck"));
    up_ = addDirectionBox(QStringLiteral("Up"), QStringLiteral("upCheck"));
    down_ = addDirectionBox(QStringLiteral("Down"), QStringLiteral("downCheck"));
    pairDirectionBoxes(left_, right_);
    pairDirectionBoxes(up_, down_);
    buildLayout();
    loadSettings();
    resize(DialogUnits::ToPixelsX(218), DialogUnits::ToPixelsY(177));
}

UpDownEdit* CPrinterAdjustmentDlg::addNumberRow(QGridLayout* grid, int row, const QString& name) {
    auto* edit = new UpDownEdit(this);
    edit->setObjectName(name);
    edit->setRange(kMinimumMM, kMaximumMM);
    edit->setMinimumWidth(DialogUnits::ToPixelsX(40));  // room for "-200"
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("mm"), this), row, 2);
    return edit;
}

QCheckBox* CPrinterAdjustmentDlg::addDirectionBox(const QString& text, const QString& name) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    return box;
}

// Each click hands the clicked box's previous state to its partner and
// inverts the clicked box, so a single tick moves to the other box whichever
// of the two is clicked.
void CPrinterAdjustmentDlg::pairDirectionBoxes(QCheckBox* a, QCheckBox* b) {
    connect(a, &QCheckBox::clicked, this, [a, b] { b->setChecked(!a->isChecked()); });
    connect(b, &QCheckBox::clicked, this, [a, b] { a->setChecked(!b->isChecked()); });
}

void CPrinterAdjustmentDlg::buildLayout() {
    auto* intro =
        Heading(this, QStringLiteral("You can adjust the size and position of the labels you "
                                     "print by changing the options below."));
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Heading(this, QStringLiteral("Expand my disc labels by:")), 0, 0);
    expandDisc_ = addNumberRow(grid, 0, QStringLiteral("expandDiscEdit"));
    grid->addWidget(Heading(this, QStringLiteral("Expand my cover(s) by:")), 1, 0);
    expandCover_ = addNumberRow(grid, 1, QStringLiteral("expandCoverEdit"));
    grid->addWidget(Heading(this, QStringLiteral("Move my disc labels:")), 2, 0);
    moveX_ = addNumberRow(grid, 3, QStringLiteral("moveXEdit"));
    grid->addWidget(left_, 3, 3);
    grid->addWidget(right_, 3, 4);
    moveY_ = addNumberRow(grid, 4, QStringLiteral("moveYEdit"));
    grid->addWidget(up_, 4, 3);
    grid->addWidget(down_, 4, 4);

    auto* calibrate = PrintDialogStyle::LinkButton(this, QStringLiteral("Print calibration page"),
                                                   QStringLiteral("calibrationButton"));
    calibrate->setEnabled(labelSheet_.has_value());
    calibrate->setToolTip(
        labelSheet_ ? QStringLiteral("The outlines and centres of the labels of \"%1\" on plain "
                                     "paper, to lay on the sheet against the light")
                          .arg(labelSheet_->name)
                    : QStringLiteral("Choose a label sheet for the disc in the Print dialog "
                                     "first"));
    connect(calibrate, &CFlatImageButton::clicked, this,
            &CPrinterAdjustmentDlg::printCalibrationPage);

    auto* ok = PrintDialogStyle::IconButton(this, QStringLiteral("&OK"), Artwork::kOk,
                                            QStringLiteral("okButton"));
    auto* cancel = PrintDialogStyle::IconButton(this, QStringLiteral("&Cancel"), Artwork::kCancel,
                                                QStringLiteral("cancelButton"));
    ok->setDefault(true);
    connect(ok, &CFlatImageButton::clicked, this, &QDialog::accept);
    connect(cancel, &CFlatImageButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(calibrate);
    layout->addStretch();
    layout->addLayout(buttons);
}

void CPrinterAdjustmentDlg::loadSettings() {
    const SettingsStore settings;
    // A stored text that is not a number in the range is shown as the
    // distance that prints: "abc" as 0, "5000" as 200.
    expandCover_->setText(ShownDistance(settings.expandCoverMM));
    expandDisc_->setText(ShownDistance(settings.expandDiscMM));
    moveX_->setText(ShownDistance(settings.moveDiscMMX));
    moveY_->setText(ShownDistance(settings.moveDiscMMY));
    // A stored switch that is neither "0" nor "1" leaves both boxes clear.
    left_->setChecked(settings.moveDiscLeftRight == QLatin1String("0"));
    right_->setChecked(settings.moveDiscLeftRight == QLatin1String("1"));
    up_->setChecked(settings.moveDiscUpDown == QLatin1String("0"));
    down_->setChecked(settings.moveDiscUpDown == QLatin1String("1"));
}

std::optional<QString> CPrinterAdjustmentDlg::AcceptedDistance(const QString& typed) {
    bool ok = false;
    const int mm = typed.trimmed().toInt(&ok, 10);
    if (!ok || mm < kMinimumMM || mm > kMaximumMM) {
        return std::nullopt;
    }
    return QString::number(mm);
}

QString CPrinterAdjustmentDlg::InvalidDistanceText(const QString& field) {
    return QStringLiteral("Please type a whole number of millimetres from %1 to %2 for \"%3\".")
        .arg(kMinimumMM)
        .arg(kMaximumMM)
        .arg(field);
}

UpDownEdit* CPrinterAdjustmentDlg::firstInvalidEdit(QString& field) const {
    const struct {
        UpDownEdit* edit;
        QString field;
    } edits[] = {
        {expandDisc_, QStringLiteral("Expand my disc labels by")},
        {expandCover_, QStringLiteral("Expand my cover(s) by")},
        {moveX_, QStringLiteral("Move my disc labels (to the left or right)")},
        {moveY_, QStringLiteral("Move my disc labels (up or down)")},
    };
    for (const auto& e : edits) {
        if (!AcceptedDistance(e.edit->text())) {
            field = e.field;
            return e.edit;
        }
    }
    return nullptr;
}

PrinterAdjustment CPrinterAdjustmentDlg::adjustment() const {
    const auto distance = [](const UpDownEdit* edit) {
        return AcceptedDistance(edit->text()).value_or(edit->text());
    };
    PrinterAdjustment a;
    a.expandCoverMM = distance(expandCover_);
    a.expandDiscMM = distance(expandDisc_);
    a.moveDiscMMX = distance(moveX_);
    a.moveDiscMMY = distance(moveY_);
    a.moveDiscLeftRight = left_->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    a.moveDiscUpDown = up_->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    return a;
}

void CPrinterAdjustmentDlg::accept() {
    QString field;
    if (UpDownEdit* invalid = firstInvalidEdit(field)) {
        Prompter::instance().message(this, InvalidDistanceText(field),
                                     QStringLiteral("Printer Adjustment"), Prompter::Buttons::Ok,
                                     Prompter::Icon::Warning);
        invalid->setFocus();
        invalid->selectAll();
        return;
    }
    SettingsStore settings;
    settings.setPrinterAdjustment(adjustment());
    settings.save();
    QDialog::accept();
}

// With the corrections as typed, not yet stored, so that they can be tried
// before OK keeps them.
void CPrinterAdjustmentDlg::printCalibrationPage() {
    if (!labelSheet_) {
        return;
    }
    const PrinterAdjustment a = adjustment();
    const std::optional<int> layout = DiscLayoutIndex(*labelSheet_, CoverTypeStandardCD);
    const DiscSheet sheet = MakeDiscSheet(*labelSheet_, MakeCoverLayout(*layout, a));
    calibration_.print(sheet, {labelSheet_->name, CalibrationPage::DescribeAdjustment(
                                                      MakeCoverLayout(kTemplateSheetLayout, a))});
}

}  // namespace casewright
