#include "text/ui/TextDialogFont.h"

#include <QWidget>

namespace casewright {

void UseDialogFont(QWidget* dialog) {
    QFont font = dialog->font();
    font.setPointSize(8);
    dialog->setFont(font);
}

}  // namespace casewright
