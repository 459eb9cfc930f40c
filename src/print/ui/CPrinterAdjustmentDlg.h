#pragma once

#include <optional>

#include "print/LabelStock.h"
#include "print/PrinterAdjustment.h"
#include "print/ui/BackgroundDialog.h"
#include "print/ui/CalibrationFlow.h"

class QCheckBox;
class QGridLayout;

namespace casewright {

class UpDownEdit;

// Corrections for printers that do not print at true size or position:
// millimetres added to the covers and the disc label, and how far and which
// way the label moves. Saves on its own OK, and only whole numbers from -200
// to 200: any other text is named to the user and the dialog stays open.
// Cancel stores nothing. The edits show the distances a print applies. Given
// the label sheet chosen for the disc, it prints that sheet's calibration
// page with the corrections as they stand in the dialog.
class CPrinterAdjustmentDlg : public BackgroundDialog {
public:
    static constexpr int kMinimumMM = kMinimumAdjustmentMM;
    static constexpr int kMaximumMM = kMaximumAdjustmentMM;

    explicit CPrinterAdjustmentDlg(QWidget* parent,
                                   std::optional<LabelStock> labelSheet = std::nullopt);

    void accept() override;

    // The text of a distance the dialog accepts, as it stores it; nothing for
    // text that is not a whole number in the range.
    static std::optional<QString> AcceptedDistance(const QString& typed);
    static QString InvalidDistanceText(const QString& field);
    // The corrections as the dialog shows them now.
    PrinterAdjustment adjustment() const;
    CalibrationFlow& calibrationFlow() { return calibration_; }

private:
    UpDownEdit* addNumberRow(QGridLayout* grid, int row, const QString& name);
    QCheckBox* addDirectionBox(const QString& text, const QString& name);
    void pairDirectionBoxes(QCheckBox* a, QCheckBox* b);
    void buildLayout();
    void loadSettings();
    // The first edit whose text is not accepted, with the name of its field.
    UpDownEdit* firstInvalidEdit(QString& field) const;
    void printCalibrationPage();

    UpDownEdit* expandCover_ = nullptr;
    UpDownEdit* expandDisc_ = nullptr;
    UpDownEdit* moveX_ = nullptr;
    UpDownEdit* moveY_ = nullptr;
    QCheckBox* left_ = nullptr;
    QCheckBox* right_ = nullptr;
    QCheckBox* up_ = nullptr;
    QCheckBox* down_ = nullptr;
    std::optional<LabelStock> labelSheet_;
    CalibrationFlow calibration_;
};

}  // namespace casewright
