#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "print/LabelSelection.h"
#include "print/PrintChoices.h"
#include "print/StockCatalog.h"
#include "print/SurfaceExport.h"
#include "print/ui/BackgroundDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace casewright {

class CFlatImageButton;
class CSheetPicker;

// Asks what to print (covers, disc) and on which paper or label sheet, with
// the choices remembered per case type, and on which labels of the sheet
// the disc goes: a picture of the sheet shows them, and the first (top)
// label is chosen every time the dialog opens. Ends with Print, with Save as
// PDF or Save as PNG (after the user named the file) or with Cancel, which
// stores nothing. Preview... shows the sheets of the choices made so far
// and leaves the dialog open.
class CPrintDlg : public BackgroundDialog {
public:
    enum class Outcome { Cancelled, Print, SaveAsPdf, SaveAsPng };
    static constexpr int kDefaultPngDpi = 300;
    static constexpr int kMaxPngDpi = 1200;

    // With the stocks installed on this system.
    CPrintDlg(QWidget* parent, int coverType);
    CPrintDlg(QWidget* parent, int coverType, const StockCatalog& stocks);

    Outcome outcome() const { return outcome_; }
    // The labels chosen at Print or Save as PDF.
    LabelSelection discLabels() const { return discLabels_; }
    QString pdfPath() const { return pdfPath_; }
    // The files chosen at Save as PNG, one per surface, and their resolution.
    const std::vector<SurfaceFile>& pngFiles() const { return pngFiles_; }
    int pngDpi() const;
    // Where the PDF file dialog starts; the PNG dialog starts beside it.
    void setSuggestedPdfPath(const QString& path) { suggestedPdfPath_ = path; }
    // What would print now, before anything is stored.
    PrintChoices currentChoices();

    // When set, Print asks first whether the system has a printer; without
    // one the dialog stays open for Save as PDF or Save as PNG.
    std::function<bool()> hasDefaultPrinter;
    // `preview` shows the sheets of the choices; true when the user chose
    // Print there. Without one the dialog has no Preview... button.
    using Previewer = std::function<bool(const PrintChoices& choices)>;
    void setPreviewer(Previewer preview);

    void accept() override;

    static QString NothingSelectedText();
    static QString PdfExistsText();
    static QString PngExistsText();
    static QString NoPrinterText();

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
    void saveAsPng();
    void preview();
    bool confirmOverwrite(const QString& text);
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
    Previewer showPreview_;
    std::vector<SurfaceFile> pngFiles_;

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
    CFlatImageButton* savePng_ = nullptr;
    QSpinBox* pngDpi_ = nullptr;
    CFlatImageButton* preview_ = nullptr;
    CFlatImageButton* cancel_ = nullptr;
};

}  // namespace casewright
