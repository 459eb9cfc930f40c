#include "print/ui/InsertPaperPrompt.h"

#include "print/ui/CInsertPaperDlg.h"

namespace casewright {

PaperPrompt::Answer InsertPaperPrompt::askForPaper(const QString& text) {
    CInsertPaperDlg dialog(parent_, text);
    return dialog.exec() == QDialog::Accepted ? Answer::Print : Answer::Skip;
}

}  // namespace casewright
