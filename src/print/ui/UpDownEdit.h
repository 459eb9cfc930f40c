#pragma once

#include <QAbstractSpinBox>

namespace casewright {

// A text edit with up-down arrows. The text is kept exactly as typed, so
// anything can be entered (the dialog that holds it judges the text when it
// closes); the arrows and the arrow keys step the number the text starts
// with, within the range.
class UpDownEdit : public QAbstractSpinBox {
public:
    explicit UpDownEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setText(const QString& text);

    void stepBy(int steps) override;

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;

private:
    int number() const;

    int minimum_ = 0;
    int maximum_ = 99;
};

}  // namespace casewright
