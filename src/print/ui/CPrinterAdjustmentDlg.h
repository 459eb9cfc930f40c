#pragma once

#include "print/ui/BackgroundDialog.h"

class QCheckBox;
class QGridLayout;

namespace casewright {

class UpDownEdit;

// Corrections for printers that do not print at true size or position:
// millimetres added to the covers and the disc label, and how far and which
// way the label moves. Saves on its own OK; Cancel stores nothing.
class CPrinterAdjustmentDlg : public BackgroundDialog {
public:
    static constexpr int kMinimumMM = -200;
    static constexpr int kMaximumMM = 200;

    explicit CPrinterAdjustmentDlg(QWidget* parent);

    void accept() override;

private:
    UpDownEdit* addNumberRow(QGridLayout* grid, int row, const QString& name);
    QCheckBox* addDirectionBox(const QString& text, const QString& name);
    void pairDirectionBoxes(QCheckBox* a, QCheckBox* b);
    void buildLayout();
    void loadSettings();

    UpDownEdit* expandCover_ = nullptr;
    UpDownEdit* expandDisc_ = nullptr;
    UpDownEdit* moveX_ = nullptr;
    UpDownEdit* moveY_ = nullptr;
    QCheckBox* left_ = nullptr;
    QCheckBox* right_ = nullptr;
    QCheckBox* up_ = nullptr;
    QCheckBox* down_ = nullptr;
};

}  // namespace casewright
