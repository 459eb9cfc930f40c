#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;

namespace casewright {

// Arrow keys on a set of radio buttons as every desktop handles them: Up and
// Left, Down and Right move to the previous or next shown, enabled button
// (round the ends) and check it, so that the button with the focus is always
// the chosen one. Install it on the buttons with Install.
class RadioArrowKeys : public QObject {
    Q_OBJECT
public:
    // `buttons` in their order on screen; the filter belongs to `owner`.
    static RadioArrowKeys* Install(QObject* owner, const QList<QAbstractButton*>& buttons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RadioArrowKeys(QObject* owner, const QList<QAbstractButton*>& buttons);
    QAbstractButton* neighbour(QAbstractButton* from, int step) const;

    QList<QAbstractButton*> buttons_;
};

}  // namespace casewright
