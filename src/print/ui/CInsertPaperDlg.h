#pragma once

#include "print/ui/BackgroundDialog.h"

class QLabel;

namespace casewright {

class CFlatImageButton;

// Asks for the right paper before a sheet: Print (OK, the default button)
// or Skip (Cancel).
class CInsertPaperDlg : public BackgroundDialog {
public:
    enum ControlId { IDC_PROMPT = 1020 };

    CInsertPaperDlg(QWidget* parent, const QString& prompt);

    QString prompt() const;

private:
    QLabel* prompt_;
    CFlatImageButton* print_;
    CFlatImageButton* skip_;
};

}  // namespace casewright
