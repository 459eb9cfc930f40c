#include "text/ui/GridCellEditStandIn.h"

#include <QApplication>
#include <QKeyEvent>

GridCellEditStandIn::GridCellEditStandIn(QWidget* grid, QWidget* parent)
    : QLineEdit(parent), grid_(grid) {
    setFrame(false);
}

void GridCellEditStandIn::setColors(const QColor& text, const QColor& background) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
}

void GridCellEditStandIn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        sendEnterToGrid();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // The editor takes every key: Escape must not end the whole dialog, nor
    // the keys below move the focus around it.
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            break;
        default:
            break;
    }
}

void GridCellEditStandIn::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu of the edit itself is not leaving it.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (grid_ && QApplication::focusWidget() != grid_.data()) {
        sendEnterToGrid();
    }
}

void GridCellEditStandIn::sendEnterToGrid() {
    if (grid_) {
        QApplication::postEvent(grid_.data(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    }
}
