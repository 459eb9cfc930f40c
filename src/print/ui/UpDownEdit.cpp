#include "print/ui/UpDownEdit.h"

#include <QLineEdit>
#include <algorithm>

#include "app/SettingsStore.h"

namespace casewright {

UpDownEdit::UpDownEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
}

void UpDownEdit::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

void UpDownEdit::setText(const QString& text) {
    lineEdit()->setText(text);
}

int UpDownEdit::number() const {
    return SettingsStore::LeadingInteger(text());
}

void UpDownEdit::stepBy(int steps) {
    const int current = std::clamp(number(), minimum_, maximum_);
    setText(QString::number(std::clamp(current + steps, minimum_, maximum_)));
}

QValidator::State UpDownEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled UpDownEdit::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (number() < maximum_) {
        enabled |= StepUpEnabled;
    }
    if (number() > minimum_) {
        enabled |= StepDownEnabled;
    }
    return enabled;
}

}  // namespace casewright
