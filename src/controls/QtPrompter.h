#pragma once

#include "controls/Prompter.h"

namespace casewright {

// The real dialogs: QMessageBox, QFileDialog, QColorDialog, the program's own
// font-and-colour dialog, QPrintDialog and QDesktopServices.
class QtPrompter : public Prompter {
public:
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
};

}  // namespace casewright
