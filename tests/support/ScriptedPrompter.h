#pragma once

#include <QStringList>
#include <deque>
#include <functional>

#include "controls/Prompter.h"

namespace casewright {

// A Prompter for tests: records every question and answers from queues set
// up in advance. An unexpected question fails the test and is answered with
// Cancel / No / nothing.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
    };

    ScriptedPrompter();            // installs itself
    ~ScriptedPrompter() override;  // restores the real dialogs

    std::deque<Answer> answers;
    std::deque<QString> fileNames;  // for open, save and folder dialogs
    std::deque<std::optional<ColorRef>> colors;
    std::deque<std::optional<FontChoice>> fonts;
    std::deque<bool> printerChoices;
    std::function<void(QPrinter&)> configurePrinter;  // run when a printer is chosen

    std::vector<Message> messages;
    QStringList fileDialogCaptions;
    QStringList fileDialogStarts;
    QStringList fileDialogFilters;
    QStringList openedUrls;
    bool desktopOpensUrls = true;  // false: like a desktop without a browser
    int colorDialogs = 0;
    int fontDialogs = 0;
    int printDialogs = 0;

    Answer message(QWidget* parent, const QString& text, const QString& caption, Buttons buttons,
                   Icon icon) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                         const QString& filter) override;
    QString existingFolder(QWidget* parent, const QString& caption,
                           const QString& startPath) override;
    std::optional<ColorRef> chooseColor(QWidget* parent, ColorRef initial) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const LogFont& initial,
                                         ColorRef color) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    bool openUrl(const QUrl& url) override;

private:
    QString nextFileName(const QString& caption, const QString& startPath, const QString& filter);
};

}  // namespace casewright
