#include "controls/CGridCellEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace casewright {

CGridCellEdit::CGridCellEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setAutoFillBackground(true);
    hide();
}

void CGridCellEdit::setGrid(QWidget* grid) {
    grid_ = grid;
}

void CGridCellEdit::beginEdit(const QRect& cell, const QString& text, const QColor& textColor,
                              const QColor& backgroundColor) {
    setGeometry(cell);
    setColors(textColor, backgroundColor);
    setText(text);
    editing_ = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

void CGridCellEdit::endEdit() {
    // Cleared first: hiding a focused editor moves the focus away, which must
    // not count as a commit.
    editing_ = false;
    hide();
}

void CGridCellEdit::setColors(const QColor& textColor, const QColor& backgroundColor) {
    QPalette colors = palette();
    colors.setColor(QPalette::Text, textColor);
    colors.setColor(QPalette::Base, backgroundColor);
    colors.setColor(QPalette::Window, backgroundColor);
    setPalette(colors);
}

QColor CGridCellEdit::textColor() const {
    return palette().color(QPalette::Text);
}

QColor CGridCellEdit::backgroundColor() const {
    return palette().color(QPalette::Base);
}

bool CGridCellEdit::isEditorKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

bool CGridCellEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep these keys from shortcuts of the dialog around the grid.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isEditorKey(key->key()) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        // Tab would move the focus before keyPressEvent sees it.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CGridCellEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            finish(true, CommitReason::EnterKey);
            break;
        case Qt::Key_Tab:
            finish(true, CommitReason::TabKey);
            break;
        case Qt::Key_Backtab:
            finish(true, CommitReason::BacktabKey);
            break;
        case Qt::Key_Escape:
            finish(false, CommitReason::EnterKey);
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            break;
        default:
            QLineEdit::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CGridCellEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || focusWentToGrid()) {
        return;
    }
    finish(true, CommitReason::FocusLost);
}

bool CGridCellEdit::focusWentToGrid() const {
    const QWidget* focus = QApplication::focusWidget();
    return grid_ && focus && (focus == grid_ || grid_->isAncestorOf(focus));
}

void CGridCellEdit::finish(bool commit, CommitReason reason) {
    if (!editing_) {
        return;
    }
    // Only the first of several triggers (Enter, then the focus loss that
    // hiding causes) counts.
    editing_ = false;
    if (commit) {
        emit commitRequested(reason);
    } else {
        emit cancelRequested();
    }
}

}  // namespace casewright
