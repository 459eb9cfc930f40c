#pragma once

#include <QColor>
#include <QLabel>

namespace casewright {

// A static text drawn straight onto whatever its parent shows beneath it: no
// background of its own, text in its own colour. Like a dialog static, "&"
// marks a mnemonic ("&&" shows one ampersand) and the text wraps at word
// boundaries. Because it never paints a background, a changed text leaves
// no trace of the old one: Qt repaints the parent's pixels underneath first.
class CTransparentStatic : public QLabel {
    Q_OBJECT

public:
    explicit CTransparentStatic(QWidget* parent = nullptr);
    explicit CTransparentStatic(const QString& text, QWidget* parent = nullptr);

    // Black unless set.
    void setTextColor(const QColor& color);
    QColor textColor() const { return textColor_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void initialise();
    int textFlags() const;

    QColor textColor_ = Qt::black;
};

}  // namespace casewright
