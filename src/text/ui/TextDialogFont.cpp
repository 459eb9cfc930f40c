#include "text/ui/TextDialogFont.h"

#include <QWidget>

void UseDialogFont(QWidget* dialog) {
    QFont font = dialog->font();
    font.setPointSize(8);
    dialog->setFont(font);
}
