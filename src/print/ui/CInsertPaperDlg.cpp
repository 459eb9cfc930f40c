#include "print/ui/CInsertPaperDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/CFlatImageButton.h"
#include "controls/DialogUnits.h"
#include "print/ui/PrintDialogStyle.h"

namespace casewright {

CInsertPaperDlg::CInsertPaperDlg(QWidget* parent, const QString& prompt)
    : BackgroundDialog(parent),
      prompt_(new QLabel(prompt, this)),
      print_(PrintDialogStyle::IconButton(this, QStringLiteral("&Print"), Artwork::kPrint,
                                          QStringLiteral("printButton"))),
      skip_(PrintDialogStyle::IconButton(this, QStringLiteral("&Skip"), Artwork::kCancel,
                                         QStringLiteral("skipButton"))) {
    setWindowTitle(QStringLiteral("Print"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("printing.html#sheets"));
    prompt_->setObjectName(QStringLiteral("promptLabel"));
    prompt_->setWordWrap(true);
    prompt_->setTextFormat(Qt::PlainText);
    print_->setDefault(true);
    prompt_->setFont(PrintDialogStyle::BoldFont());
    connect(print_, &CFlatImageButton::clicked, this, &QDialog::accept);
    connect(skip_, &CFlatImageButton::clicked, this, &QDialog::reject);

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

}  // namespace casewright
