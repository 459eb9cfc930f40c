#pragma once

#include "print/PaperPrompt.h"

class QWidget;

namespace casewright {

// Asks with the Insert Paper dialog.
class InsertPaperPrompt : public PaperPrompt {
public:
    explicit InsertPaperPrompt(QWidget* parent) : parent_(parent) {}

    Answer askForPaper(const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace casewright
