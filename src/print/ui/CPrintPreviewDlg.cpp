#include "print/ui/CPrintPreviewDlg.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ui/HelpLocator.h"
#include "print/ui/SheetPageView.h"

namespace casewright {

CPrintPreviewDlg::CPrintPreviewDlg(QWidget* parent, std::vector<QImage> pages)
    : QDialog(parent), pages_(std::move(pages)) {
    setWindowTitle(QStringLiteral("Print Preview"));
    HelpLocator::ConnectHelpKey(this, QStringLiteral("printing.html#preview"));
    buildLayout();
    showPage(0);

    // A portrait sheet as tall as most of the screen allows.
    QSize size(620, 820);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
}

void CPrintPreviewDlg::buildLayout() {
    view_ = new SheetPageView(this);
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("pageLabel"));
    previous_ = new QPushButton(QStringLiteral("< Pre&vious Sheet"), this);
    previous_->setObjectName(QStringLiteral("previousButton"));
    next_ = new QPushButton(QStringLiteral("&Next Sheet >"), this);
    next_->setObjectName(QStringLiteral("nextButton"));
    print_ = new QPushButton(QStringLiteral("&Print..."), this);
    print_->setObjectName(QStringLiteral("printButton"));
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("closeButton"));
    print_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(pageLabel_);
    buttons->addWidget(next_);
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(current_ + 1); });
    connect(print_, &QPushButton::clicked, this, &QDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void CPrintPreviewDlg::showPage(int index) {
    if (pages_.empty()) {
        pageLabel_->setText(QStringLiteral("Nothing to print"));
        view_->setPage(QImage());
    } else {
        current_ = std::clamp(index, 0, pageCount() - 1);
        view_->setPage(page(current_));
        pageLabel_->setText(QStringLiteral("Sheet %1 of %2").arg(current_ + 1).arg(pageCount()));
    }
    previous_->setEnabled(current_ > 0);
    next_->setEnabled(current_ + 1 < pageCount());
    print_->setEnabled(!pages_.empty());
}

void CPrintPreviewDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageUp:
        case Qt::Key_Left:
            showPage(current_ - 1);
            return;
        case Qt::Key_PageDown:
        case Qt::Key_Right:
            showPage(current_ + 1);
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace casewright
