#include "print/ui/CPrintDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "app/SettingsStore.h"
#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"
#include "document/CaseTypeTable.h"
#include "print/DiscSheet.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/ui/CPrinterAdjustmentDlg.h"
#include "print/ui/CSheetPicker.h"
#include "print/ui/InstalledStocks.h"
#include "print/ui/PrintDialogStyle.h"

namespace casewright {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

bool HasStockChoices(int coverType) {
    return FindCaseType(coverType) != nullptr;
}

}  // namespace

CPrintDlg::CPrintDlg(QWidget* parent, int coverType)
    : CPrintDlg(parent, coverType, InstalledStocks::Catalog()) {}

CPrintDlg::CPrintDlg(QWidget* parent, int coverType, const StockCatalog& stocks)
    : BackgroundDialog(parent), coverType_(coverType), stocks_(stocks) {
    setWindowTitle(QStringLiteral("Print"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("printing.html#dialog"));
    suggestedPdfPath_ = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                            .filePath(QStringLiteral("Cover.pdf"));
    buildControls();
    buildLayout();
    applyCaseType();
    loadSettings();
    // The labels are chosen afresh every time, starting with the first.
    showSheet();
    updateEnabling();
    resize(DialogUnits::ToPixelsX(255), DialogUnits::ToPixelsY(153));
}

void CPrintDlg::setWarnings(const QStringList& warnings) {
    warnings_->setText(warnings.join(QLatin1Char('\n')));
    warnings_->setVisible(!warnings.isEmpty());
}

QString CPrintDlg::NothingSelectedText() {
    return QStringLiteral(
        "You have not selected any items to print.  Please tick the boxes next to the items you "
        "wish to print, or click 'Cancel' to return to the main screen.");
}

void CPrintDlg::buildControls() {
    itemsHeading_ = Named(new QLabel(QStringLiteral("Which items would you like to print?"), this),
                          "itemsHeading");
    coversCheck_ = Named(new QCheckBox(QStringLiteral("Covers:"), this), "coversCheck");
    discCheck_ = Named(new QCheckBox(QStringLiteral("Disc"), this), "discCheck");
    paperHeading_ = Named(new QLabel(QStringLiteral("Which paper/label type will you use?"), this),
                          "paperHeading");
    coverStockLabel_ = Named(new QLabel(QStringLiteral("Covers:"), this), "coverStockLabel");
    coverStocks_ = Named(new QComboBox(this), "coverStockList");
    discStockLabel_ = Named(new QLabel(QStringLiteral("Disc:"), this), "discStockLabel");
    discStocks_ = Named(new QComboBox(this), "discStockList");
    labelsLabel_ =
        Named(new QLabel(QStringLiteral("Print the disc on &label:"), this), "discLabelsLabel");
    sheetPicker_ = Named(new CSheetPicker(this), "sheetPicker");
    labelsEdit_ = Named(new QLineEdit(this), "labelsEdit");
    labelsEdit_->setToolTip(QStringLiteral("Label numbers such as 2,3 or 2-4, or \"all\""));
    labelsEdit_->setAccessibleName(QStringLiteral("Labels to print the disc on"));
    labelsLabel_->setBuddy(labelsEdit_);
    allLabels_ = Named(new QPushButton(QStringLiteral("All labels"), this), "allLabelsButton");
    adjust_ = PrintDialogStyle::LinkButton(
        this, QStringLiteral("Click here to adjust label size && position"),
        QStringLiteral("adjustButton"));
    warnings_ = Named(new QLabel(this), "blurWarnings");
    warnings_->setWordWrap(true);
    warnings_->setStyleSheet(QStringLiteral("color: #a04000;"));
    warnings_->hide();
    print_ = PrintDialogStyle::IconButton(this, QStringLiteral("&Print"), Artwork::kPrint,
                                          QStringLiteral("printButton"));
    savePdf_ = PrintDialogStyle::IconButton(this, QStringLiteral("Save as PDF..."), Artwork::kSave,
                                            QStringLiteral("savePdfButton"));
    savePng_ = PrintDialogStyle::IconButton(this, QStringLiteral("Save as PNG..."),
                                            Artwork::kChooseImage, QStringLiteral("savePngButton"));
    savePng_->setToolTip(QStringLiteral("Saves the chosen covers and disc as pictures"));
    pngDpi_ = Named(new QSpinBox(this), "pngDpiBox");
    pngDpi_->setRange(1, kMaxPngDpi);
    pngDpi_->setValue(kDefaultPngDpi);
    pngDpi_->setSuffix(QStringLiteral(" dpi"));
    pngDpi_->setToolTip(QStringLiteral("The resolution of the pictures Save as PNG writes"));
    pngDpi_->setAccessibleName(QStringLiteral("Resolution of the PNG pictures"));
    preview_ = PrintDialogStyle::IconButton(this, QStringLiteral("Pre&view..."),
                                            Artwork::kViewFront, QStringLiteral("previewButton"));
    preview_->setToolTip(QStringLiteral("Shows every sheet as it will print"));
    preview_->setVisible(false);
    cancel_ = PrintDialogStyle::IconButton(this, QStringLiteral("&Cancel"), Artwork::kCancel,
                                           QStringLiteral("cancelButton"));

    for (QComboBox* list : {coverStocks_, discStocks_}) {
        list->setMaxVisibleItems(6);
    }
    print_->setDefault(true);
    PrintDialogStyle::UseBoldFont({itemsHeading_, paperHeading_});

    connect(discCheck_, &QCheckBox::clicked, this, &CPrintDlg::updateEnabling);
    connect(coversCheck_, &QCheckBox::clicked, this, &CPrintDlg::updateEnabling);
    connect(discStocks_, &QComboBox::activated, this, [this] {
        showSheet();
        updateLabelChoice();
    });
    connect(sheetPicker_, &CSheetPicker::selectionChanged, this, &CPrintDlg::showSelection);
    connect(labelsEdit_, &QLineEdit::editingFinished, this, &CPrintDlg::applyTypedLabels);
    connect(allLabels_, &QPushButton::clicked, this, [this] {
        sheetPicker_->setSelection(LabelSelection::All());
        showSelection();
    });
    connect(adjust_, &CFlatImageButton::clicked, this, &CPrintDlg::openAdjustment);
    connect(print_, &CFlatImageButton::clicked, this, &CPrintDlg::accept);
    connect(savePdf_, &CFlatImageButton::clicked, this, &CPrintDlg::saveAsPdf);
    connect(savePng_, &CFlatImageButton::clicked, this, &CPrintDlg::saveAsPng);
    connect(preview_, &CFlatImageButton::clicked, this, &CPrintDlg::preview);
    connect(cancel_, &CFlatImageButton::clicked, this, &QDialog::reject);
}

void CPrintDlg::buildLayout() {
    auto* items = new QHBoxLayout;
    items->addWidget(coversCheck_);
    items->addWidget(discCheck_);
    items->addStretch();

    auto* stocks = new QGridLayout;
    stocks->addWidget(coverStockLabel_, 0, 0);
    stocks->addWidget(coverStocks_, 0, 1);
    stocks->addWidget(discStockLabel_, 1, 0);
    stocks->addWidget(discStocks_, 1, 1);
    stocks->setColumnStretch(1, 1);

    auto* labelChoice = new QVBoxLayout;
    labelChoice->addWidget(labelsLabel_);
    labelChoice->addWidget(labelsEdit_);
    labelChoice->addWidget(allLabels_);
    labelChoice->addStretch();
    auto* labels = new QHBoxLayout;
    labels->addWidget(sheetPicker_);
    labels->addLayout(labelChoice);
    labels->addStretch();

    auto* files = new QHBoxLayout;
    files->addWidget(savePdf_);
    files->addWidget(savePng_);
    files->addWidget(pngDpi_);
    files->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(preview_);
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(itemsHeading_);
    layout->addLayout(items);
    layout->addWidget(paperHeading_);
    layout->addLayout(stocks);
    layout->addLayout(labels);
    layout->addWidget(adjust_);
    layout->addWidget(warnings_);
    layout->addStretch();
    layout->addLayout(files);
    layout->addLayout(buttons);
}

void CPrintDlg::applyCaseType() {
    const CaseTypeInfo* caseType = FindCaseType(coverType_);
    if (!caseType) {
        return;  // no stocks for a case type the program does not know
    }
    coversCheck_->setText(QString::fromLatin1(caseType->printCoversLabel));
    coverStockLabel_->setText(QString::fromLatin1(caseType->printCoverStockLabel));
    coverStocks_->addItems(LabelStocks::CoverStockNames());
    discStocks_->addItems(stocks_.discStockNames());
}

void CPrintDlg::loadSettings() {
    const SettingsStore settings;
    discCheck_->setChecked(settings.printDisc != 0);
    coversCheck_->setChecked(settings.printCover != 0);
    if (!HasStockChoices(coverType_)) {
        return;
    }
    // A remembered name that is not in a list leaves that list unselected.
    const Qt::MatchFlags exact = Qt::MatchExactly | Qt::MatchCaseSensitive;
    coverStocks_->setCurrentIndex(coverStocks_->findText(settings.coverStock(coverType_), exact));
    discStocks_->setCurrentIndex(discStocks_->findText(settings.discStock(coverType_), exact));
}

void CPrintDlg::updateEnabling() {
    coverStocks_->setEnabled(coversCheck_->isChecked());
    discStocks_->setEnabled(discCheck_->isChecked());
    updateLabelChoice();
}

// Only a label sheet has labels to choose.
void CPrintDlg::updateLabelChoice() {
    const bool enable = discCheck_->isChecked() && chosenLabelSheet().has_value();
    for (QWidget* w :
         std::initializer_list<QWidget*>{labelsLabel_, sheetPicker_, labelsEdit_, allLabels_}) {
        w->setEnabled(enable);
    }
}

std::optional<LabelStock> CPrintDlg::chosenLabelSheet() const {
    const std::optional<LabelStock> stock = stocks_.find(discStocks_->currentText());
    if (stock && (stock->discLayout || stock->sheet)) {
        return stock;
    }
    return std::nullopt;
}

// The sheet of the chosen stock as it is cut, before any printer
// adjustment; the labels chosen so far that it has stay chosen.
void CPrintDlg::showSheet() {
    DiscSheet sheet;
    const std::optional<LabelStock> stock = stocks_.find(discStocks_->currentText());
    const std::optional<int> layout = stock ? DiscLayoutIndex(*stock, coverType_) : std::nullopt;
    if (layout) {
        sheet = MakeDiscSheet(*stock, MakeCoverLayout(*layout, PrinterAdjustment()));
    }
    sheetPicker_->setSheet(sheet);
    LabelSelection kept = sheetPicker_->selection();
    if (!kept.isAll()) {
        std::vector<int> numbers;
        for (const int index : kept.indexesOn(sheetPicker_->labelCount())) {
            numbers.push_back(index + 1);
        }
        kept = LabelSelection::Of(numbers);
    }
    sheetPicker_->setSelection(kept);
    showSelection();
}

void CPrintDlg::showSelection() {
    labelsEdit_->setText(sheetPicker_->selection().text());
}

// Typed numbers the sheet has are taken; anything else puts the chosen
// labels back into the box.
void CPrintDlg::applyTypedLabels() {
    const std::optional<LabelSelection> typed = LabelSelection::Parse(labelsEdit_->text());
    if (typed && typed->beyond(sheetPicker_->labelCount()).empty()) {
        sheetPicker_->setSelection(*typed);
    }
    showSelection();
}

void CPrintDlg::openAdjustment() {
    CPrinterAdjustmentDlg dialog(this, chosenLabelSheet());
    dialog.exec();
}

QString CPrintDlg::PdfExistsText() {
    return QStringLiteral(
        "A PDF file with this name already exists. Would you like to overwrite this file?");
}

QString CPrintDlg::PngExistsText() {
    return QStringLiteral(
        "A picture with the name \"%1\" already exists. Would you like to overwrite it?");
}

int CPrintDlg::pngDpi() const {
    return pngDpi_->value();
}

bool CPrintDlg::confirmOverwrite(const QString& text) {
    return Prompter::instance().message(this, text, QStringLiteral("Overwrite?"),
                                        Prompter::Buttons::YesNo,
                                        Prompter::Icon::Question) == Prompter::Answer::Yes;
}

bool CPrintDlg::somethingSelected() {
    if (coversCheck_->isChecked() || discCheck_->isChecked()) {
        return true;
    }
    Prompter::instance().message(this, NothingSelectedText(), QStringLiteral("Print"),
                                 Prompter::Buttons::Ok, Prompter::Icon::Information);
    return false;
}

void CPrintDlg::saveChoices() {
    applyTypedLabels();
    discLabels_ = sheetPicker_->selection();
    SettingsStore settings;
    settings.printDisc = discCheck_->isChecked() ? 1 : 0;
    settings.printCover = coversCheck_->isChecked() ? 1 : 0;
    if (HasStockChoices(coverType_)) {
        // The visible texts, even of a disabled list.
        settings.setCoverStock(coverType_, coverStocks_->currentText());
        settings.setDiscStock(coverType_, discStocks_->currentText());
    }
    settings.save();
}

void CPrintDlg::finish(Outcome outcome) {
    saveChoices();
    outcome_ = outcome;
    QDialog::accept();
}

QString CPrintDlg::NoPrinterText() {
    return QStringLiteral(
        "No printer is installed, or none is chosen as the default printer.  Please add a "
        "printer or choose the default one in your system's printer settings (Settings > "
        "Printers on most desktops, or the CUPS page at http://localhost:631), then print "
        "again.\n\nUntil then you can keep the cover as a PDF file with 'Save as PDF...' or as "
        "pictures with 'Save as PNG...'.");
}

void CPrintDlg::accept() {
    if (!somethingSelected()) {
        return;
    }
    if (hasDefaultPrinter && !hasDefaultPrinter()) {
        Prompter::instance().message(this, NoPrinterText(), QStringLiteral("Default Printer"),
                                     Prompter::Buttons::Ok, Prompter::Icon::Information);
        savePdf_->setFocus();
        return;
    }
    finish(Outcome::Print);
}

PrintChoices CPrintDlg::currentChoices() {
    applyTypedLabels();
    PrintChoices choices = PrintChoices::FromSettings(coverType_);
    choices.printCover = coversCheck_->isChecked();
    choices.printDisc = discCheck_->isChecked();
    if (HasStockChoices(coverType_)) {
        choices.coverStock = coverStocks_->currentText();
        choices.discStock = discStocks_->currentText();
    }
    choices.discLabels = sheetPicker_->selection();
    return choices;
}

void CPrintDlg::setPreviewer(Previewer preview) {
    showPreview_ = std::move(preview);
    preview_->setVisible(static_cast<bool>(showPreview_));
}

// The sheets as they are chosen now; the choices are stored only when the
// dialog ends with Print or a file.
void CPrintDlg::preview() {
    if (!showPreview_ || !somethingSelected()) {
        return;
    }
    if (showPreview_(currentChoices())) {
        accept();
    }
}

// The same job into a PDF file, for a desktop without a printer. Cancelling
// the file dialog or declining to replace an existing file returns to this
// dialog with nothing stored.
void CPrintDlg::saveAsPdf() {
    if (!somethingSelected()) {
        return;
    }
    QString path =
        Prompter::instance().saveFileName(this, QStringLiteral("Save as PDF"), suggestedPdfPath_,
                                          QStringLiteral("PDF Files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path += QLatin1String(".pdf");
    }
    if (QFileInfo::exists(path) && !confirmOverwrite(PdfExistsText())) {
        return;
    }
    pdfPath_ = path;
    finish(Outcome::SaveAsPdf);
}

// The chosen surfaces as pictures, drawn as `casewright-batch render` draws
// them. Like Save as PDF, cancelling or declining to replace a file returns
// to this dialog with nothing stored.
void CPrintDlg::saveAsPng() {
    if (!somethingSelected()) {
        return;
    }
    const QFileInfo pdf(suggestedPdfPath_);
    QString path = Prompter::instance().saveFileName(
        this, QStringLiteral("Save as PNG"),
        pdf.dir().filePath(pdf.completeBaseName() + QStringLiteral(".png")),
        QStringLiteral("PNG Images (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        path += QLatin1String(".png");
    }
    std::vector<SurfaceFile> files =
        SurfaceFiles(path, coverType_, coversCheck_->isChecked(), discCheck_->isChecked());
    for (const SurfaceFile& file : files) {
        if (QFileInfo::exists(file.path) &&
            !confirmOverwrite(PngExistsText().arg(QDir::toNativeSeparators(file.path)))) {
            return;
        }
    }
    pngFiles_ = std::move(files);
    finish(Outcome::SaveAsPng);
}

}  // namespace casewright
