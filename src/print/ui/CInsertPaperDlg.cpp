#include "print/ui/CInsertPaperDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DialogUnits.h"
#include "print/ui/PrintDialogStyle.h"

CInsertPaperDlg::CInsertPaperDlg(QWidget* parent, const QString& prompt)
    : QDialog(parent),
      prompt_(new QLabel(prompt, this)),
      print_(new QPushButton(QStringLiteral("&Print"), this)),
      skip_(new QPushButton(QStringLiteral("&Skip"), this)) {
    setWindowTitle(QStringLiteral("Print"));
    prompt_->setObjectName(QStringLiteral("promptLabel"));
    prompt_->setWordWrap(true);
    prompt_->setTextFormat(Qt::PlainText);
    print_->setObjectName(QStringLiteral("printButton"));
    skip_->setObjectName(QStringLiteral("skipButton"));
    print_->setDefault(true);
    UsePrintDialogBoldFont({prompt_, print_, skip_});
    connect(print_, &QPushButton::clicked, this, &QDialog::accept);
    connect(skip_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(skip_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_, 1);
    layout->addLayout(buttons);
    resize(DialogUnits::ToPixelsX(193), DialogUnits::ToPixelsY(70));
}

QString CInsertPaperDlg::prompt() const {
    return prompt_->text();
}
