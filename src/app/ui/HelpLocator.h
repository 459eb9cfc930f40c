#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Finds the HTML manual shipped with the program: help/index.html beside the
// executable (a build tree), else in the installed data folder.
class HelpLocator {
public:
    // The manual's start page; empty when neither place holds it.
    static QString IndexPath();
    static QUrl IndexUrl();
    // Opens the manual in the desktop's browser; nothing happens when it is
    // missing or cannot be opened.
    static void Open(QWidget* parent);
};
