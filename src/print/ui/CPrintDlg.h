#pragma once

#include <optional>

#include "print/LabelSelection.h"
#include "print/StockCatalog.h"
#include "print/ui/BackgroundDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace casewright {

class CFlatImageButton;
class CSheetPicker;

// Asks what to print (covers, disc) and on which paper or label sheet, with
// the choices remembered per case type, and on which labels of the sheet
// the disc goes: a picture of the sheet shows them, and the first (top)
// label is chosen every time the dialog opens. Ends with Print, with Save as
// PDF (after the user named the file) or with Cancel, which stores nothing.
class CPrintDlg : public BackgroundDialog {
public:
    enum class Outcome { Cancelled, Print, SaveAsPdf };

    // With the stocks installed on this system.
    CPrintDlg(QWidget* parent, int coverType);
    CPrintDlg(QWidget* parent, int coverType, const StockCatalog& stocks);

    Outcome outcome() const { return outcome_; }
    // The labels chosen at Print or Save as PDF.
    LabelSelection discLabels() const { return discLabels_; }
    QString pdfPath() const { return pdfPath_; }
    // Where the PDF file dialog starts.
    void setSuggestedPdfPath(const QString& path) { suggestedPdfPath_ = path; }

    void accept() override;

    static QString NothingSelectedText();
    static QString PdfExistsText();

    // Warnings shown above the buttons, such as pictures that will print
    // blurred; none hides the line.
    void setWarnings(const QStringList& warnings);

private:
    void buildControls();
    void buildLayout();
    void applyCaseType();
    void loadSettings();
    void updateEnabling();
    void updateLabelChoice();
    void showSheet();
    void showSelection();
    void applyTypedLabels();
    // The chosen disc stock when it is a label sheet.
    std::optional<LabelStock> chosenLabelSheet() const;
    void saveAsPdf();
    bool confirmPdfOverwrite();
    bool somethingSelected();
    void saveChoices();
    void finish(Outcome outcome);
    void openAdjustment();

    int coverType_;
    StockCatalog stocks_;
    Outcome outcome_ = Outcome::Cancelled;
    LabelSelection discLabels_;
    QString pdfPath_;
    QString suggestedPdfPath_;

    QLabel* itemsHeading_ = nullptr;
    QLabel* warnings_ = nullptr;
    QCheckBox* coversCheck_ = nullptr;
    QCheckBox* discCheck_ = nullptr;
    QLabel* paperHeading_ = nullptr;
    QLabel* coverStockLabel_ = nullptr;
    QComboBox* coverStocks_ = nullptr;
    QLabel* discStockLabel_ = nullptr;
    QComboBox* discStocks_ = nullptr;
    QLabel* labelsLabel_ = nullptr;
    CSheetPicker* sheetPicker_ = nullptr;
    QLineEdit* labelsEdit_ = nullptr;
    QPushButton* allLabels_ = nullptr;
    CFlatImageButton* adjust_ = nullptr;
    CFlatImageButton* print_ = nullptr;
    CFlatImageButton* savePdf_ = nullptr;
    CFlatImageButton* cancel_ = nullptr;
};

}  // namespace casewright
