#pragma once

#include <QFont>
#include <QWidget>

// The bold heading and button font of the print dialogs.
inline QFont PrintDialogBoldFont() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    font.setBold(true);
    return font;
}

inline void UsePrintDialogBoldFont(std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets) {
        w->setFont(PrintDialogBoldFont());
    }
}
