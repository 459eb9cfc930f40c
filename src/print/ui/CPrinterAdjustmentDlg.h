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
// way the label moves. Saves on its own OK; Cancel stores nothing. Given the
// label sheet chosen for the disc, it prints that sheet's calibration page
// with the corrections as they stand in the dialog.
class CPrinterAdjustmentDlg : public BackgroundDialog {
public:
    static constexpr int kMinimumMM = -200;
    static constexpr int kMaximumMM = 200;

    explicit CPrinterAdjustmentDlg(QWidget* parent,
                                   std::optional<LabelStock> labelSheet = std::nullopt);

    void accept() override;

    // The corrections as the dialog shows them now.
    PrinterAdjustment adjustment() const;
    CalibrationFlow& calibrationFlow() { return calibration_; }

private:
    UpDownEdit* addNumberRow(QGridLayout* grid, int row, const QString& name);
    QCheckBox* addDirectionBox(const QString& text, const QString& name);
    void pairDirectionBoxes(QCheckBox* a, QCheckBox* b);
    void buildLayout();
    void loadSettings();
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
