#pragma once

#include <QString>
#include <QUrl>
#include <optional>

#include "document/ColorRef.h"
#include "document/LogFont.h"

class QWidget;
class QPrinter;

namespace casewright {

// Every message box, common dialog and shell "open" of the program goes
// through this interface, so that tests can give the answers.
class Prompter {
public:
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FontChoice {
        LogFont font;        // height in pixels at LogFont::kHeightDpi
        ColorRef color = 0;  // the effects section's text colour
        int pointSizeTenths = 0;
    };

    virtual ~Prompter() = default;

    virtual Answer message(QWidget* parent, const QString& text, const QString& caption,
                           Buttons buttons, Icon icon) = 0;
    // Empty when the user cancelled. `filter` uses Qt's "Name (*.ext)" form.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& startPath,
                                 const QString& filter) = 0;
    // An existing folder; empty when the user cancelled.
    virtual QString existingFolder(QWidget* parent, const QString& caption,
                                   const QString& startPath) = 0;
    virtual std::optional<ColorRef> chooseColor(QWidget* parent, ColorRef initial) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const LogFont& initial,
                                                 ColorRef color) = 0;
    // The system print dialog on `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Opens a web page or a local file in the desktop's handler; false when
    // the desktop has nothing that could open it. Callers that have another
    // way to show it (the manual) use that; the others stay silent.
    virtual bool openUrl(const QUrl& url) = 0;

    // The prompter in use: the real dialogs unless a test installed another.
    static Prompter& instance();
    // Installs `prompter` (not owned); nullptr restores the real dialogs.
    static void install(Prompter* prompter);
};

}  // namespace casewright
