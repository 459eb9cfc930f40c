#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Asks for the right paper before a sheet: Print (OK, the default button)
// or Skip (Cancel).
class CInsertPaperDlg : public QDialog {
public:
    enum ControlId { IDC_PROMPT = 1020 };

    CInsertPaperDlg(QWidget* parent, const QString& prompt);

    QString prompt() const;

private:
    QLabel* prompt_;
    QPushButton* print_;
    QPushButton* skip_;
};
