#pragma once

#include "print/PaperPrompt.h"

namespace casewright {

// For jobs without a user to ask: every sheet is printed.
class AlwaysPrintPrompt : public PaperPrompt {
public:
    Answer askForPaper(const QString&) override { return Answer::Print; }
};

}  // namespace casewright
