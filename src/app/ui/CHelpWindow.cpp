#include "app/ui/CHelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "controls/Prompter.h"

namespace casewright {

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Casewright Help"));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(false);
    back_ = new QPushButton(QStringLiteral("&Back"), this);
    back_->setObjectName(QStringLiteral("helpBackButton"));
    back_->setEnabled(false);
    contents_ = new QPushButton(QStringLiteral("C&ontents"), this);
    contents_->setObjectName(QStringLiteral("helpContentsButton"));
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    close_->setObjectName(QStringLiteral("helpCloseButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(contents_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(browser_, &QTextBrowser::anchorClicked, this, &CHelpWindow::followLink);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents_, &QPushButton::clicked, this,
            [this] { followLink(QUrl(QStringLiteral("index.html"))); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Wide enough for the manual's lines, never larger than the screen.
    QSize size(760, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    }
    resize(size);
}

void CHelpWindow::showPage(const QUrl& page) {
    browser_->setSource(page);
    browser_->setFocus();
}

QUrl CHelpWindow::page() const {
    return browser_->source();
}

QString CHelpWindow::pageTitle() const {
    return browser_->documentTitle();
}

// Pages of the manual stay in this window; anything else belongs to the
// desktop (a web browser, if there is one after all).
void CHelpWindow::followLink(const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (target.isLocalFile()) {
        if (QFileInfo(target.toLocalFile()).isFile()) {
            browser_->setSource(target);
        }
        return;
    }
    Prompter::instance().openUrl(target);
}

}  // namespace casewright
