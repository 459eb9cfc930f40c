#include "controls/RadioArrowKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace casewright {

RadioArrowKeys::RadioArrowKeys(QObject* owner, const QList<QAbstractButton*>& buttons)
    : QObject(owner), buttons_(buttons) {}

RadioArrowKeys* RadioArrowKeys::Install(QObject* owner, const QList<QAbstractButton*>& buttons) {
    auto* keys = new RadioArrowKeys(owner, buttons);
    for (QAbstractButton* button : buttons) {
        button->installEventFilter(keys);
    }
    return keys;
}

QAbstractButton* RadioArrowKeys::neighbour(QAbstractButton* from, int step) const {
    const int count = static_cast<int>(buttons_.size());
    const int start = static_cast<int>(buttons_.indexOf(from));
    for (int i = 1; i < count; ++i) {
        QAbstractButton* candidate = buttons_.at(((start + step * i) % count + count) % count);
        if (!candidate->isHidden() && candidate->isEnabled()) {
            return candidate;
        }
    }
    return nullptr;
}

bool RadioArrowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            return false;
    }
    QAbstractButton* next = neighbour(static_cast<QAbstractButton*>(watched), step);
    if (next) {
        next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        // A click, not setChecked: the owner follows the choice by clicked().
        next->click();
    }
    return true;
}

}  // namespace casewright
