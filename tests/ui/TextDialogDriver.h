#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace casewright {

// Runs `drive` on the modal dialog that the code under test opens with exec(),
// once it is showing; `drive` ends the dialog (OK, Cancel, ...).
inline void WhenDialogOpens(std::function<void(QDialog&)> drive) {
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog open";
            return;
        }
        drive(*dialog);
    });
}

template <typename T>
T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        ADD_FAILURE() << "no child named " << name;
    }
    return child;
}

}  // namespace casewright
