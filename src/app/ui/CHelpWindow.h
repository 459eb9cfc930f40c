#pragma once

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace casewright {

// The manual inside the program, for desktops that cannot open it in a
// browser: the same HTML pages in a QTextBrowser, with Back, Contents and
// Close. Links to other pages of the manual open here; web addresses go to
// the desktop.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // Shows a page of the manual given as a local file URL, with an anchor
    // where the page has a section for the window the user is in.
    void showPage(const QUrl& page);
    QUrl page() const;
    QString pageTitle() const;

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* contents_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace casewright
