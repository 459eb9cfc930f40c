#pragma once

#include <QDialog>

namespace casewright {

// A dialog with the white background picture stretched over its whole
// client area; the labels, check boxes and radio buttons on it are
// transparent, so the picture shows through them.
class BackgroundDialog : public QDialog {
public:
    explicit BackgroundDialog(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace casewright
