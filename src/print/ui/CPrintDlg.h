#pragma once

#include "print/ui/BackgroundDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace casewright {

class CFlatImageButton;

// Asks what to print (covers, disc) and on which paper or label sheet, with
// the choices remembered per case type. Ends with Print, with Save as PDF
// (after the user named the file) or with Cancel, which stores nothing.
class CPrintDlg : public BackgroundDialog {
public:
    enum class Outcome { Cancelled, Print, SaveAsPdf };

    CPrintDlg(QWidget* parent, int coverType);

    Outcome outcome() const { return outcome_; }
    bool useTopDiscLabel() const { return useTopDiscLabel_; }
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
    void saveAsPdf();
    bool confirmPdfOverwrite();
    bool somethingSelected();
    void saveChoices();
    void finish(Outcome outcome);
    void openAdjustment();

    int coverType_;
    Outcome outcome_ = Outcome::Cancelled;
    bool useTopDiscLabel_ = true;
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
    QRadioButton* topLabel_ = nullptr;
    QRadioButton* bottomLabel_ = nullptr;
    CFlatImageButton* adjust_ = nullptr;
    CFlatImageButton* print_ = nullptr;
    CFlatImageButton* savePdf_ = nullptr;
    CFlatImageButton* cancel_ = nullptr;
};

}  // namespace casewright
