#pragma once

#include <QString>

namespace casewright {

// Asks the user to put the right paper into the printer before a sheet.
class PaperPrompt {
public:
    enum class Answer { Print, Skip };

    virtual ~PaperPrompt() = default;
    virtual Answer askForPaper(const QString& text) = 0;

    static QString CoversText(const QString& stockName);
    static QString DiscText(const QString& stockName);
};

}  // namespace casewright
