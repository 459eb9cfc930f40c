#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace casewright {

ScriptedPrompter::ScriptedPrompter() {
    Prompter::install(this);
}

ScriptedPrompter::~ScriptedPrompter() {
    Prompter::install(nullptr);
}

Prompter::Answer ScriptedPrompter::message(QWidget*, const QString& text, const QString& caption,
                                           Buttons buttons, Icon icon) {
    messages.push_back({text, caption, buttons, icon});
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected message box: " << caption.toStdString() << ": "
                      << text.toStdString();
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedPrompter::nextFileName(const QString& caption, const QString& startPath,
                                       const QString& filter) {
    fileDialogCaptions << caption;
    fileDialogStarts << startPath;
    fileDialogFilters << filter;
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << caption.toStdString();
        return QString();
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& caption, const QString& startPath,
                                       const QString& filter) {
    return nextFileName(caption, startPath, filter);
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& caption, const QString& startPath,
                                       const QString& filter) {
    return nextFileName(caption, startPath, filter);
}

QString ScriptedPrompter::existingFolder(QWidget*, const QString& caption,
                                         const QString& startPath) {
    return nextFileName(caption, startPath, QString());
}

std::optional<ColorRef> ScriptedPrompter::chooseColor(QWidget*, ColorRef) {
    ++colorDialogs;
    if (colors.empty()) {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
    const auto c = colors.front();
    colors.pop_front();
    return c;
}

std::optional<Prompter::FontChoice> ScriptedPrompter::chooseFont(QWidget*, const LogFont&,
                                                                 ColorRef) {
    ++fontDialogs;
    if (fonts.empty()) {
        ADD_FAILURE() << "unexpected font dialog";
        return std::nullopt;
    }
    const auto f = fonts.front();
    fonts.pop_front();
    return f;
}

bool ScriptedPrompter::choosePrinter(QWidget*, QPrinter& printer) {
    ++printDialogs;
    if (printerChoices.empty()) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    }
    const bool chosen = printerChoices.front();
    printerChoices.pop_front();
    if (chosen && configurePrinter) {
        configurePrinter(printer);
    }
    return chosen;
}

bool ScriptedPrompter::openUrl(const QUrl& url) {
    openedUrls << url.toString();
    return desktopOpensUrls;
}

}  // namespace casewright
